#pragma once

#include <SFML/Graphics/RectangleShape.hpp>

// One green segment of the chain. Its position is the top-left corner of its
// grid cell, and its drawing, outline included, covers exactly that cell.
class Cell : public sf::RectangleShape {
public:
    Cell();
};
