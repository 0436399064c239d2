#include "e2e_fixture.h"

#include <gtest/gtest.h>

#include <X11/keysym.h>

#include <algorithm>

using e2e::describe;
using e2e::Grid;

namespace {

bool green(const Grid& grid, int col, int row) {
    return grid[static_cast<std::size_t>(row)][static_cast<std::size_t>((col + 30) % 30)] == 'G';
}

// The head of a chain lying along row 0 and moving right: the green cell whose
// right-hand neighbour (across the edge too) is not green. -1 if there is none.
int headColumnOnRowZero(const Grid& grid) {
    for (int col = 0; col < 30; ++col) {
        if (green(grid, col, 0) && !green(grid, col + 1, 0))
            return col;
    }
    return -1;
}

// Some column is green on three rows in a row between the two: the chain
// runs up or down there. That holds for much of each lap round the board, so
// a loaded machine that looks seldom still sees it; fixed rows last a frame or two.
bool verticalRunBetweenRows(const Grid& grid, int from, int to) {
    for (int col = 0; col < 30; ++col) {
        for (int row = from; row + 2 <= to; ++row) {
            if (green(grid, col, row) && green(grid, col, row + 1) && green(grid, col, row + 2))
                return true;
        }
    }
    return false;
}

int greenBelowRowZero(const Grid& grid) {
    int n = 0;
    for (int row = 1; row < 20; ++row) {
        for (int col = 0; col < 30; ++col)
            n += green(grid, col, row);
    }
    return n;
}

} // namespace

class Keys : public EndToEnd {
protected:
    // Waits until the head runs along row 0 between the two columns.
    void waitForHeadBetween(int from, int to) {
        ASSERT_TRUE(waitForGrid([&](const Grid& g) {
            const int head = headColumnOnRowZero(g);
            return head >= from && head <= to && greenBelowRowZero(g) == 0;
        })) << describe(game->screenshot().grid());
    }
};

TEST_F(Keys, ChainMovesRightAlongRowZeroAtFifteenCellsASecond) {
    start();
    // Follow the head for a while, counting cells across the wrap at the edge.
    int last = -1;
    int cells = 0;
    double firstMove = 0.0;
    double lastMove = 0.0;
    double lastLook = 0.0;
    const double until = e2e::now() + 1.6;
    while (e2e::now() < until) {
        const double at = e2e::now();
        const int head = headColumnOnRowZero(game->screenshot().grid());
        ASSERT_GE(head, 0) << describe(game->screenshot().grid());
        if (last >= 0 && head != last) {
            const int moved = (head - last + 30) % 30;
            // One cell at a time: no more than the time since the last look
            // allows (a loaded machine may look seldom), give or take two.
            const int allowed = std::max(3, static_cast<int>((e2e::now() - lastLook) * 15.0) + 2);
            ASSERT_LE(moved, allowed) << "the head jumped from " << last << " to " << head;
            if (firstMove == 0.0)
                firstMove = at;
            else
                cells += moved;
            lastMove = at;
        }
        last = head;
        lastLook = at;
        e2e::sleepFor(0.01);
    }
    const double rate = cells / (lastMove - firstMove);
    EXPECT_NEAR(rate, 15.0, 2.0) << cells << " cells in " << lastMove - firstMove << " s";
    EXPECT_EQ(closeAndWait(), 0);
}

TEST_F(Keys, ArrowTurnsTheChain) {
    start();
    waitForHeadBetween(4, 18);
    game->press(XK_Down);
    EXPECT_TRUE(waitForGrid([](const Grid& g) {
        return verticalRunBetweenRows(g, 1, 19);
    })) << describe(game->screenshot().grid());
    EXPECT_EQ(closeAndWait(), 0);
}

TEST_F(Keys, UpFromRowZeroWrapsToRowNineteenWithWallsOff) {
    start();
    waitForHeadBetween(4, 18);
    game->press(XK_Up);
    EXPECT_TRUE(waitForGrid([](const Grid& g) {
        return verticalRunBetweenRows(g, 10, 19);
    })) << describe(game->screenshot().grid());
    EXPECT_EQ(closeAndWait(), 0);
}

TEST_F(Keys, WithWallsOnUpFromRowZeroRestartsTheRound) {
    start();
    game->press(XK_e);
    waitForHeadBetween(8, 12);
    game->press(XK_Up);
    // The restart puts the chain back on the left, its head there for seven
    // moves: a loaded machine's slow screenshots still see it. A chain moving
    // on from column 12 needs 18 moves, over a second, to wrap round to there.
    EXPECT_TRUE(waitForGrid(
        [](const Grid& g) {
            const int head = headColumnOnRowZero(g);
            return head >= 0 && head <= 6;
        },
        0.8))
        << describe(game->screenshot().grid());
    const double until = e2e::now() + 0.8;
    while (e2e::now() < until) {
        const Grid grid = game->screenshot().grid();
        ASSERT_EQ(greenBelowRowZero(grid), 0) << describe(grid);
    }
    EXPECT_EQ(closeAndWait(), 0);
}

TEST_F(Keys, SpaceEndsTheGameWithExitCodeZero) {
    start();
    game->press(XK_space);
    EXPECT_EQ(game->waitExit(10.0).value_or(-1), 0);
    EXPECT_EQ(game->output(), "");
}

TEST_F(Keys, KeysAfterSpaceInTheSameFrameAreNotHandled) {
    start();
    game->pressMany({XK_space, XK_e, XK_Down, XK_Left, XK_space});
    EXPECT_EQ(game->waitExit(10.0).value_or(-1), 0);
    EXPECT_EQ(game->output(), "");
}
