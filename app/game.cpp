#include "game.h"

#include "config.h"

#include <SFML/Graphics/Color.hpp>

#include <iostream>
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
    window = sfcompat::openWindow(WIDTH, HEIGHT, BITS_PER_PIXEL,
                                  sf::String(WINDOW_TITLE, std::locale()));
    window->setFramerateLimit(FRAME_LIMIT);
}

namespace {

// A font that does not load is reported and otherwise ignored: the game plays
// on, and its texts show no glyphs.
bool loadFont(sf::Font& font, const char* path) {
    const bool loaded = sfcompat::loadFont(font, path);
    if (!loaded)
        std::cout << FONT_ERROR << std::endl;
    return loaded;
}

void setUpHudLine(sf::Text& line, const sf::Font& font, float y) {
    line.setFont(font);
    line.setFillColor(sf::Color::White);
    line.setPosition(sf::Vector2f(0.f, y));
    line.setCharacterSize(HUD_CHARACTER_SIZE);
}

} // namespace

void Game::initTexts() {
    hudFontLoaded = loadFont(hudFont, HUD_FONT_PATH);
    setUpHudLine(scoreText, hudFont, SCORE_LINE_Y);
    setUpHudLine(wallsText, hudFont, WALLS_LINE_Y);

    bannerFontLoaded = loadFont(bannerFont, BANNER_FONT_PATH);
    winText.setFont(bannerFont);
    winText.setCharacterSize(BANNER_CHARACTER_SIZE);
    winText.setFillColor(sf::Color::White);
    winText.setString(sf::String(BANNER_TEXT, std::locale()));
    // Centred by the width of its bounds alone; it stays on the top edge. A
    // banner that cannot be measured has no glyphs to show, and no width.
    const auto centre = static_cast<float>(WIDTH / 2u);
    const float width = sfcompat::textIsSafe(bannerFontLoaded)
                            ? sfcompat::rectSize(winText.getGlobalBounds()).x
                            : 0.f;
    winText.setPosition(sf::Vector2f(centre - width / 2.f, 0.f));
}

void Game::run() {
    while (window->isOpen())
        frame();
}

void Game::frame() {
    // Handle every pending event, in arrival order
    while (sfcompat::pollEvent(*window, event)) {
        if (sfcompat::isClose(event))
            window->close();
        else if (sfcompat::isKeyPress(event))
            handleKey();
    }

    // Tick and draw the round, or show the banner once it is won
    window->clear(sf::Color(0, 0, 0, 255));
    if (board.won) {
        if (sfcompat::textIsSafe(bannerFontLoaded))
            window->draw(winText);
    } else {
        update();
        render();
    }

    // Present the frame; the frame-rate limit waits out the rest of it
    window->display();
}

namespace {

// Accepts a turn unless it would reverse the chain onto itself or a turn has
// already been taken since the last move.
void steer(Board& board, Direction heading, Direction opposite) {
    if (board.direction == opposite || board.turnTaken)
        return;
    board.direction = heading;
    board.turnTaken = true;
}

} // namespace

void Game::handleKey() {
    switch (sfcompat::keyCode(event)) {
    case sf::Keyboard::Key::E:
        board.wallsSolid = !board.wallsSolid;
        break;
    case sf::Keyboard::Key::Space:
        window->close();
        break;
    case sf::Keyboard::Key::Left:
        steer(board, Left, Right);
        break;
    case sf::Keyboard::Key::Right:
        steer(board, Right, Left);
        break;
    case sf::Keyboard::Key::Up:
        steer(board, Up, Down);
        break;
    case sf::Keyboard::Key::Down:
        steer(board, Down, Up);
        break;
    default:
        break;
    }
}

void Game::update() {
    // Every step runs in every tick, even after a restart: the new round shows
    // in this frame, and an apple on the top-left cell is eaten at once.
    board.turnTaken = false;
    board.advanceHead();
    board.checkSelfHit();
    board.applyEdges();
    board.tryEat();
}

void Game::render() {
    window->draw(board.apple);
    for (const Cell& segment : board.segments)
        window->draw(segment);
    drawHud();
}

void Game::drawHud() {
    // One stream for the whole run, emptied before each line.
    hudStream.str("");
    hudStream << SCORE_LABEL << board.score;
    scoreText.setString(sf::String(hudStream.str(), std::locale()));

    hudStream.str("");
    hudStream << WALLS_LABEL << board.wallsSolid;
    wallsText.setString(sf::String(hudStream.str(), std::locale()));

    // Last, so the lines lie over any piece on the top-left cells.
    if (sfcompat::textIsSafe(hudFontLoaded)) {
        window->draw(scoreText);
        window->draw(wallsText);
    }
}
