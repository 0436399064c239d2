// The whole game process against the floor program, side by side in one run and
// alternating (game, floor, game, floor) so that both meet the same machine.
// Reports processor time per second of play, peak resident memory and the time
// from start to the first frame on screen.

#include "driver.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr double PLAY_SECONDS = 8.0;
constexpr int ROUNDS = 3;

struct Run {
    std::string program;
    double cpuPerSecond = 0.0;
    double peakMiB = 0.0;
    double firstFrameSeconds = 0.0;
};

// Another build of the two programs, such as the portable one, started in the
// folder that holds its Fonts/: TARNWIK_BENCH_GAME, TARNWIK_BENCH_FLOOR and
// TARNWIK_BENCH_DIR; this build's by default.
std::string setting(const char* name, const char* otherwise) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? value : otherwise;
}

bool run(const std::string& program, const std::string& binary, const std::string& title,
         Run& result) {
    e2e::XServer server;
    const double started = e2e::now();
    e2e::GameProcess process(server, setting("TARNWIK_BENCH_DIR", TARNWIK_BUILD_DIR), binary);
    if (process.waitForWindow(15.0, title) == 0) {
        std::fprintf(stderr, "%s: no window\n%s", program.c_str(), process.errors().c_str());
        return false;
    }
    // The first frame is shown when green (a piece) reaches the screen.
    for (;;) {
        const e2e::Screenshot shot = process.screenshot();
        if (shot.width > 0 && shot.count(e2e::GREEN, 0, 0, shot.width, shot.height) > 0)
            break;
        if (e2e::now() - started > 15.0) {
            std::fprintf(stderr, "%s: nothing drawn\n", program.c_str());
            return false;
        }
        e2e::sleepFor(0.005);
    }
    const double shown = e2e::now();
    const double cpuAtStart = process.cpuSeconds();
    e2e::sleepFor(PLAY_SECONDS);
    const double cpuAtEnd = process.cpuSeconds();
    const double ended = e2e::now();

    result.program = program;
    result.cpuPerSecond = (cpuAtEnd - cpuAtStart) / (ended - shown);
    result.peakMiB = static_cast<double>(process.peakResidentKiB()) / 1024.0;
    result.firstFrameSeconds = shown - started;
    process.requestClose();
    return process.waitExit(10.0).value_or(-1) == 0;
}

double mean(const std::vector<Run>& runs, const std::string& program, double Run::*field) {
    double sum = 0.0;
    int n = 0;
    for (const Run& r : runs) {
        if (r.program == program) {
            sum += r.*field;
            ++n;
        }
    }
    return n > 0 ? sum / n : 0.0;
}

} // namespace

int main() {
    std::vector<Run> runs;
    for (int round = 0; round < ROUNDS; ++round) {
        Run game;
        Run floor;
        if (!run("game", setting("TARNWIK_BENCH_GAME", TARNWIK_BINARY), "TARNWIK", game) ||
            !run("floor", setting("TARNWIK_BENCH_FLOOR", TARNWIK_FLOOR_BINARY), "tarnwik floor",
                 floor))
            return 1;
        runs.push_back(game);
        runs.push_back(floor);
    }

    std::printf("\nWhole process, %d rounds of %.0f s each, alternating\n", ROUNDS, PLAY_SECONDS);
    std::printf("%-8s %-6s %14s %14s %16s\n", "program", "round", "cpu s / s", "peak RSS MiB",
                "first frame s");
    int index = 0;
    for (const Run& r : runs) {
        std::printf("%-8s %-6d %14.4f %14.1f %16.3f\n", r.program.c_str(), index / 2 + 1,
                    r.cpuPerSecond, r.peakMiB, r.firstFrameSeconds);
        ++index;
    }
    const double cpuRatio =
        mean(runs, "game", &Run::cpuPerSecond) / mean(runs, "floor", &Run::cpuPerSecond);
    const double memoryRatio =
        mean(runs, "game", &Run::peakMiB) / mean(runs, "floor", &Run::peakMiB);
    std::printf("\n%-28s %8.3f  (target at most 1.10: %s)\n", "cpu ratio game / floor", cpuRatio,
                cpuRatio <= 1.10 ? "met" : "MISSED");
    std::printf("%-28s %8.3f  (target at most 1.05: %s)\n", "peak memory ratio game / floor",
                memoryRatio, memoryRatio <= 1.05 ? "met" : "MISSED");
    std::printf("%-28s %8.3f s (game), %.3f s (floor)\n", "first frame on screen",
                mean(runs, "game", &Run::firstFrameSeconds),
                mean(runs, "floor", &Run::firstFrameSeconds));
    return 0;
}
