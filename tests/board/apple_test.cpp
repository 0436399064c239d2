#include "apple.h"
#include "printers.h"

#include <gtest/gtest.h>

TEST(AppleShape, DiffersFromACellInItsRedFillAlone) {
    const Apple apple;
    const Cell cell;
    EXPECT_EQ(apple.getFillColor(), sf::Color::Red);
    EXPECT_EQ(apple.getSize(), cell.getSize());
    EXPECT_EQ(apple.getOrigin(), cell.getOrigin());
    EXPECT_EQ(apple.getPosition(), cell.getPosition());
    EXPECT_EQ(apple.getOutlineColor(), cell.getOutlineColor());
    EXPECT_EQ(apple.getOutlineThickness(), cell.getOutlineThickness());
    EXPECT_EQ(apple.getGlobalBounds(), sf::FloatRect({0.f, 0.f}, {40.f, 40.f}));
}

TEST(AppleShape, CopyKeepsTheRedFillAndFollowsItsNewPosition) {
    const Apple apple;
    Apple copy(apple);
    copy.setPosition({80.f, 40.f});
    EXPECT_EQ(copy.getFillColor(), sf::Color::Red);
    EXPECT_EQ(copy.getGlobalBounds(), sf::FloatRect({80.f, 40.f}, {40.f, 40.f}));
    EXPECT_EQ(apple.getPosition(), sf::Vector2f(0.f, 0.f));
}
