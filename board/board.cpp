#include "board.h"

#include "config.h"

#include <cstdlib>
#include <ctime>

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
    apple.setPosition(static_cast<float>(column * static_cast<int>(CELL_SIZE)),
                      static_cast<float>(row * static_cast<int>(CELL_SIZE)));
}
