#include "board_helpers.h"
#include "game.h"
#include "keys.h"
#include "picture.h"
#include "printers.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

using Key = sf::Keyboard::Key;

namespace {

Key keyFor(Direction heading) {
    switch (heading) {
    case Up:
        return Key::Up;
    case Down:
        return Key::Down;
    case Left:
        return Key::Left;
    case Right:
        return Key::Right;
    }
    return Key::Unknown;
}

// The round's invariants between two ticks.
void expectValidRound(const Board& board) {
    const std::size_t count = board.segments.size();
    ASSERT_GE(count, 4u);
    ASSERT_LE(count, 600u);
    ASSERT_EQ(count, static_cast<std::size_t>(board.score) + 4u);
    ASSERT_GE(board.headX, 0.f);
    ASSERT_LE(board.headX, 29.f);
    ASSERT_GE(board.headY, 0.f);
    ASSERT_LE(board.headY, 19.f);
    ASSERT_EQ(board.segments[0].getPosition(), sf::Vector2f(board.headX * 40, board.headY * 40));
    for (const Cell& segment : board.segments)
        ASSERT_EQ(corner(cellOf(segment.getPosition())), segment.getPosition());
    ASSERT_EQ(corner(cellOf(board.apple.getPosition())), board.apple.getPosition());
    ASSERT_LT(board.apple.getPosition().x, 1200.f);
    ASSERT_LT(board.apple.getPosition().y, 800.f);
}

} // namespace

TEST(GameUpdate, RunsTheBoardsTickInItsOrder) {
    // Two boards from one seed, one ticked by the game and one by the board's
    // steps in order, stay equal through restarts and growth.
    Game game{};
    Board reference = game.board;
    putApple(game.board, {3, 0});
    putApple(reference, {3, 0});
    const Direction headings[] = {Right, Right, Down, Left, Up, Up, Right, Down, Down, Right};
    for (int i = 0; i < 200; ++i) {
        const Direction heading = headings[i % 10];
        game.board.direction = heading;
        reference.direction = heading;
        std::srand(static_cast<unsigned>(i));
        game.update();
        std::srand(static_cast<unsigned>(i));
        tick(reference);
        ASSERT_TRUE(BoardState(game.board) == BoardState(reference)) << "tick " << i;
    }
}

TEST(GameUpdate, RestartShowsTheFreshRoundInTheSameFrame) {
    Game game{};
    putApple(game.board, {20, 15});
    pressKey(game, Key::E);
    pressKey(game, Key::Up);
    const sf::Image picture = framePicture(game);
    EXPECT_TRUE(isFreshRound(game.board));
    EXPECT_EQ(cellColour(picture, {0, 0}), sf::Color::Green);
    EXPECT_EQ(cellColour(picture, {1, 0}), sf::Color::Black);
    EXPECT_EQ(cellColour(picture, {0, 19}), sf::Color::Black);
}

TEST(GameUpdate, FirstFrameAlreadyShowsTheStateAfterOneTick) {
    Game game{};
    putApple(game.board, {20, 15});
    const sf::Image picture = framePicture(game);
    EXPECT_EQ(cellColour(picture, {1, 0}), sf::Color::Green);
    EXPECT_EQ(cellColour(picture, {0, 0}), sf::Color::Green);
    EXPECT_EQ(cellColour(picture, {2, 0}), sf::Color::Black);
}

TEST(GameRound, RandomKeysOverManyTicksKeepTheRoundValid) {
    // A careless player: usually heads for the apple, often presses something at
    // random, now and then a burst of keys, sometimes flips the walls.
    Game game{};
    Board& board = game.board;
    std::mt19937 random(20261207);
    const Key keys[] = {Key::Up, Key::Down, Key::Left, Key::Right, Key::E, Key::A};
    std::uniform_int_distribution<int> pick(0, 5);
    std::uniform_int_distribution<int> percent(0, 99);
    int longest = 0;
    int restarts = 0;
    for (int tickCount = 0; tickCount < 300000; ++tickCount) {
        const int roll = percent(random);
        if (roll < 60) {
            const sf::Vector2i food = cellOf(board.apple.getPosition());
            const int dx = food.x - static_cast<int>(board.headX);
            const int dy = food.y - static_cast<int>(board.headY);
            if (dx != 0)
                pressKey(game, dx > 0 ? Key::Right : Key::Left);
            else
                pressKey(game, dy > 0 ? Key::Down : Key::Up);
        } else if (roll < 75) {
            for (int k = percent(random) % 6; k > 0; --k) {
                const Key key = keys[pick(random)];
                if (key != Key::E || percent(random) < 5)
                    pressKey(game, key, percent(random) < 50, percent(random) < 10);
            }
        }
        const int scoreBefore = board.score;
        game.update();
        if (board.score < scoreBefore)
            ++restarts;
        expectValidRound(board);
        if (::testing::Test::HasFatalFailure()) {
            ADD_FAILURE() << "after tick " << tickCount;
            return;
        }
        longest = std::max(longest, board.score);
    }
    // Otherwise the run proves little.
    EXPECT_GT(longest, 10);
    EXPECT_GT(restarts, 100);
}

TEST(GameRound, SteeringAlongACycleThroughEveryCellWinsTheRound) {
    Game game{};
    Board& board = game.board;
    long ticks = 0;
    while (!board.won && ticks < 1000000) {
        const Direction next =
            cycleHeading(static_cast<int>(board.headX), static_cast<int>(board.headY));
        if (next != board.direction)
            pressKey(game, keyFor(next));
        const int scoreBefore = board.score;
        game.update();
        ++ticks;
        ASSERT_GE(board.score, scoreBefore) << "the round restarted after " << ticks << " ticks";
    }
    ASSERT_TRUE(board.won) << "score " << board.score << " after " << ticks << " ticks";
    EXPECT_EQ(board.score, 596);
    EXPECT_EQ(board.segments.size(), 600u);

    // From now on the frame loop shows only the banner: no tick, no board.
    const BoardState atWin(board);
    const sf::Image picture = framePicture(game);
    EXPECT_TRUE(BoardState(board) == atWin);
    EXPECT_EQ(countColour(picture, sf::Color::Green, {0, 0}, {1200, 800}), 0u);
    EXPECT_EQ(countColour(picture, sf::Color::Red, {0, 0}, {1200, 800}), 0u);
    framePicture(game);
    EXPECT_TRUE(BoardState(board) == atWin);
}
