#include "board_helpers.h"
#include "game.h"
#include "keys.h"
#include "printers.h"

#include <gtest/gtest.h>

using Key = sf::Keyboard::Key;

class GameKeys : public ::testing::Test {
protected:
    Game game{};
    Board& board = game.board;
    void SetUp() override { putApple(board, {20, 15}); }
};

TEST_F(GameKeys, ReversalIsRefusedWithoutUsingUpTheTurn) {
    pressKey(game, Key::Left);
    EXPECT_EQ(board.direction, Right);
    EXPECT_FALSE(board.turnTaken);
    pressKey(game, Key::Up);
    EXPECT_EQ(board.direction, Up);
    EXPECT_TRUE(board.turnTaken);
}

TEST_F(GameKeys, FirstAcceptedTurnOfAFrameWins) {
    pressKey(game, Key::Up);
    pressKey(game, Key::Left);
    pressKey(game, Key::Down);
    EXPECT_EQ(board.direction, Up);
    game.update();
    EXPECT_EQ(chainCells(board).front(), sf::Vector2i(0, 19)); // up from row 0 wraps
    // The dropped Left is not kept for the next frame.
    game.update();
    EXPECT_EQ(chainCells(board).front(), sf::Vector2i(0, 18));
}

TEST_F(GameKeys, CurrentHeadingUsesUpTheTurn) {
    pressKey(game, Key::Right);
    pressKey(game, Key::Up);
    EXPECT_EQ(board.direction, Right);
    EXPECT_TRUE(board.turnTaken);
}

TEST_F(GameKeys, TickFreesTheTurnForTheNextFrame) {
    pressKey(game, Key::Down);
    game.update();
    EXPECT_FALSE(board.turnTaken);
    pressKey(game, Key::Left);
    EXPECT_EQ(board.direction, Left);
}

TEST_F(GameKeys, ReversalIsTestedAgainstTheHeadingLastMovedIn) {
    pressKey(game, Key::Down);
    game.update();
    pressKey(game, Key::Up);
    EXPECT_EQ(board.direction, Down);
    pressKey(game, Key::Left);
    game.update();
    pressKey(game, Key::Right);
    EXPECT_EQ(board.direction, Left);
}

TEST_F(GameKeys, LeftIsRefusedRightAfterARestart) {
    board.direction = Down;
    board.reset();
    pressKey(game, Key::Left);
    EXPECT_EQ(board.direction, Right);
}

TEST_F(GameKeys, EFlipsTheWallsWithOrWithoutModifiers) {
    pressKey(game, Key::E);
    EXPECT_TRUE(board.wallsSolid);
    pressKey(game, Key::E);
    EXPECT_FALSE(board.wallsSolid);
    pressKey(game, Key::E, true);
    EXPECT_TRUE(board.wallsSolid);
    pressKey(game, Key::E, false, true);
    EXPECT_FALSE(board.wallsSolid);
    EXPECT_FALSE(board.turnTaken);
}

TEST_F(GameKeys, ShiftedArrowsSteerLikePlainOnes) {
    pressKey(game, Key::Down, true);
    EXPECT_EQ(board.direction, Down);
}

TEST_F(GameKeys, SpaceClosesTheWindow) {
    pressKey(game, Key::Space);
    EXPECT_FALSE(game.window->isOpen());
}

TEST_F(GameKeys, OtherKeysChangeNothing) {
    const BoardState before(board);
    for (const auto code :
         {Key::A, Key::W, Key::Escape, Key::Enter, Key::Num1, Key::Unknown, Key::F1, Key::Numpad8})
        pressKey(game, code);
    EXPECT_TRUE(BoardState(board) == before);
    EXPECT_TRUE(game.window->isOpen());
}

TEST_F(GameKeys, KeysStillWorkInTheWonStateButChangeNothingVisible) {
    board.won = true;
    pressKey(game, Key::E);
    EXPECT_TRUE(board.wallsSolid);
    pressKey(game, Key::Down);
    pressKey(game, Key::Left);
    EXPECT_EQ(board.direction, Down); // nothing clears the turn once ticks stop
    pressKey(game, Key::Space);
    EXPECT_FALSE(game.window->isOpen());
}
