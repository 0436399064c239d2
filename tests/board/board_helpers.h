#pragma once

#include "board.h"
#include "config.h"

#include <SFML/System/Vector2.hpp>

#include <vector>

// Grid cells as (column, row), and ways to put a board into a chosen position.

inline sf::Vector2f corner(sf::Vector2i cell) {
    const auto size = static_cast<int>(CELL_SIZE);
    return sf::Vector2f(static_cast<float>(cell.x * size), static_cast<float>(cell.y * size));
}

inline sf::Vector2i cellOf(const sf::Vector2f& position) {
    const auto size = static_cast<float>(CELL_SIZE);
    return sf::Vector2i(static_cast<int>(position.x / size), static_cast<int>(position.y / size));
}

// Replaces the chain with segments on the given cells, head first.
inline void layChain(Board& board, const std::vector<sf::Vector2i>& cells) {
    board.segments.assign(cells.size(), Cell());
    for (std::size_t i = 0; i < cells.size(); ++i)
        board.segments[i].setPosition(corner(cells[i]));
    board.headX = static_cast<float>(cells.front().x);
    board.headY = static_cast<float>(cells.front().y);
}

inline std::vector<sf::Vector2i> chainCells(const Board& board) {
    std::vector<sf::Vector2i> cells;
    for (const Cell& segment : board.segments)
        cells.push_back(cellOf(segment.getPosition()));
    return cells;
}

inline void putApple(Board& board, sf::Vector2i cell) {
    board.apple.setPosition(corner(cell));
}

// Everything a player could tell apart, for comparing two boards.
struct BoardState {
    float headX, headY, stepX, stepY;
    int rows, cols, score;
    bool turnTaken, wallsSolid, won;
    std::vector<sf::Vector2f> segments;
    sf::Vector2f apple;
    int direction;

    explicit BoardState(const Board& b)
        : headX(b.headX), headY(b.headY), stepX(b.stepX), stepY(b.stepY), rows(b.rows),
          cols(b.cols), score(b.score), turnTaken(b.turnTaken), wallsSolid(b.wallsSolid),
          won(b.won), apple(b.apple.getPosition()), direction(b.direction) {
        for (const Cell& segment : b.segments)
            segments.push_back(segment.getPosition());
    }

    bool operator==(const BoardState& o) const {
        return headX == o.headX && headY == o.headY && stepX == o.stepX && stepY == o.stepY &&
               rows == o.rows && cols == o.cols && score == o.score && turnTaken == o.turnTaken &&
               wallsSolid == o.wallsSolid && won == o.won && segments == o.segments &&
               apple == o.apple && direction == o.direction;
    }
};

// The tick in the order the game runs it: clear the turn, move, self-hit, edges, eat.
inline void tick(Board& board) {
    board.turnTaken = false;
    board.advanceHead();
    board.checkSelfHit();
    board.applyEdges();
    board.tryEat();
}

inline bool isFreshRound(const Board& board) {
    if (board.segments.size() != 4u || board.headX != 0.f || board.headY != 0.f ||
        board.score != 0 || board.direction != Right)
        return false;
    for (const Cell& segment : board.segments) {
        if (segment.getPosition() != sf::Vector2f(0.f, 0.f))
            return false;
    }
    return true;
}

// The 600 cells back and forth: row 0 left to right, row 1 right to left, and so
// on; neighbours in the list are neighbours on the grid.
inline std::vector<sf::Vector2i> serpentine() {
    std::vector<sf::Vector2i> cells;
    for (int row = 0; row < 20; ++row) {
        for (int i = 0; i < 30; ++i)
            cells.push_back({row % 2 == 0 ? i : 29 - i, row});
    }
    return cells;
}

// A chain of 599 along the serpentine, its head right before the last free
// cell, where the apple lies: the next tick fills the board.
inline void oneMoveFromTheWin(Board& board) {
    const std::vector<sf::Vector2i> path = serpentine();
    layChain(board, std::vector<sf::Vector2i>(path.rbegin() + 1, path.rend()));
    board.score = 595;
    board.direction = Left; // row 19 runs right to left
    putApple(board, path.back());
}

// A closed path through all 600 cells: along row 0 to the right, back and forth
// over columns 1..29 down to row 19, then up column 0 to the start.
inline Direction cycleHeading(int col, int row) {
    if (row == 0)
        return col < 29 ? Right : Down;
    if (col == 0)
        return Up;
    if (row % 2 == 1) // these rows run right to left
        return col > 1 || row == 19 ? Left : Down;
    return col < 29 ? Right : Down;
}

// Lays a chain of the given length along that closed path, head on its n-th cell.
inline void layChainOnCycle(Board& board, std::size_t length, std::size_t headStep) {
    std::vector<sf::Vector2i> cycle{{0, 0}};
    while (cycle.size() < 600) {
        const sf::Vector2i at = cycle.back();
        switch (cycleHeading(at.x, at.y)) {
        case Up:
            cycle.push_back({at.x, at.y - 1});
            break;
        case Down:
            cycle.push_back({at.x, at.y + 1});
            break;
        case Left:
            cycle.push_back({at.x - 1, at.y});
            break;
        case Right:
            cycle.push_back({at.x + 1, at.y});
            break;
        }
    }
    std::vector<sf::Vector2i> chain;
    for (std::size_t i = 0; i < length; ++i)
        chain.push_back(cycle[(headStep + 600 - i) % 600]);
    layChain(board, chain);
    board.direction = cycleHeading(chain.front().x, chain.front().y);
}
