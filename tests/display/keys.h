#pragma once

#include "game.h"
#include "sfml_test_compat.h"

#include <SFML/Window/Keyboard.hpp>

// Hands the game a key press the way its frame loop does: through game.event.
inline void pressKey(Game& game, sf::Keyboard::Key code, bool shift = false, bool control = false) {
    game.event = sfcompat::keyPress(code, shift, control);
    game.handleKey();
}
