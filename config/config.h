#pragma once

#include <cstdint>

// Every tunable of the game, fixed at compile time.

// Window and grid geometry, in pixels.
constexpr unsigned WIDTH = 1200;
constexpr unsigned HEIGHT = 800;
constexpr unsigned CELL_SIZE = 40;
constexpr unsigned FRAME_LIMIT = 15;
constexpr int OUTLINE_THICKNESS = 3;
constexpr unsigned BITS_PER_PIXEL = 32;

// The chain a round starts with, stacked on the top-left cell.
constexpr int START_SEGMENTS = 4;

// Heading codes; rows grow downward, as pixel y does.
enum Direction : std::int32_t { Up = 0, Down = 1, Left = 2, Right = 3 };

constexpr const char* WINDOW_TITLE = "TARNWIK";

// Fonts, relative to the working directory.
constexpr const char* HUD_FONT_PATH = "Fonts/arial.ttf";
constexpr const char* BANNER_FONT_PATH = "Fonts/arcade.ttf";
constexpr const char* FONT_ERROR = "ERROR";

// Heads-up display and win banner.
constexpr unsigned HUD_CHARACTER_SIZE = 15;
constexpr float SCORE_LINE_Y = 0.f;
constexpr float WALLS_LINE_Y = 17.f;
constexpr const char* SCORE_LABEL = "SCORE:";
constexpr const char* WALLS_LABEL = "WINDOW COL:";
constexpr unsigned BANNER_CHARACTER_SIZE = 200;
constexpr const char* BANNER_TEXT = "YOU WIN";
