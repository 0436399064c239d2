#pragma once

// What the tests ask of SFML where SFML 2 and SFML 3 differ: building key
// events, reading a text's font, rectangles, rotation and texture sizes.

#include "sfml_compat.h"

#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/Graphics/Transformable.hpp>

namespace sfcompat {

#if SFML_VERSION_MAJOR >= 3

inline Event keyPress(sf::Keyboard::Key code, bool shift, bool control) {
    sf::Event::KeyPressed press;
    press.code = code;
    press.shift = shift;
    press.control = control;
    return sf::Event(press);
}

inline const sf::Font* fontOf(const sf::Text& text) {
    return &text.getFont();
}

inline sf::Vector2f rectPosition(const sf::FloatRect& rect) {
    return rect.position;
}

inline bool overlap(const sf::FloatRect& a, const sf::FloatRect& b) {
    return a.findIntersection(b).has_value();
}

inline float degrees(const sf::Transformable& shape) {
    return shape.getRotation().asDegrees();
}

inline bool sizeTexture(sf::Texture& texture, sf::Vector2u size) {
    return texture.resize(size);
}

#else

inline Event keyPress(sf::Keyboard::Key code, bool shift, bool control) {
    sf::Event event{};
    event.type = sf::Event::KeyPressed;
    event.key.code = code;
    event.key.shift = shift;
    event.key.control = control;
    return event;
}

inline const sf::Font* fontOf(const sf::Text& text) {
    return text.getFont();
}

inline sf::Vector2f rectPosition(const sf::FloatRect& rect) {
    return {rect.left, rect.top};
}

inline bool overlap(const sf::FloatRect& a, const sf::FloatRect& b) {
    return a.intersects(b);
}

inline float degrees(const sf::Transformable& shape) {
    return shape.getRotation();
}

inline bool sizeTexture(sf::Texture& texture, sf::Vector2u size) {
    return texture.create(size.x, size.y);
}

#endif

} // namespace sfcompat
