// Draws the game's icon: a green chain bending round a red apple on black, in
// the same proportions as the pieces on the board. The output's name picks the
// format: a PNG of the given size, a scalable SVG, or a Windows .ico holding
// every size from 16 to 256 pixels.

#include "config.h"
#include "sfml_compat.h"

#include <SFML/Graphics/Image.hpp>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr unsigned ICON_CELLS = 4;

struct Piece {
    unsigned col, row;
    sf::Color fill;
};

const std::vector<Piece>& pieces() {
    static const std::vector<Piece> all = {{0, 1, sf::Color::Green}, {0, 2, sf::Color::Green},
                                           {1, 2, sf::Color::Green}, {2, 2, sf::Color::Green},
                                           {3, 2, sf::Color::Green}, {3, 1, sf::Color::Green},
                                           {2, 0, sf::Color::Red}};
    return all;
}

sf::Image draw(unsigned size) {
    const unsigned cell = size / ICON_CELLS;
    // The outline takes the same share of a cell as on the board.
    const unsigned frame = cell * static_cast<unsigned>(OUTLINE_THICKNESS) / CELL_SIZE + 1;
    sf::Image icon = sfcompat::makeImage(size, size, sf::Color::Black);
    for (const Piece& piece : pieces()) {
        for (unsigned y = piece.row * cell + frame; y < (piece.row + 1) * cell - frame; ++y) {
            for (unsigned x = piece.col * cell + frame; x < (piece.col + 1) * cell - frame; ++x)
                sfcompat::setPixel(icon, x, y, piece.fill);
        }
    }
    return icon;
}

bool writeSvg(const std::string& path) {
    const unsigned side = ICON_CELLS * CELL_SIZE;
    const unsigned inset = static_cast<unsigned>(OUTLINE_THICKNESS);
    std::ofstream svg(path);
    svg << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << side << "\" height=\"" << side
        << "\" viewBox=\"0 0 " << side << ' ' << side << "\">\n"
        << "  <rect width=\"" << side << "\" height=\"" << side << "\" fill=\"#000000\"/>\n";
    for (const Piece& piece : pieces()) {
        svg << "  <rect x=\"" << piece.col * CELL_SIZE + inset << "\" y=\""
            << piece.row * CELL_SIZE + inset << "\" width=\"" << CELL_SIZE - 2 * inset
            << "\" height=\"" << CELL_SIZE - 2 * inset << "\" fill=\""
            << (piece.fill == sf::Color::Red ? "#ff0000" : "#00ff00") << "\"/>\n";
    }
    svg << "</svg>\n";
    return static_cast<bool>(svg);
}

void put16(std::vector<char>& out, unsigned value) {
    out.push_back(static_cast<char>(value & 0xffu));
    out.push_back(static_cast<char>(value >> 8 & 0xffu));
}

void put32(std::vector<char>& out, std::uint32_t value) {
    put16(out, value & 0xffffu);
    put16(out, value >> 16);
}

// An .ico of 32-bit bitmaps (BGRA rows bottom-up, then an all-clear AND mask),
// which every Windows version reads.
bool writeIco(const std::string& path) {
    const unsigned sizes[] = {16, 24, 32, 48, 64, 128, 256};
    const unsigned count = sizeof sizes / sizeof sizes[0];
    std::vector<char> header;
    std::vector<char> images;
    put16(header, 0);
    put16(header, 1);
    put16(header, count);
    for (const unsigned size : sizes) {
        const sf::Image icon = draw(size);
        const unsigned maskRow = (size + 31) / 32 * 4;
        std::vector<char> image;
        put32(image, 40);
        put32(image, size);
        put32(image, 2 * size); // colour rows and mask rows
        put16(image, 1);
        put16(image, 32);
        for (int i = 0; i < 6; ++i)
            put32(image, 0);
        for (unsigned y = size; y-- > 0;) {
            for (unsigned x = 0; x < size; ++x) {
                const sf::Color c = sfcompat::pixel(icon, x, y);
                image.insert(image.end(), {static_cast<char>(c.b), static_cast<char>(c.g),
                                           static_cast<char>(c.r), static_cast<char>(c.a)});
            }
        }
        image.insert(image.end(), maskRow * size, 0);

        header.push_back(static_cast<char>(size % 256)); // 256 is written as 0
        header.push_back(static_cast<char>(size % 256));
        header.push_back(0);
        header.push_back(0);
        put16(header, 1);
        put16(header, 32);
        put32(header, static_cast<std::uint32_t>(image.size()));
        put32(header, static_cast<std::uint32_t>(6 + 16 * count + images.size()));
        images.insert(images.end(), image.begin(), image.end());
    }
    std::ofstream ico(path, std::ios::binary);
    ico.write(header.data(), static_cast<std::streamsize>(header.size()));
    ico.write(images.data(), static_cast<std::streamsize>(images.size()));
    return static_cast<bool>(ico);
}

bool endsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s SIZE OUTPUT.png | %s - OUTPUT.svg|OUTPUT.ico\n", argv[0],
                     argv[0]);
        return 2;
    }
    const std::string output = argv[2];
    if (endsWith(output, ".svg"))
        return writeSvg(output) ? 0 : 1;
    if (endsWith(output, ".ico"))
        return writeIco(output) ? 0 : 1;
    const auto size = static_cast<unsigned>(std::atoi(argv[1]));
    if (size < ICON_CELLS * 4) {
        std::fprintf(stderr, "%s: size too small\n", argv[0]);
        return 2;
    }
    return draw(size).saveToFile(output) ? 0 : 1;
}
