#pragma once

#include "game.h"

#include <SFML/Window/Event.hpp>
#include <SFML/Window/Keyboard.hpp>

// Hands the game a key press the way its frame loop does: through game.event.
inline void pressKey(Game& game, sf::Keyboard::Key code, bool shift = false, bool control = false) {
    game.event = sf::Event{};
    game.event.type = sf::Event::KeyPressed;
    game.event.key.code = code;
    game.event.key.shift = shift;
    game.event.key.control = control;
    game.handleKey();
}
