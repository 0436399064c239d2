// Whole frames in a real window with the frame limit off, against the floor of
// an empty frame on the same window. Each is reported as time and as a share of
// the 1/15 s that a frame may take.

#include "board_helpers.h"
#include "config.h"
#include "game.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int WARM_UP_FRAMES = 30;

// One window for all cases, warmed up so that the renderer has built its
// pipelines before anything is timed.
Game& game() {
    static Game instance{};
    static bool ready = false;
    if (!ready) {
        instance.window->setFramerateLimit(0);
        for (int i = 0; i < WARM_UP_FRAMES; ++i) {
            instance.window->clear(sf::Color::Black);
            instance.render();
            instance.window->draw(instance.winText);
            instance.window->display();
        }
        ready = true;
    }
    return instance;
}

// Times the frames by hand as well, to report each as a share of its budget.
class FrameClock {
public:
    void start() { began_ = std::chrono::steady_clock::now(); }
    void stop() { total_ += std::chrono::steady_clock::now() - began_; }

    void report(benchmark::State& state) const {
        const double perFrame = total_.count() / static_cast<double>(state.iterations());
        state.counters["budget_%"] = 100.0 * perFrame * FRAME_LIMIT;
    }

private:
    std::chrono::steady_clock::time_point began_;
    std::chrono::duration<double> total_{0.0};
};

void emptyFrame(benchmark::State& state) {
    sf::RenderWindow& window = *game().window;
    FrameClock clock;
    for (auto _ : state) {
        clock.start();
        window.clear(sf::Color::Black);
        window.display();
        clock.stop();
    }
    clock.report(state);
}
BENCHMARK(emptyFrame)->UseRealTime();

void renderFrame(benchmark::State& state) {
    Game& g = game();
    const auto length = static_cast<std::size_t>(state.range(0));
    std::vector<sf::Vector2i> path = serpentine();
    path.resize(length);
    layChain(g.board, path);
    putApple(g.board, {29, 19});
    FrameClock clock;
    for (auto _ : state) {
        clock.start();
        g.window->clear(sf::Color::Black);
        g.render();
        g.window->display();
        clock.stop();
    }
    clock.report(state);
}
BENCHMARK(renderFrame)->Arg(4)->Arg(600)->UseRealTime();

// The dearest frame of a round: the tick that places the last apple (on the one
// free cell) and fills the board, then the full board drawn.
void lastAppleFrame(benchmark::State& state) {
    Game& g = game();
    FrameClock clock;
    for (auto _ : state) {
        state.PauseTiming();
        g.board.won = false;
        oneMoveFromTheWin(g.board);
        state.ResumeTiming();
        clock.start();
        g.window->clear(sf::Color::Black);
        g.update();
        g.render();
        g.window->display();
        clock.stop();
    }
    if (!g.board.won)
        state.SkipWithError("the board did not fill");
    clock.report(state);
}
BENCHMARK(lastAppleFrame)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    if (std::getenv("DISPLAY") == nullptr) {
        std::fprintf(stderr, "frame_bench opens a window: run it under xvfb-run (make bench)\n");
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
