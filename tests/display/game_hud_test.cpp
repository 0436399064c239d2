#include "board_helpers.h"
#include "game.h"
#include "keys.h"
#include "picture.h"
#include "printers.h"

#include <gtest/gtest.h>

using Key = sf::Keyboard::Key;

namespace {

std::string text(const sf::Text& t) {
    return t.getString().toAnsiString();
}

unsigned whiteIn(const sf::Image& picture, sf::Vector2u from, sf::Vector2u to) {
    return countColour(picture, sf::Color::White, from, to);
}

} // namespace

TEST(GameTexts, HudLinesAreSmallWhiteAndStackedAtTheTopLeft) {
    Game game{};
    EXPECT_EQ(sfcompat::fontOf(game.scoreText), &game.hudFont);
    EXPECT_EQ(sfcompat::fontOf(game.wallsText), &game.hudFont);
    for (const sf::Text* line : {&game.scoreText, &game.wallsText}) {
        EXPECT_EQ(line->getCharacterSize(), 15u);
        EXPECT_EQ(line->getFillColor(), sf::Color::White);
        EXPECT_EQ(line->getOrigin(), sf::Vector2f(0.f, 0.f));
        EXPECT_EQ(line->getStyle(), sf::Text::Regular);
        EXPECT_EQ(line->getOutlineThickness(), 0.f);
    }
    EXPECT_EQ(game.scoreText.getPosition(), sf::Vector2f(0.f, 0.f));
    EXPECT_EQ(game.wallsText.getPosition(), sf::Vector2f(0.f, 17.f));
    // Composed by the first frame, not before.
    EXPECT_EQ(text(game.scoreText), "");
    EXPECT_EQ(text(game.wallsText), "");
}

TEST(GameTexts, BannerIsCentredByTheWidthOfItsBoundsOnTheTopEdge) {
    Game game{};
    EXPECT_EQ(sfcompat::fontOf(game.winText), &game.bannerFont);
    EXPECT_EQ(game.winText.getCharacterSize(), 200u);
    EXPECT_EQ(game.winText.getFillColor(), sf::Color::White);
    EXPECT_EQ(text(game.winText), "YOU WIN");

    sf::Text unmoved(game.winText);
    unmoved.setPosition({0.f, 0.f});
    const float width = sfcompat::rectSize(unmoved.getGlobalBounds()).x;
    EXPECT_GT(width, 600.f) << "the banner font did not load";
    EXPECT_EQ(game.winText.getPosition(), sf::Vector2f(600.f - width / 2.f, 0.f));
}

TEST(GameHud, StartsAtScoreZeroWithTheWallsOff) {
    Game game{};
    putApple(game.board, {20, 15});
    const sf::Image picture = framePicture(game);
    EXPECT_EQ(text(game.scoreText), "SCORE:0");
    EXPECT_EQ(text(game.wallsText), "WINDOW COL:0");
    EXPECT_GT(whiteIn(picture, {0, 0}, {200, 40}), 20u);
    EXPECT_EQ(whiteIn(picture, {0, 40}, {1200, 800}), 0u);
}

TEST(GameHud, WallsLineFollowsEInTheSameFrame) {
    Game game{};
    putApple(game.board, {20, 15});
    framePicture(game);
    pressKey(game, Key::E);
    framePicture(game);
    EXPECT_EQ(text(game.wallsText), "WINDOW COL:1");
    pressKey(game, Key::E);
    pressKey(game, Key::E);
    game.frame();
    EXPECT_EQ(text(game.wallsText), "WINDOW COL:1");
    pressKey(game, Key::E);
    game.frame();
    EXPECT_EQ(text(game.wallsText), "WINDOW COL:0");
}

TEST(GameHud, ScoreRisesInTheFrameOfTheEat) {
    Game game{};
    putApple(game.board, {1, 0});
    game.frame();
    EXPECT_EQ(game.board.score, 1);
    EXPECT_EQ(text(game.scoreText), "SCORE:1");
}

TEST(GameHud, RestartShowsScoreZeroAndKeepsTheWallsLine) {
    Game game{};
    layChain(game.board, {{29, 5}, {28, 5}, {27, 5}, {26, 5}, {25, 5}, {24, 5}});
    game.board.score = 2;
    putApple(game.board, {20, 15});
    pressKey(game, Key::E);
    game.frame();
    EXPECT_EQ(text(game.scoreText), "SCORE:0");
    EXPECT_EQ(text(game.wallsText), "WINDOW COL:1");
}

TEST(GameHud, RestartOnTheApplesCornerShowsScoreOne) {
    Game game{};
    layChain(game.board, {{29, 5}, {28, 5}, {27, 5}, {26, 5}, {25, 5}, {24, 5}});
    game.board.score = 2;
    game.board.wallsSolid = true;
    putApple(game.board, {0, 0});
    game.frame();
    EXPECT_EQ(text(game.scoreText), "SCORE:1");
}

TEST(GameHud, LinesAreDrawnOverAPieceOnTheTopLeftCell) {
    Game game{};
    putApple(game.board, {20, 15});
    // After the first tick three segments still stand on the top-left cell.
    const sf::Image picture = framePicture(game);
    EXPECT_GT(whiteIn(picture, {3, 3}, {37, 37}), 5u);
}

TEST(GameWon, FillingFrameShowsTheBoardAndTheFinalScoreThenOnlyTheBanner) {
    Game game{};
    oneMoveFromTheWin(game.board);

    const sf::Image filling = framePicture(game);
    ASSERT_TRUE(game.board.won);
    EXPECT_EQ(text(game.scoreText), "SCORE:596");
    EXPECT_EQ(cellColour(filling, {29, 19}), sf::Color::Green);
    EXPECT_EQ(cellColour(filling, {0, 0}), sf::Color::Red); // where the tail left
    EXPECT_GT(whiteIn(filling, {0, 0}, {200, 40}), 20u);

    for (int frame = 0; frame < 3; ++frame) {
        const sf::Image banner = framePicture(game);
        EXPECT_EQ(countColour(banner, sf::Color::Green, {0, 0}, {1200, 800}), 0u);
        EXPECT_EQ(countColour(banner, sf::Color::Red, {0, 0}, {1200, 800}), 0u);
        EXPECT_GT(whiteIn(banner, {0, 0}, {1200, 400}), 5000u);
        EXPECT_EQ(countColour(banner, sf::Color::White, {0, 400}, {1200, 800}), 0u);
        EXPECT_EQ(sfcompat::pixel(banner, 5, 790), sf::Color::Black);
    }
    EXPECT_EQ(text(game.scoreText), "SCORE:596");
}
