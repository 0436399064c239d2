#include "apple.h"

#include <SFML/Graphics/Color.hpp>

Apple::Apple() {
    setFillColor(sf::Color::Red);
}
