// The cheapest program that draws with the same states as the game: a window of
// the same size and frame limit that clears, draws one outlined square and one
// short line of text, and shows the frame. The game is measured against it.

#include "cell.h"
#include "config.h"
#include "sfml_compat.h"

#include <SFML/Graphics.hpp>

#include <locale>

int main() {
    const auto window = sfcompat::openWindow(WIDTH, HEIGHT, BITS_PER_PIXEL,
                                             sf::String("tarnwik floor", std::locale()));
    window->setFramerateLimit(FRAME_LIMIT);

    sf::Font font;
    if (!sfcompat::loadFont(font, HUD_FONT_PATH))
        return 1;
    sf::Text text = sfcompat::textWith(font);
    text.setCharacterSize(HUD_CHARACTER_SIZE);
    text.setFillColor(sf::Color::White);
    text.setString(sf::String(SCORE_LABEL, std::locale()));
    Cell square;
    square.setPosition({static_cast<float>(CELL_SIZE), static_cast<float>(CELL_SIZE)});

    sfcompat::Event event{};
    while (window->isOpen()) {
        // Events
        while (sfcompat::pollEvent(*window, event)) {
            if (sfcompat::isClose(event))
                window->close();
        }

        // Draw
        window->clear(sf::Color::Black);
        window->draw(square);
        window->draw(text);

        // Show
        window->display();
    }
    return 0;
}
