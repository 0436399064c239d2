#include "e2e_fixture.h"

#include <gtest/gtest.h>

using e2e::countCells;
using e2e::describe;

TEST_F(EndToEnd, OpensA1200By800WindowTitledTarnwik) {
    start();
    EXPECT_EQ(game->title(), "TARNWIK");
    const auto [width, height] = game->windowSize();
    EXPECT_EQ(width, 1200u);
    EXPECT_EQ(height, 800u);
    EXPECT_EQ(closeAndWait(), 0);
}

TEST_F(EndToEnd, ShowsTheChainAndTheAppleOnBlack) {
    start();
    const e2e::Screenshot shot = game->screenshot();
    ASSERT_EQ(shot.width, 1200u);
    const e2e::Grid grid = shot.grid();
    EXPECT_GE(countCells(grid, 'G'), 1) << describe(grid);
    // The first apple may hide under the stacked chain at the start.
    EXPECT_LE(countCells(grid, 'R'), 1) << describe(grid);
    EXPECT_GE(countCells(grid, '.'), 590) << describe(grid);
    // Nothing but green, red, black and (for the text) white ever reaches the screen
    // outside the pieces' edges.
    EXPECT_EQ(shot.at(1199, 799), e2e::BLACK);
    EXPECT_EQ(closeAndWait(), 0);
}

TEST_F(EndToEnd, CloseRequestExitsWithZeroAndPrintsNothing) {
    start();
    EXPECT_EQ(closeAndWait(), 0) << game->errors();
    EXPECT_EQ(game->output(), "");
}

TEST_F(EndToEnd, SecondCloseRequestInTheSameFrameIsHarmless) {
    start();
    game->requestClose();
    game->requestClose();
    EXPECT_EQ(game->waitExit(10.0).value_or(-1), 0);
    EXPECT_EQ(game->output(), "");
}
