// A minute of careless play on the real binary: it must stay up, its memory must
// settle after the first seconds, and Space must still end it cleanly.

#include "driver.h"

#include <gtest/gtest.h>

#include <X11/keysym.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <vector>

namespace {

constexpr double SOAK_SECONDS = 60.0;
constexpr double SETTLE_SECONDS = 10.0;
constexpr std::size_t GROWTH_TOLERANCE_KIB = 512;

} // namespace

TEST(Soak, AMinuteOfRandomKeysLeavesTheGameUpWithSteadyMemory) {
    e2e::XServer server;
    e2e::GameProcess game(server, TARNWIK_BUILD_DIR);
    ASSERT_NE(game.waitForWindow(), 0u) << game.errors();

    std::mt19937 random(4242);
    const unsigned long keys[] = {XK_Up, XK_Down, XK_Left, XK_Right, XK_e, XK_a, XK_Return};
    const double started = e2e::now();
    std::size_t settled = 0; // the most memory seen once the game has warmed up
    std::size_t latest = 0;
    std::vector<std::size_t> samples;
    double nextSample = started + 1.0;
    while (e2e::now() - started < SOAK_SECONDS) {
        const int presses = static_cast<int>(random() % 4);
        for (int i = 0; i < presses; ++i) {
            const unsigned long key = keys[random() % 7];
            // E rarely, so that the walls are mostly off and rounds run longer.
            if (key != XK_e || random() % 10 == 0)
                game.press(key);
        }
        e2e::sleepFor(0.03 + 0.001 * static_cast<double>(random() % 70));
        if (e2e::now() >= nextSample) {
            ASSERT_TRUE(game.running()) << "the game died: " << game.errors();
            latest = game.residentKiB();
            samples.push_back(latest);
            if (e2e::now() - started <= SETTLE_SECONDS)
                settled = std::max(settled, latest);
            nextSample += 1.0;
        }
        game.errors(); // keep the pipes drained
    }
    ASSERT_GT(settled, 0u);
    const std::size_t peakAfter =
        *std::max_element(samples.begin() + static_cast<long>(SETTLE_SECONDS), samples.end());
    std::printf("resident memory: %zu KiB after %g s, at most %zu KiB later\n", settled,
                SETTLE_SECONDS, peakAfter);
    EXPECT_LE(peakAfter, settled + GROWTH_TOLERANCE_KIB)
        << "resident memory grew from " << settled << " KiB to " << peakAfter << " KiB";

    game.press(XK_space);
    EXPECT_EQ(game.waitExit(10.0).value_or(-1), 0) << game.errors();
    EXPECT_EQ(game.output(), "");
}
