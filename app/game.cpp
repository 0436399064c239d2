#include "game.h"

#include "config.h"

#include <SFML/Graphics/Color.hpp>
#include <SFML/Window/VideoMode.hpp>

#include <locale>

Game::Game() {
    initWindow();
    initTexts();
}

// The window goes first, while the fonts and texts it may still refer to exist.
Game::~Game() {
    window.reset();
}

void Game::initWindow() {
    window = std::make_unique<sf::RenderWindow>(sf::VideoMode(WIDTH, HEIGHT, BITS_PER_PIXEL),
                                                sf::String(WINDOW_TITLE, std::locale()),
                                                sf::Style::Default, sf::ContextSettings());
    window->setFramerateLimit(FRAME_LIMIT);
}

void Game::initTexts() {}

void Game::run() {
    while (window->isOpen())
        frame();
}

void Game::frame() {
    // Handle every pending event, in arrival order
    while (window->pollEvent(event)) {
        if (event.type == sf::Event::Closed)
            window->close();
        else if (event.type == sf::Event::KeyPressed)
            handleKey();
    }

    // Tick and draw the round, or show the banner once it is won
    window->clear(sf::Color(0, 0, 0, 255));
    if (board.won) {
        window->draw(winText);
    } else {
        update();
        render();
    }

    // Present the frame; the frame-rate limit waits out the rest of it
    window->display();
}

void Game::handleKey() {}

void Game::update() {}

void Game::render() {
    window->draw(board.apple);
    for (const Cell& segment : board.segments)
        window->draw(segment);
}
