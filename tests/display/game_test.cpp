#include "board_helpers.h"
#include "game.h"
#include "picture.h"
#include "printers.h"

#include <gtest/gtest.h>

TEST(GameWindow, OpensA1200By800WindowLimitedTo15Frames) {
    Game game{};
    ASSERT_NE(game.window, nullptr);
    EXPECT_TRUE(game.window->isOpen());
    EXPECT_EQ(game.window->getSize(), sf::Vector2u(1200u, 800u));
    EXPECT_EQ(game.window->getView().getSize(), sf::Vector2f(1200.f, 800.f));
}

TEST(GameWindow, CloseRequestEndsTheLoop) {
    Game game{};
    game.window->close();
    game.run(); // returns at once on a closed window
    EXPECT_FALSE(game.window->isOpen());
}

TEST(GameFrame, ShowsTheChainAndTheAppleOnBlack) {
    Game game{};
    layChain(game.board, {{5, 2}, {4, 2}, {3, 2}, {3, 3}});
    putApple(game.board, {10, 7});

    const sf::Image picture = renderedPicture(game);
    ASSERT_EQ(picture.getSize(), sf::Vector2u(1200u, 800u));

    for (const sf::Vector2i cell : chainCells(game.board))
        EXPECT_EQ(cellColour(picture, cell), sf::Color::Green) << cell.x << "," << cell.y;
    EXPECT_EQ(cellColour(picture, {10, 7}), sf::Color::Red);
    EXPECT_EQ(cellColour(picture, {20, 15}), sf::Color::Black);
    EXPECT_EQ(cellColour(picture, {29, 19}), sf::Color::Black);
}

TEST(GameFrame, EveryPieceHasAThreePixelBlackFrameInsideItsCell) {
    Game game{};
    layChain(game.board, {{5, 2}, {4, 2}, {3, 2}, {2, 2}});
    putApple(game.board, {29, 19});
    const sf::Image picture = renderedPicture(game);

    for (const sf::Vector2i cell : {sf::Vector2i(5, 2), sf::Vector2i(29, 19)}) {
        const sf::Vector2f c = corner(cell);
        const auto x0 = static_cast<unsigned>(c.x);
        const auto y0 = static_cast<unsigned>(c.y);
        const sf::Color fill = cell.x == 29 ? sf::Color::Red : sf::Color::Green;
        for (unsigned d = 0; d < 3; ++d) {
            EXPECT_EQ(sfcompat::pixel(picture, x0 + d, y0 + 20), sf::Color::Black);
            EXPECT_EQ(sfcompat::pixel(picture, x0 + 39 - d, y0 + 20), sf::Color::Black);
            EXPECT_EQ(sfcompat::pixel(picture, x0 + 20, y0 + d), sf::Color::Black);
            EXPECT_EQ(sfcompat::pixel(picture, x0 + 20, y0 + 39 - d), sf::Color::Black);
        }
        EXPECT_EQ(sfcompat::pixel(picture, x0 + 3, y0 + 3), fill);
        EXPECT_EQ(sfcompat::pixel(picture, x0 + 36, y0 + 36), fill);
    }
}

TEST(GameFrame, SegmentsAreDrawnOverTheApple) {
    Game game{};
    layChain(game.board, {{8, 8}, {7, 8}, {6, 8}, {5, 8}});
    putApple(game.board, {6, 8});
    const sf::Image picture = renderedPicture(game);
    EXPECT_EQ(cellColour(picture, {6, 8}), sf::Color::Green);
}
