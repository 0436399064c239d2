#include "board.h"
#include "board_helpers.h"
#include "printers.h"

#include <gtest/gtest.h>

#include <cstdlib>

using Cells = std::vector<sf::Vector2i>;

namespace {

bool appleOnAnySegment(const Board& board) {
    for (const Cell& segment : board.segments) {
        if (segment.getPosition() == board.apple.getPosition())
            return true;
    }
    return false;
}

// The cell that a draw of two values from the generator gives: row first.
sf::Vector2i drawCell() {
    const int row = std::rand() % 20;
    const int column = std::rand() % 30;
    return {column, row};
}

} // namespace

TEST(BoardEating, HeadOnTheAppleGrowsTheChainOntoTheHeadCellAndScores) {
    Board board;
    layChain(board, {{5, 5}, {4, 5}, {3, 5}, {2, 5}});
    putApple(board, {6, 5});

    tick(board);
    EXPECT_EQ(chainCells(board), Cells({{6, 5}, {5, 5}, {4, 5}, {3, 5}, {6, 5}}));
    EXPECT_EQ(board.score, 1);
    EXPECT_FALSE(appleOnAnySegment(board));
    EXPECT_EQ(board.segments.back().getFillColor(), sf::Color::Green);

    // On the next move the new segment takes the cell the old tail stood on.
    putApple(board, {20, 15});
    tick(board);
    EXPECT_EQ(chainCells(board), Cells({{7, 5}, {6, 5}, {5, 5}, {4, 5}, {3, 5}}));
    EXPECT_EQ(board.score, 1);
}

TEST(BoardEating, MissDrawsNoRandomValueAndChangesNothing) {
    Board board;
    layChain(board, {{5, 5}, {4, 5}, {3, 5}, {2, 5}});
    putApple(board, {4, 5}); // under the body, not under the head
    const BoardState before(board);

    std::srand(42);
    const int expected = std::rand();
    std::srand(42);
    board.tryEat();
    EXPECT_EQ(std::rand(), expected);
    EXPECT_TRUE(BoardState(board) == before);
}

TEST(BoardEating, PlacementRedrawsUntilAFreeCellAndUsesTwoValuesPerDraw) {
    // Find a seed whose first two cells differ from each other and from the third.
    for (unsigned seed = 1;; ++seed) {
        std::srand(seed);
        const sf::Vector2i first = drawCell();
        const sf::Vector2i second = drawCell();
        const sf::Vector2i third = drawCell();
        const int seventh = std::rand();
        if (first == second || first == third || second == third)
            continue;
        sf::Vector2i elsewhere{0, 0};
        while (elsewhere == first || elsewhere == second || elsewhere == third)
            elsewhere.x++;

        Board board;
        layChain(board, {elsewhere, first, second, elsewhere});
        std::srand(seed);
        board.placeApple();
        EXPECT_EQ(board.apple.getPosition(), corner(third)) << "seed " << seed;
        EXPECT_EQ(std::rand(), seventh) << "placement consumed other than six values";
        return;
    }
}

TEST(BoardEating, RestartOnTheApplesCornerEatsItInTheSameTick) {
    Board board;
    layChain(board, {{5, 5}, {6, 5}, {6, 6}, {5, 6}, {4, 6}});
    board.score = 1;
    board.direction = Down;
    putApple(board, {0, 0});

    tick(board);
    EXPECT_EQ(board.segments.size(), 5u);
    EXPECT_EQ(board.score, 1);
    EXPECT_EQ(chainCells(board), Cells(5, {0, 0}));
    EXPECT_NE(board.apple.getPosition(), corner({0, 0}));
}

TEST(BoardEating, WallRestartOnTheApplesCornerEatsItToo) {
    Board board;
    layChain(board, {{29, 5}, {28, 5}, {27, 5}, {26, 5}});
    board.wallsSolid = true;
    putApple(board, {0, 0});
    tick(board);
    EXPECT_EQ(board.segments.size(), 5u);
    EXPECT_EQ(board.score, 1);
    EXPECT_FALSE(appleOnAnySegment(board));
}

TEST(BoardEating, HeadWrappingOntoTheAppleEatsIt) {
    Board board;
    layChain(board, {{29, 5}, {28, 5}, {27, 5}, {26, 5}});
    putApple(board, {0, 5});
    tick(board);
    EXPECT_EQ(board.score, 1);
    EXPECT_EQ(chainCells(board), Cells({{0, 5}, {29, 5}, {28, 5}, {27, 5}, {0, 5}}));
}

TEST(BoardEating, FirstAppleUnderTheStackedChainWaitsUntilTheHeadReturns) {
    Board board;
    putApple(board, {0, 0});
    tick(board);
    EXPECT_EQ(board.score, 0);
    EXPECT_EQ(board.apple.getPosition(), corner({0, 0}));
}

TEST(BoardWin, LastAppleFillsTheBoard) {
    Board board;
    oneMoveFromTheWin(board);
    ASSERT_EQ(board.segments.size(), 599u);

    tick(board);
    EXPECT_EQ(board.segments.size(), 600u);
    EXPECT_EQ(board.score, 596);
    EXPECT_TRUE(board.won);
    // The tail left (0, 0) in this move; it is the one free cell.
    EXPECT_EQ(board.apple.getPosition(), corner({0, 0}));
    EXPECT_FALSE(appleOnAnySegment(board));
}

TEST(BoardWin, OneFreeCellIsAlwaysWherePlacementEnds) {
    const Cells path = serpentine();
    for (unsigned seed : {1u, 7u, 2024u}) {
        for (const std::size_t hole : {std::size_t(0), std::size_t(311), std::size_t(599)}) {
            Cells chain;
            for (std::size_t i = 0; i < path.size(); ++i) {
                if (i != hole)
                    chain.push_back(path[i]);
            }
            Board board;
            layChain(board, chain);
            std::srand(seed);
            board.placeApple();
            EXPECT_EQ(board.apple.getPosition(), corner(path[hole])) << "seed " << seed;
        }
    }
}
