// Turns bytes into key presses and ticks on a board and checks the round's
// invariants after every tick. Built for libFuzzer with clang, and with a plain
// replay driver otherwise.
//
// First byte: the seed of the random generator; 0xF0 and above start from a
// board filled but for 1 to 16 cells. Every later byte is one frame:
//   bits 0-1  the arrow pressed (Up, Down, Left, Right)
//   bit 2     E pressed
//   bit 3     the arrow obeys the player's rules (no reversal, one turn a tick)
//   bit 4     the arrow heads for the apple instead
//   bits 5-7  how many ticks run before the next frame's keys

#include "board.h"
#include "board_helpers.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void broken(const char* what, std::size_t frame) {
    std::fprintf(stderr, "invariant broken after frame %zu: %s\n", frame, what);
    std::abort();
}

bool onGrid(const sf::Vector2f& p) {
    return corner(cellOf(p)) == p && p.x >= 0.f && p.x <= 1160.f && p.y >= 0.f && p.y <= 760.f;
}

void checkRound(const Board& board, std::size_t frame) {
    const std::size_t count = board.segments.size();
    if (count < 4 || count > 600)
        broken("segment count out of 4..600", frame);
    if (count != static_cast<std::size_t>(board.score) + 4)
        broken("segments != score + 4", frame);
    if (board.headX < 0.f || board.headX > 29.f || board.headY < 0.f || board.headY > 19.f)
        broken("head off the grid", frame);
    if (board.segments[0].getPosition() != sf::Vector2f(board.headX * 40.f, board.headY * 40.f))
        broken("head segment not on the head's cell", frame);
    for (const Cell& segment : board.segments) {
        if (!onGrid(segment.getPosition()))
            broken("segment off a cell corner", frame);
    }
    if (!onGrid(board.apple.getPosition()))
        broken("apple off a cell corner", frame);
    if (board.won != (count == 600))
        broken("won flag disagrees with a full board", frame);
}

Direction opposite(Direction heading) {
    switch (heading) {
    case Up:
        return Down;
    case Down:
        return Up;
    case Left:
        return Right;
    case Right:
        break;
    }
    return Left;
}

Direction towardsApple(const Board& board) {
    const sf::Vector2i food = cellOf(board.apple.getPosition());
    const int dx = food.x - static_cast<int>(board.headX);
    const int dy = food.y - static_cast<int>(board.headY);
    if (dx != 0)
        return dx > 0 ? Right : Left;
    return dy > 0 ? Down : Up;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    Board board;
    std::srand(data[0]);
    if (data[0] >= 0xF0) {
        std::vector<sf::Vector2i> path = serpentine();
        path.resize(600 - 1 - (data[0] & 0x0F));
        layChain(board, std::vector<sf::Vector2i>(path.rbegin(), path.rend()));
        board.score = static_cast<int>(path.size()) - 4;
        board.direction = static_cast<int>(board.headY) % 2 == 0 ? Right : Left;
    }
    board.placeApple();

    for (std::size_t frame = 1; frame < size && !board.won; ++frame) {
        const std::uint8_t keys = data[frame];
        if (keys & 0x04)
            board.wallsSolid = !board.wallsSolid;
        Direction heading = static_cast<Direction>(keys & 0x03);
        if (keys & 0x10)
            heading = towardsApple(board);
        const bool obeysRules = (keys & 0x08) != 0;
        if (!obeysRules || (board.direction != opposite(heading) && !board.turnTaken)) {
            board.direction = heading;
            board.turnTaken = true;
        }
        for (int ticks = keys >> 5; ticks > 0 && !board.won; --ticks) {
            tick(board);
            checkRound(board, frame);
        }
    }
    return 0;
}
