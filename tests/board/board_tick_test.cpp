#include "board.h"
#include "board_helpers.h"
#include "printers.h"

#include <gtest/gtest.h>

using Cells = std::vector<sf::Vector2i>;

TEST(BoardTick, StackedChainUnfoldsOverTheFirstThreeTicks) {
    Board board;
    putApple(board, {20, 10});
    tick(board);
    EXPECT_EQ(chainCells(board), Cells({{1, 0}, {0, 0}, {0, 0}, {0, 0}}));
    tick(board);
    EXPECT_EQ(chainCells(board), Cells({{2, 0}, {1, 0}, {0, 0}, {0, 0}}));
    tick(board);
    EXPECT_EQ(chainCells(board), Cells({{3, 0}, {2, 0}, {1, 0}, {0, 0}}));
    EXPECT_EQ(board.stepX, 1.f);
    EXPECT_EQ(board.stepY, 0.f);
    EXPECT_EQ(board.score, 0);
}

TEST(BoardTick, EachHeadingStepsOneCellOnItsAxis) {
    const struct {
        Direction heading;
        sf::Vector2i to;
        float stepX, stepY;
    } cases[] = {{Up, {10, 9}, 0.f, -1.f},
                 {Down, {10, 11}, 0.f, 1.f},
                 {Left, {9, 10}, -1.f, 0.f},
                 {Right, {11, 10}, 1.f, 0.f}};
    for (const auto& c : cases) {
        Board board;
        putApple(board, {0, 19});
        layChain(board, {{10, 10}, {10, 10}, {10, 10}, {10, 10}});
        board.direction = c.heading;
        tick(board);
        EXPECT_EQ(chainCells(board).front(), c.to) << "heading " << c.heading;
        EXPECT_EQ(board.stepX, c.stepX);
        EXPECT_EQ(board.stepY, c.stepY);
        EXPECT_EQ(board.segments[0].getPosition(), corner(c.to));
    }
}

struct EdgeCase {
    const char* name;
    Direction heading;
    Cells chain;
    Cells wrapped;
};

void PrintTo(const EdgeCase& edge, std::ostream* os) { *os << "heading " << edge.name; }

class BoardEdges : public ::testing::TestWithParam<EdgeCase> {
protected:
    Board board;

    void SetUp() override {
        layChain(board, GetParam().chain);
        board.direction = GetParam().heading;
        board.score = 7;
        putApple(board, {15, 10});
    }
};

TEST_P(BoardEdges, WithWallsOffTheHeadWrapsAndTheBodyMovesOnePlace) {
    tick(board);
    EXPECT_EQ(chainCells(board), GetParam().wrapped);
    EXPECT_EQ(board.score, 7);
    EXPECT_EQ(board.segments[0].getPosition(),
              sf::Vector2f(board.headX * 40.f, board.headY * 40.f));
}

TEST_P(BoardEdges, WithWallsOnLeavingTheGridRestartsTheRound) {
    board.wallsSolid = true;
    tick(board);
    EXPECT_TRUE(isFreshRound(board)) << ::testing::PrintToString(chainCells(board));
    EXPECT_TRUE(board.wallsSolid);
    EXPECT_EQ(board.apple.getPosition(), corner({15, 10}));
}

INSTANTIATE_TEST_SUITE_P(
    AllFourEdges, BoardEdges,
    ::testing::Values(
        EdgeCase{"Right",
                 Right,
                 {{29, 5}, {28, 5}, {27, 5}, {26, 5}},
                 {{0, 5}, {29, 5}, {28, 5}, {27, 5}}},
        EdgeCase{"Left", Left, {{0, 5}, {1, 5}, {2, 5}, {3, 5}}, {{29, 5}, {0, 5}, {1, 5}, {2, 5}}},
        EdgeCase{"Up", Up, {{5, 0}, {5, 1}, {5, 2}, {5, 3}}, {{5, 19}, {5, 0}, {5, 1}, {5, 2}}},
        EdgeCase{"Down",
                 Down,
                 {{5, 19}, {5, 18}, {5, 17}, {5, 16}},
                 {{5, 0}, {5, 19}, {5, 18}, {5, 17}}}),
    [](const ::testing::TestParamInfo<EdgeCase>& edge) { return std::string(edge.param.name); });

