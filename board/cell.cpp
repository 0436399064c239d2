#include "cell.h"

#include "config.h"

#include <SFML/Graphics/Color.hpp>

Cell::Cell() : sf::RectangleShape(sf::Vector2f(0.f, 0.f)) {
    // The outline is drawn outside the rectangle, so the fill shrinks by one
    // outline on each side and the origin shifts the frame back into the cell.
    const auto side = static_cast<float>(CELL_SIZE - 2u * static_cast<unsigned>(OUTLINE_THICKNESS));
    const auto inset = static_cast<float>(-OUTLINE_THICKNESS);
    setSize(sf::Vector2f(side, side));
    setPosition(sf::Vector2f(0.f, 0.f));
    setFillColor(sf::Color::Green);
    setOutlineColor(sf::Color::Black);
    setOrigin(sf::Vector2f(inset, inset));
    setOutlineThickness(static_cast<float>(OUTLINE_THICKNESS));
}
