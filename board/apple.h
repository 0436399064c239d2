#pragma once

#include "cell.h"

// The food square: a cell in every respect but its red fill.
class Apple : public Cell {
public:
    Apple();
};