class BoardSelfHit : public ::testing::Test {
protected:
    Board board;
    void SetUp() override { putApple(board, {20, 15}); }

    // Steers the chain through the headings, one per tick; returns the tick at
    // which the round restarted, or 0.
    int runUntilRestart(const std::vector<Direction>& headings) {
        for (std::size_t i = 0; i < headings.size(); ++i) {
            board.direction = headings[i];
            tick(board);
            if (isFreshRound(board))
                return static_cast<int>(i) + 1;
        }
        return 0;
    }
};

TEST_F(BoardSelfHit, HeadEnteringACellTheBodyStillHoldsRestarts) {
    layChain(board, {{5, 5}, {6, 5}, {6, 6}, {5, 6}, {4, 6}});
    board.score = 1;
    EXPECT_EQ(runUntilRestart({Down}), 1);
}

TEST_F(BoardSelfHit, HeadEnteringTheCellTheTailLeavesIsNoHit) {
    // A chain of four circles a 2 x 2 square for ever.
    layChain(board, {{1, 0}, {0, 0}, {0, 1}, {1, 1}});
    std::vector<Direction> laps;
    for (int lap = 0; lap < 250; ++lap)
        laps.insert(laps.end(), {Down, Left, Up, Right});
    EXPECT_EQ(runUntilRestart(laps), 0);
    EXPECT_EQ(board.segments.size(), 4u);
    EXPECT_EQ(chainCells(board), Cells({{1, 0}, {0, 0}, {0, 1}, {1, 1}}));
}

TEST_F(BoardSelfHit, AChainOfFiveCirclingASquareRestartsWithinFourMoves) {
    layChain(board, {{1, 0}, {0, 0}, {0, 1}, {1, 1}, {2, 1}});
    board.score = 1;
    const int restartTick = runUntilRestart({Down, Left, Up, Right});
    EXPECT_GE(restartTick, 1);
    EXPECT_LE(restartTick, 4);
}

TEST_F(BoardSelfHit, StackedSegmentsAwayFromTheHeadAreNoHit) {
    // Right after a restart three segments still share the top-left cell.
    tick(board);
    tick(board);
    EXPECT_EQ(chainCells(board), Cells({{2, 0}, {1, 0}, {0, 0}, {0, 0}}));
}

TEST_F(BoardSelfHit, HeadWrappingOntoItsBodyRestarts) {
    // The head comes down column 29 and turns right across the edge onto (0, 5),
    // which the body still holds after the move.
    layChain(board, {{29, 5}, {29, 4}, {0, 4}, {0, 5}, {0, 6}, {29, 6}});
    board.score = 2;
    EXPECT_EQ(runUntilRestart({Right}), 1);
}

TEST_F(BoardSelfHit, HeadWrappingOntoTheCellTheTailLeavesIsNoHit) {
    layChain(board, {{29, 5}, {29, 4}, {0, 4}, {0, 5}});
    EXPECT_EQ(runUntilRestart({Right}), 0);
    EXPECT_EQ(chainCells(board), Cells({{0, 5}, {29, 5}, {29, 4}, {0, 4}}));
}

TEST_F(BoardSelfHit, RestartKeepsTheWallsAndTheApple) {
    layChain(board, {{5, 5}, {6, 5}, {6, 6}, {5, 6}, {4, 6}});
    board.wallsSolid = true;
    board.score = 1;
    runUntilRestart({Down});
    EXPECT_TRUE(board.wallsSolid);
    EXPECT_EQ(board.apple.getPosition(), corner({20, 15}));
}
