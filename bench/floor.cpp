// The cheapest program that draws with the same states as the game: a window of
// the same size and frame limit that clears, draws one outlined square and one
// short line of text, and shows the frame. The game is measured against it.

#include "cell.h"
#include "config.h"

#include <SFML/Graphics.hpp>

#include <locale>

int main() {
    sf::RenderWindow window(sf::VideoMode(WIDTH, HEIGHT, BITS_PER_PIXEL),
                            sf::String("tarnwik floor", std::locale()), sf::Style::Default,
                            sf::ContextSettings());
    window.setFramerateLimit(FRAME_LIMIT);

    sf::Font font;
    font.loadFromFile(HUD_FONT_PATH);
    sf::Text text;
    text.setFont(font);
    text.setCharacterSize(HUD_CHARACTER_SIZE);
    text.setFillColor(sf::Color::White);
    text.setString(sf::String(SCORE_LABEL, std::locale()));
    Cell square;
    square.setPosition(static_cast<float>(CELL_SIZE), static_cast<float>(CELL_SIZE));

    sf::Event event;
    while (window.isOpen()) {
        // Events
        while (window.pollEvent(event)) {
            if (event.type == sf::Event::Closed)
                window.close();
        }

        // Draw
        window.clear(sf::Color::Black);
        window.draw(square);
        window.draw(text);

        // Show
        window.display();
    }
    return 0;
}
