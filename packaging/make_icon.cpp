// Draws the game's icon: a green chain bending round a red apple on black, in
// the same proportions as the pieces on the board.

#include "config.h"

#include <SFML/Graphics/Image.hpp>

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace {

constexpr unsigned ICON_CELLS = 4;

void drawPiece(sf::Image& icon, unsigned cell, unsigned col, unsigned row, sf::Color fill) {
    // The outline takes the same share of a cell as on the board.
    const unsigned frame = cell * static_cast<unsigned>(OUTLINE_THICKNESS) / CELL_SIZE + 1;
    for (unsigned y = row * cell + frame; y < (row + 1) * cell - frame; ++y) {
        for (unsigned x = col * cell + frame; x < (col + 1) * cell - frame; ++x)
            icon.setPixel(x, y, fill);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s SIZE OUTPUT.png\n", argv[0]);
        return 2;
    }
    const auto size = static_cast<unsigned>(std::atoi(argv[1]));
    if (size < ICON_CELLS * 4) {
        std::fprintf(stderr, "%s: size too small\n", argv[0]);
        return 2;
    }
    const unsigned cell = size / ICON_CELLS;
    sf::Image icon;
    icon.create(size, size, sf::Color::Black);
    const std::pair<unsigned, unsigned> chain[] = {{0, 1}, {0, 2}, {1, 2}, {2, 2}, {3, 2}, {3, 1}};
    for (const auto& [col, row] : chain)
        drawPiece(icon, cell, col, row, sf::Color::Green);
    drawPiece(icon, cell, 2, 0, sf::Color::Red);
    return icon.saveToFile(argv[2]) ? 0 : 1;
}
