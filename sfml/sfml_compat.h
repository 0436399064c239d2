#pragma once

// The one place where SFML 2 (2.5 and later) and SFML 3 differ for this game
// and its tools (the tests' own adapters are in tests/sfml_test_compat.h).
// Everything else calls SFML in forms that both accept (vector positions and
// origins, scoped key names) or goes through these adapters.

#include <SFML/Config.hpp>
#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/Window/Event.hpp>
#include <SFML/Window/VideoMode.hpp>

#include <memory>
#include <optional>

namespace sfcompat {

#if SFML_VERSION_MAJOR >= 3

// SFML 3 hands out events as an optional variant, filled by pollEvent.
using Event = std::optional<sf::Event>;

inline bool pollEvent(sf::Window& window, Event& event) {
    event = window.pollEvent();
    return event.has_value();
}

inline bool isClose(const Event& event) {
    return event && event->is<sf::Event::Closed>();
}

inline bool isKeyPress(const Event& event) {
    return event && event->is<sf::Event::KeyPressed>();
}

inline sf::Keyboard::Key keyCode(const Event& event) {
    const auto* press = event ? event->getIf<sf::Event::KeyPressed>() : nullptr;
    return press ? press->code : sf::Keyboard::Key::Unknown;
}

inline std::unique_ptr<sf::RenderWindow>
openWindow(unsigned width, unsigned height, unsigned bitsPerPixel, const sf::String& title) {
    return std::make_unique<sf::RenderWindow>(sf::VideoMode({width, height}, bitsPerPixel), title,
                                              sf::Style::Default, sf::State::Windowed,
                                              sf::ContextSettings());
}

inline bool loadFont(sf::Font& font, const char* path) {
    return font.openFromFile(path);
}

// SFML 3 texts are born with their font; they draw nothing until given a string.
inline sf::Text textWith(const sf::Font& font) {
    return sf::Text(font);
}

// Measuring or drawing a text whose font did not load aborts SFML 3.
inline bool textIsSafe(bool fontLoaded) {
    return fontLoaded;
}

inline sf::Vector2f rectSize(const sf::FloatRect& rect) {
    return rect.size;
}

inline sf::Image makeImage(unsigned width, unsigned height, sf::Color colour) {
    return sf::Image({width, height}, colour);
}

inline sf::Color pixel(const sf::Image& image, unsigned x, unsigned y) {
    return image.getPixel({x, y});
}

inline void setPixel(sf::Image& image, unsigned x, unsigned y, sf::Color colour) {
    image.setPixel({x, y}, colour);
}

#else

using Event = sf::Event;

inline bool pollEvent(sf::Window& window, Event& event) {
    return window.pollEvent(event);
}

inline bool isClose(const Event& event) {
    return event.type == sf::Event::Closed;
}

inline bool isKeyPress(const Event& event) {
    return event.type == sf::Event::KeyPressed;
}

inline sf::Keyboard::Key keyCode(const Event& event) {
    return event.type == sf::Event::KeyPressed ? event.key.code : sf::Keyboard::Key::Unknown;
}

inline std::unique_ptr<sf::RenderWindow>
openWindow(unsigned width, unsigned height, unsigned bitsPerPixel, const sf::String& title) {
    return std::make_unique<sf::RenderWindow>(sf::VideoMode(width, height, bitsPerPixel), title,
                                              sf::Style::Default, sf::ContextSettings());
}

inline bool loadFont(sf::Font& font, const char* path) {
    return font.loadFromFile(path);
}

inline sf::Text textWith(const sf::Font& font) {
    sf::Text text;
    text.setFont(font);
    return text;
}

// SFML 2 draws a text whose font did not load, without its glyphs.
inline bool textIsSafe(bool) {
    return true;
}

inline sf::Vector2f rectSize(const sf::FloatRect& rect) {
    return {rect.width, rect.height};
}

inline sf::Image makeImage(unsigned width, unsigned height, sf::Color colour) {
    sf::Image image;
    image.create(width, height, colour);
    return image;
}

inline sf::Color pixel(const sf::Image& image, unsigned x, unsigned y) {
    return image.getPixel(x, y);
}

inline void setPixel(sf::Image& image, unsigned x, unsigned y, sf::Color colour) {
    image.setPixel(x, y, colour);
}

#endif

} // namespace sfcompat
