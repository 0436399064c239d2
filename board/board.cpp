#include "board.h"

#include "config.h"

#include <cstdlib>
#include <ctime>

namespace {

// Every rule compares exact pixel positions, x first, then y.
bool samePlace(const sf::Vector2f& a, const sf::Vector2f& b) {
    return a.x == b.x && a.y == b.y;
}

bool anySegmentAt(const std::vector<Cell>& segments, const sf::Vector2f& place) {
    for (const Cell& segment : segments) {
        if (samePlace(segment.getPosition(), place))
            return true;
    }
    return false;
}

} // namespace

Board::Board()
    : headX(0.f), headY(0.f), stepX(0.f), stepY(0.f), rows(static_cast<int>(HEIGHT / CELL_SIZE)),
      cols(static_cast<int>(WIDTH / CELL_SIZE)), score(0), turnTaken(false), wallsSolid(false),
      won(false), segments(), apple(), direction(Right) {
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    layStartingChain();
    // The first apple may land under the stacked chain; it waits there to be eaten.
    dropAppleOnRandomCell();
}

void Board::reset() {
    headX = 0.f;
    headY = 0.f;
    direction = Right;
    segments.clear();
    layStartingChain();
    score = 0;
}

void Board::layStartingChain() {
    for (int i = 0; i < START_SEGMENTS; ++i)
        segments.push_back(Cell());
}

void Board::dropAppleOnRandomCell() {
    // The first value gives the row, the second the column.
    const int row = std::rand() % rows;
    const int column = std::rand() % cols;
    apple.setPosition(sf::Vector2f(static_cast<float>(column * static_cast<int>(CELL_SIZE)),
                                   static_cast<float>(row * static_cast<int>(CELL_SIZE))));
}

void Board::advanceHead() {
    switch (direction) {
    case Up:
        stepX = 0.f;
        stepY = -1.f;
        break;
    case Down:
        stepX = 0.f;
        stepY = 1.f;
        break;
    case Left:
        stepX = -1.f;
        stepY = 0.f;
        break;
    case Right:
        stepX = 1.f;
        stepY = 0.f;
        break;
    }
    headX += stepX;
    headY += stepY;
    followHead();
}

void Board::followHead() {
    // Tail first, so that each segment takes the place its predecessor held
    // before this tick.
    for (std::size_t i = segments.size() - 1; i > 0; --i)
        segments[i].setPosition(segments[i - 1].getPosition());
    putHeadSegmentOnHeadCell();
}

void Board::checkSelfHit() {
    const sf::Vector2f head = segments[0].getPosition();
    for (std::size_t n = segments.size() - 1; n > 0; --n) {
        if (samePlace(segments[n].getPosition(), head)) {
            reset();
            return;
        }
    }
}

void Board::applyEdges() {
    const auto lastCol = static_cast<float>(cols - 1);
    const auto lastRow = static_cast<float>(rows - 1);
    if (wallsSolid) {
        if (headX > lastCol || headY > lastRow || headX < 0.f || headY < 0.f)
            reset();
        return;
    }

    bool wrapped = false;
    if (headX > lastCol) {
        headX = 0.f;
        wrapped = true;
    }
    if (headY > lastRow) {
        headY = 0.f;
        wrapped = true;
    }
    if (headX < 0.f) {
        headX = lastCol;
        wrapped = true;
    }
    if (headY < 0.f) {
        headY = lastRow;
        wrapped = true;
    }
    if (wrapped) {
        // Only the head jumps to the far edge; the body keeps this tick's move.
        putHeadSegmentOnHeadCell();
        // The self-hit test saw the head off the grid, where nothing lies; a head
        // that wraps onto its own body has hit it all the same.
        checkSelfHit();
    }
}

void Board::tryEat() {
    if (!samePlace(apple.getPosition(), segments[0].getPosition()))
        return;

    // The head still covers the eaten cell, so the apple cannot land there again.
    placeApple();
    segments.push_back(Cell());
    segments.back().setPosition(segments[0].getPosition());
    ++score;
    if (static_cast<int>(segments.size()) == rows * cols)
        won = true;
}

void Board::placeApple() {
    // Rejection sampling over the whole grid; at least one cell is free while
    // the round is not won, so the loop ends.
    do {
        dropAppleOnRandomCell();
    } while (anySegmentAt(segments, apple.getPosition()));
}

void Board::putHeadSegmentOnHeadCell() {
    const auto size = static_cast<float>(CELL_SIZE);
    segments[0].setPosition(sf::Vector2f(headX * size, headY * size));
}
