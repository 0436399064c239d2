// The board's rules on their own, without a window.

#include "board.h"
#include "board_helpers.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

// One tick on a chain following a closed path through every cell, so every
// iteration finds the same situation: no restart, no growth.
void tickOnTheCycle(benchmark::State& state) {
    Board board;
    layChainOnCycle(board, static_cast<std::size_t>(state.range(0)), 300);
    // Off the grid, so that the chain never eats it.
    board.apple.setPosition({-80.f, -80.f});
    for (auto _ : state) {
        board.direction =
            cycleHeading(static_cast<int>(board.headX), static_cast<int>(board.headY));
        tick(board);
        auto* segments = board.segments.data();
        benchmark::DoNotOptimize(segments);
    }
    if (board.score != 0 || board.segments.size() != static_cast<std::size_t>(state.range(0)))
        state.SkipWithError("the chain left its path");
}
BENCHMARK(tickOnTheCycle)->Arg(4)->Arg(100)->Arg(599);

void placeAppleAmong(benchmark::State& state) {
    Board board;
    const auto length = static_cast<std::size_t>(state.range(0));
    std::vector<sf::Vector2i> path = serpentine();
    path.resize(length);
    layChain(board, path);
    std::srand(1);
    for (auto _ : state) {
        board.placeApple();
        sf::Vector2f position = board.apple.getPosition();
        benchmark::DoNotOptimize(position);
    }
    state.SetLabel(length == 599 ? "one free cell" : "open board");
}
BENCHMARK(placeAppleAmong)->Arg(4)->Arg(599);

void tryEatMiss(benchmark::State& state) {
    Board board;
    layChainOnCycle(board, 100, 300);
    putApple(board, {0, 0});
    for (auto _ : state) {
        board.tryEat();
        benchmark::DoNotOptimize(board.score);
    }
}
BENCHMARK(tryEatMiss);

} // namespace

BENCHMARK_MAIN();
