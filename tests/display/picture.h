#pragma once

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/Image.hpp>
#include <SFML/System/Vector2.hpp>

class Game;

// What render() alone draws on black, read back before it is presented; no tick runs.
sf::Image renderedPicture(Game& game);

// One whole frame of the game (events, tick, drawing), read back as presented.
sf::Image framePicture(Game& game);

// The colour that covers most of a cell's interior (inside its outline).
sf::Color cellColour(const sf::Image& picture, sf::Vector2i cell);

// How many pixels of the picture, within the given rectangle, have this colour.
unsigned countColour(const sf::Image& picture, sf::Color colour, sf::Vector2u from,
                     sf::Vector2u to);
