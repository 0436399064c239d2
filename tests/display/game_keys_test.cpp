#include "board_helpers.h"
#include "game.h"
#include "keys.h"
#include "printers.h"

#include <gtest/gtest.h>

using sf::Keyboard;

class GameKeys : public ::testing::Test {
protected:
    Game game{};
    Board& board = game.board;
    void SetUp() override { putApple(board, {20, 15}); }
};

TEST_F(GameKeys, ReversalIsRefusedWithoutUsingUpTheTurn) {
    pressKey(game, Keyboard::Left);
    EXPECT_EQ(board.direction, Right);
    EXPECT_FALSE(board.turnTaken);
    pressKey(game, Keyboard::Up);
    EXPECT_EQ(board.direction, Up);
    EXPECT_TRUE(board.turnTaken);
}

TEST_F(GameKeys, FirstAcceptedTurnOfAFrameWins) {
    pressKey(game, Keyboard::Up);
    pressKey(game, Keyboard::Left);
    pressKey(game, Keyboard::Down);
    EXPECT_EQ(board.direction, Up);
    game.update();
    EXPECT_EQ(chainCells(board).front(), sf::Vector2i(0, 19)); // up from row 0 wraps
    // The dropped Left is not kept for the next frame.
    game.update();
    EXPECT_EQ(chainCells(board).front(), sf::Vector2i(0, 18));
}

TEST_F(GameKeys, CurrentHeadingUsesUpTheTurn) {
    pressKey(game, Keyboard::Right);
    pressKey(game, Keyboard::Up);
    EXPECT_EQ(board.direction, Right);
    EXPECT_TRUE(board.turnTaken);
}

TEST_F(GameKeys, TickFreesTheTurnForTheNextFrame) {
    pressKey(game, Keyboard::Down);
    game.update();
    EXPECT_FALSE(board.turnTaken);
    pressKey(game, Keyboard::Left);
    EXPECT_EQ(board.direction, Left);
}

TEST_F(GameKeys, ReversalIsTestedAgainstTheHeadingLastMovedIn) {
    pressKey(game, Keyboard::Down);
    game.update();
    pressKey(game, Keyboard::Up);
    EXPECT_EQ(board.direction, Down);
    pressKey(game, Keyboard::Left);
    game.update();
    pressKey(game, Keyboard::Right);
    EXPECT_EQ(board.direction, Left);
}

TEST_F(GameKeys, LeftIsRefusedRightAfterARestart) {
    board.direction = Down;
    board.reset();
    pressKey(game, Keyboard::Left);
    EXPECT_EQ(board.direction, Right);
}

TEST_F(GameKeys, EFlipsTheWallsWithOrWithoutModifiers) {
    pressKey(game, Keyboard::E);
    EXPECT_TRUE(board.wallsSolid);
    pressKey(game, Keyboard::E);
    EXPECT_FALSE(board.wallsSolid);
    pressKey(game, Keyboard::E, true);
    EXPECT_TRUE(board.wallsSolid);
    pressKey(game, Keyboard::E, false, true);
    EXPECT_FALSE(board.wallsSolid);
    EXPECT_FALSE(board.turnTaken);
}

TEST_F(GameKeys, ShiftedArrowsSteerLikePlainOnes) {
    pressKey(game, Keyboard::Down, true);
    EXPECT_EQ(board.direction, Down);
}

TEST_F(GameKeys, SpaceClosesTheWindow) {
    pressKey(game, Keyboard::Space);
    EXPECT_FALSE(game.window->isOpen());
}

TEST_F(GameKeys, OtherKeysChangeNothing) {
    const BoardState before(board);
    for (const auto code : {Keyboard::A, Keyboard::W, Keyboard::Escape, Keyboard::Enter,
                            Keyboard::Num1, Keyboard::Unknown, Keyboard::F1, Keyboard::Numpad8})
        pressKey(game, code);
    EXPECT_TRUE(BoardState(board) == before);
    EXPECT_TRUE(game.window->isOpen());
}

TEST_F(GameKeys, KeysStillWorkInTheWonStateButChangeNothingVisible) {
    board.won = true;
    pressKey(game, Keyboard::E);
    EXPECT_TRUE(board.wallsSolid);
    pressKey(game, Keyboard::Down);
    pressKey(game, Keyboard::Left);
    EXPECT_EQ(board.direction, Down); // nothing clears the turn once ticks stop
    pressKey(game, Keyboard::Space);
    EXPECT_FALSE(game.window->isOpen());
}
