#include "picture.h"

#include "config.h"
#include "game.h"
#include "sfml_test_compat.h"

#include <SFML/Graphics/Texture.hpp>

#include <cstdint>
#include <map>
#include <tuple>

namespace {

sf::Image readBack(sf::RenderWindow& window) {
    sf::Texture texture;
    sfcompat::sizeTexture(texture, window.getSize());
    texture.update(window);
    return texture.copyToImage();
}

} // namespace

sf::Image renderedPicture(Game& game) {
    game.window->clear(sf::Color::Black);
    game.render();
    sf::Image picture = readBack(*game.window);
    game.window->display();
    return picture;
}

sf::Image framePicture(Game& game) {
    game.frame();
    // The presented frame stays in the back buffer until the next one is drawn.
    return readBack(*game.window);
}

sf::Color cellColour(const sf::Image& picture, sf::Vector2i cell) {
    const auto inset = static_cast<unsigned>(OUTLINE_THICKNESS);
    const auto x0 = static_cast<unsigned>(cell.x) * CELL_SIZE;
    const auto y0 = static_cast<unsigned>(cell.y) * CELL_SIZE;
    std::map<std::tuple<int, int, int>, unsigned> counts;
    for (unsigned y = y0 + inset; y < y0 + CELL_SIZE - inset; ++y) {
        for (unsigned x = x0 + inset; x < x0 + CELL_SIZE - inset; ++x) {
            const sf::Color c = sfcompat::pixel(picture, x, y);
            ++counts[{c.r, c.g, c.b}];
        }
    }
    auto best = counts.begin();
    for (auto it = counts.begin(); it != counts.end(); ++it) {
        if (it->second > best->second)
            best = it;
    }
    const auto& [r, g, b] = best->first;
    return sf::Color(static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g),
                     static_cast<std::uint8_t>(b));
}

unsigned countColour(const sf::Image& picture, sf::Color colour, sf::Vector2u from,
                     sf::Vector2u to) {
    unsigned count = 0;
    for (unsigned y = from.y; y < to.y; ++y) {
        for (unsigned x = from.x; x < to.x; ++x) {
            if (sfcompat::pixel(picture, x, y) == colour)
                ++count;
        }
    }
    return count;
}
