#pragma once

#include "apple.h"
#include "cell.h"

#include <cstdint>
#include <vector>

// The whole state of a round. Only the head keeps grid coordinates; where the
// body lies is known from the segments' pixel positions alone.
class Board {
public:
    float headX;
    float headY;
    float stepX;
    float stepY;
    std::int32_t rows;
    std::int32_t cols;
    std::int32_t score;
    bool turnTaken;
    bool wallsSolid;
    bool won;
    std::vector<Cell> segments; // element 0 is the head
    Apple apple;
    std::int32_t direction; // a Direction code

    // Seeds the random generator, lays the chain on the top-left cell and
    // drops the first apple anywhere on the grid.
    Board();

    // Starts a new round; the apple and the walls setting stay as they are.
    void reset();

    // The parts of one tick, called in this order by the game's update.
    void advanceHead();
    void followHead();
    void checkSelfHit();
    void applyEdges();
    void tryEat();

    // Moves the apple to a random cell that no segment covers.
    void placeApple();

private:
    void layStartingChain();
    void putHeadSegmentOnHeadCell();
    void dropAppleOnRandomCell();
};
