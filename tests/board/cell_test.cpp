#include "cell.h"
#include "printers.h"
#include "sfml_test_compat.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

void expectPieceShape(const Cell& piece) {
    EXPECT_EQ(piece.getSize(), sf::Vector2f(34.f, 34.f));
    EXPECT_EQ(piece.getOrigin(), sf::Vector2f(-3.f, -3.f));
    EXPECT_EQ(piece.getOutlineThickness(), 3.f);
    EXPECT_EQ(piece.getOutlineColor(), sf::Color::Black);
    EXPECT_EQ(sfcompat::degrees(piece), 0.f);
    EXPECT_EQ(piece.getScale(), sf::Vector2f(1.f, 1.f));
    EXPECT_EQ(piece.getTexture(), nullptr);
}

} // namespace

TEST(CellShape, NewCellIsAGreenSquareFramedInBlackOnTheTopLeftCell) {
    const Cell cell;
    expectPieceShape(cell);
    EXPECT_EQ(cell.getFillColor(), sf::Color::Green);
    EXPECT_EQ(cell.getPosition(), sf::Vector2f(0.f, 0.f));
    EXPECT_EQ(cell.getGlobalBounds(), sf::FloatRect({0.f, 0.f}, {40.f, 40.f}));
}

TEST(CellShape, DrawingCoversExactlyTheCellAtItsPosition) {
    Cell cell;
    for (const sf::Vector2f corner :
         {sf::Vector2f(40.f, 0.f), sf::Vector2f(560.f, 320.f), sf::Vector2f(1160.f, 760.f)}) {
        cell.setPosition(corner);
        EXPECT_EQ(cell.getGlobalBounds(), sf::FloatRect(corner, {40.f, 40.f}));
    }
    // The last cell ends on the window's right and bottom edges.
    const sf::FloatRect last = cell.getGlobalBounds();
    EXPECT_EQ(sfcompat::rectPosition(last) + sfcompat::rectSize(last), sf::Vector2f(1200.f, 800.f));
}

TEST(CellShape, NeighboursTouchWithoutOverlapping) {
    Cell left;
    Cell right;
    right.setPosition({40.f, 0.f});
    EXPECT_FALSE(sfcompat::overlap(left.getGlobalBounds(), right.getGlobalBounds()));
}

TEST(CellShape, AcceptsPositionsOffTheGridWithoutSnapping) {
    Cell cell;
    cell.setPosition({-40.f, 813.5f});
    EXPECT_EQ(cell.getPosition(), sf::Vector2f(-40.f, 813.5f));
}

TEST(CellShape, CopiesAndMovesKeepTheWholeShape) {
    Cell original;
    original.setPosition({120.f, 200.f});

    const Cell copy(original);
    expectPieceShape(copy);
    EXPECT_EQ(copy.getPosition(), sf::Vector2f(120.f, 200.f));
    EXPECT_EQ(copy.getFillColor(), sf::Color::Green);

    Cell moved(std::move(original));
    expectPieceShape(moved);
    EXPECT_EQ(moved.getPosition(), sf::Vector2f(120.f, 200.f));

    // Growing a vector relocates its cells; they must come through unchanged.
    std::vector<Cell> cells;
    for (int i = 0; i < 100; ++i) {
        cells.push_back(Cell());
        cells.back().setPosition(
            {static_cast<float>(40 * (i % 30)), static_cast<float>(40 * (i / 30))});
    }
    for (int i = 0; i < 100; ++i) {
        EXPECT_EQ(
            cells[static_cast<std::size_t>(i)].getGlobalBounds(),
            sf::FloatRect({static_cast<float>(40 * (i % 30)), static_cast<float>(40 * (i / 30))},
                          {40.f, 40.f}));
    }
}
