#pragma once

#include "board.h"
#include "sfml_compat.h"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Text.hpp>

#include <memory>
#include <sstream>

// The application: owns the window, the fonts and texts, and the round.
class Game {
public:
    std::unique_ptr<sf::RenderWindow> window;
    sfcompat::Event event{}; // filled by pollEvent; handleKey reads the key from it
    sf::Font hudFont;
    sf::Font bannerFont;
    sf::Text scoreText = sfcompat::textWith(hudFont);
    sf::Text wallsText = sfcompat::textWith(hudFont);
    sf::Text winText = sfcompat::textWith(bannerFont);
    Board board;
    std::stringstream hudStream{std::ios::in | std::ios::out};

    Game();
    ~Game();
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    void initWindow();
    void initTexts();
    // The frame loop; returns once the window has been closed.
    void run();
    // One pass of the loop: events, tick and picture.
    void frame();
    void handleKey();
    void update();
    void render();

private:
    void drawHud();

    // Whether each font loaded: a text whose font did not is neither measured
    // nor drawn where the library cannot do so safely.
    bool hudFontLoaded = false;
    bool bannerFontLoaded = false;
};
