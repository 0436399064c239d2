#include "board.h"
#include "board_helpers.h"
#include "printers.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

namespace {

bool onCellCorner(const sf::Vector2f& p) {
    const auto x = static_cast<int>(p.x);
    const auto y = static_cast<int>(p.y);
    return static_cast<float>(x) == p.x && static_cast<float>(y) == p.y && x % 40 == 0 &&
           y % 40 == 0 && x >= 0 && x <= 1160 && y >= 0 && y <= 760;
}

} // namespace

TEST(BoardSetUp, StartsARoundWithFourCellsStackedOnTheTopLeftCell) {
    const Board board;
    EXPECT_EQ(board.headX, 0.f);
    EXPECT_EQ(board.headY, 0.f);
    EXPECT_EQ(board.stepX, 0.f);
    EXPECT_EQ(board.stepY, 0.f);
    EXPECT_EQ(board.rows, 20);
    EXPECT_EQ(board.cols, 30);
    EXPECT_EQ(board.score, 0);
    EXPECT_FALSE(board.turnTaken);
    EXPECT_FALSE(board.wallsSolid);
    EXPECT_FALSE(board.won);
    EXPECT_EQ(board.direction, Right);
    ASSERT_EQ(board.segments.size(), 4u);
    for (const Cell& segment : board.segments) {
        EXPECT_EQ(segment.getPosition(), sf::Vector2f(0.f, 0.f));
        EXPECT_EQ(segment.getFillColor(), sf::Color::Green);
    }
    EXPECT_TRUE(onCellCorner(board.apple.getPosition()))
        << ::testing::PrintToString(board.apple.getPosition());
    EXPECT_EQ(board.apple.getFillColor(), sf::Color::Red);
}

TEST(BoardSetUp, FirstAppleTakesItsRowFromTheFirstDrawAndItsColumnFromTheSecond) {
    // The board seeds from the clock; retry until the set-up falls within one second.
    for (int attempt = 0; attempt < 5; ++attempt) {
        const std::time_t before = std::time(nullptr);
        const Board board;
        if (std::time(nullptr) != before)
            continue;

        std::srand(static_cast<unsigned>(before));
        const int row = std::rand() % 20;
        const int column = std::rand() % 30;
        EXPECT_EQ(board.apple.getPosition(), corner({column, row}));
        return;
    }
    FAIL() << "could not build a board within one clock second";
}

TEST(BoardSetUp, BoardsBuiltInTheSameSecondPutTheFirstAppleOnTheSameCell) {
    for (int attempt = 0; attempt < 5; ++attempt) {
        const std::time_t before = std::time(nullptr);
        const Board first;
        const Board second;
        if (std::time(nullptr) != before)
            continue;
        EXPECT_EQ(first.apple.getPosition(), second.apple.getPosition());
        return;
    }
    FAIL() << "could not build two boards within one clock second";
}

class BoardReset : public ::testing::Test {
protected:
    Board board;

    void SetUp() override {
        layChain(board, {{7, 3}, {6, 3}, {5, 3}, {5, 4}, {5, 5}, {6, 5}, {7, 5}});
        putApple(board, {20, 10});
        board.score = 3;
        board.direction = Down;
        board.stepX = 0.f;
        board.stepY = 1.f;
        board.wallsSolid = true;
        board.turnTaken = true;
    }
};

TEST_F(BoardReset, LeavesExactlyFourCellsOnTheTopLeftCellHeadingRight) {
    board.reset();
    ASSERT_EQ(board.segments.size(), 4u);
    for (const Cell& segment : board.segments)
        EXPECT_EQ(segment.getPosition(), sf::Vector2f(0.f, 0.f));
    EXPECT_EQ(board.headX, 0.f);
    EXPECT_EQ(board.headY, 0.f);
    EXPECT_EQ(board.direction, Right);
    EXPECT_EQ(board.score, 0);
}

TEST_F(BoardReset, KeepsTheWallsTheAppleTheLastStepAndTheTurnFlag) {
    board.reset();
    EXPECT_TRUE(board.wallsSolid);
    EXPECT_EQ(board.apple.getPosition(), corner({20, 10}));
    EXPECT_EQ(board.stepX, 0.f);
    EXPECT_EQ(board.stepY, 1.f);
    EXPECT_TRUE(board.turnTaken);
    EXPECT_FALSE(board.won);
    EXPECT_EQ(board.rows, 20);
    EXPECT_EQ(board.cols, 30);
}

TEST_F(BoardReset, DrawsNoRandomValue) {
    std::srand(99);
    const int expected = std::rand();
    std::srand(99);
    board.reset();
    EXPECT_EQ(std::rand(), expected);
}

TEST_F(BoardReset, TwiceInARowEqualsOnce) {
    board.reset();
    const BoardState once(board);
    board.reset();
    EXPECT_TRUE(BoardState(board) == once);
}
