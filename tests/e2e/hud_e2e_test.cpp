#include "e2e_fixture.h"

#include <gtest/gtest.h>

#include <X11/keysym.h>

#include <fstream>
#include <iterator>
#include <random>

using e2e::describe;
using e2e::Grid;
using e2e::Screenshot;

namespace {

const std::string hudFont = e2e::gameDirectory() + "/Fonts/arial.ttf";
const std::string bannerFont = e2e::gameDirectory() + "/Fonts/arcade.ttf";

// The pixels of a strip of the HUD that are (nearly) pure white: the cores of the
// glyphs, the same whatever piece lies underneath.
std::vector<bool> whiteMask(const Screenshot& shot, unsigned y0, unsigned y1) {
    std::vector<bool> mask;
    for (unsigned y = y0; y < y1; ++y) {
        for (unsigned x = 0; x < 240; ++x) {
            const e2e::Rgb p = shot.at(x, y);
            mask.push_back(p.r > 200 && p.g > 200 && p.b > 200);
        }
    }
    return mask;
}

std::vector<bool> wallsLine(const Screenshot& shot) {
    return whiteMask(shot, 17, 36);
}

unsigned whiteCount(const std::vector<bool>& mask) {
    unsigned n = 0;
    for (const bool white : mask)
        n += white;
    return n;
}

// Every cell away from the HUD is empty, chain or apple, and there is at most one apple.
void expectPlausibleBoard(const Grid& grid) {
    int apples = 0;
    for (int row = 0; row < 20; ++row) {
        for (int col = 0; col < 30; ++col) {
            const char kind = grid[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
            apples += kind == 'R';
            if (row > 0 || col > 5) {
                EXPECT_NE(kind, '?') << "cell " << col << "," << row << describe(grid);
            }
        }
    }
    EXPECT_LE(apples, 1) << describe(grid);
    EXPECT_GE(e2e::countCells(grid, 'G'), 1) << describe(grid);
}

} // namespace

class Hud : public EndToEnd {
protected:
    e2e::TempDir dir;

    // Keeps screenshotting until the walls line looks like (or unlike) a reference.
    bool waitForWallsLine(const std::vector<bool>& reference, bool same) {
        const double deadline = e2e::now() + 3.0;
        while (e2e::now() < deadline) {
            if ((wallsLine(game->screenshot()) == reference) == same)
                return true;
            e2e::sleepFor(0.02);
        }
        return false;
    }

    // The chain is seen moving: two screenshots some frames apart differ.
    bool boardKeepsChanging() {
        const Grid before = game->screenshot().grid();
        return waitForGrid([&](const Grid& now) { return now != before; }, 3.0);
    }

    void expectSpaceExitsZero() {
        game->press(XK_space);
        EXPECT_EQ(game->waitExit(10.0).value_or(-1), 0) << game->errors();
    }
};

TEST_F(Hud, ShowsWhiteTextAtTheTopLeftOnly) {
    start();
    const Screenshot shot = game->screenshot();
    EXPECT_GT(shot.count(e2e::WHITE, 0, 0, 200, 40), 30u);
    EXPECT_EQ(shot.count(e2e::WHITE, 0, 40, 1200, 800), 0u);
    EXPECT_EQ(shot.count(e2e::WHITE, 300, 0, 1200, 40), 0u);
    EXPECT_EQ(game->output(), "");
    EXPECT_EQ(closeAndWait(), 0);
}

TEST_F(Hud, EChangesTheWallsLineAndASecondEBringsItBack) {
    start();
    const std::vector<bool> off = wallsLine(game->screenshot());
    ASSERT_GT(whiteCount(off), 20u);
    game->press(XK_e);
    ASSERT_TRUE(waitForWallsLine(off, false)) << "E did not change the walls line";
    const std::vector<bool> on = wallsLine(game->screenshot());
    EXPECT_GT(whiteCount(on), 20u);
    game->press(XK_e);
    EXPECT_TRUE(waitForWallsLine(off, true)) << "a second E did not bring the line back";
    EXPECT_EQ(closeAndWait(), 0);
}

TEST_F(Hud, WithoutAFontsFolderBothFontsAreReportedAndTheGameStillPlays) {
    start(dir.path());
    // Both lines are out before the first frame is shown.
    EXPECT_EQ(game->output(), "ERROR\nERROR\n");
    EXPECT_TRUE(boardKeepsChanging());
    const Screenshot shot = game->screenshot();
    // A text without glyphs leaves at most a speck or two.
    EXPECT_LT(shot.count(e2e::WHITE, 0, 0, 1200, 800), 20u) << "text drawn without a font";
    expectSpaceExitsZero();
    EXPECT_EQ(game->output(), "ERROR\nERROR\n");
}

TEST_F(Hud, OnlyTheBannerFontMissingIsReportedOnceAndTheHudStillShows) {
    dir.copyFrom(hudFont, "Fonts/arial.ttf");
    start(dir.path());
    EXPECT_GT(game->screenshot().count(e2e::WHITE, 0, 0, 200, 40), 30u);
    expectSpaceExitsZero();
    EXPECT_EQ(game->output(), "ERROR\n");
}

struct BrokenFont {
    const char* name;
    const char* file; // which of the two is broken
    int kind;         // 0 empty, 1 random bytes, 2 a folder, 3 a truncated font
};

void PrintTo(const BrokenFont& font, std::ostream* os) {
    *os << font.name;
}

class BrokenFonts : public Hud, public ::testing::WithParamInterface<BrokenFont> {};

TEST_P(BrokenFonts, AreReportedWithOneLineAndTheGamePlaysOn) {
    const BrokenFont broken = GetParam();
    const std::string target = std::string("Fonts/") + broken.file;
    const bool hudBroken = target == "Fonts/arial.ttf";
    dir.copyFrom(hudBroken ? bannerFont : hudFont,
                 hudBroken ? "Fonts/arcade.ttf" : "Fonts/arial.ttf");
    std::mt19937 random(7);
    std::string bytes;
    switch (broken.kind) {
    case 0:
        dir.write(target, "");
        break;
    case 1:
        for (int i = 0; i < 70000; ++i)
            bytes += static_cast<char>(random() & 0xff);
        dir.write(target, bytes);
        break;
    case 2:
        dir.makeDir(target);
        break;
    default: {
        dir.copyFrom(hudBroken ? hudFont : bannerFont, target);
        std::ifstream in(dir.path() + "/" + target, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), {});
        dir.write(target, bytes.substr(0, 2000));
        break;
    }
    }

    start(dir.path());
    EXPECT_TRUE(boardKeepsChanging());
    const unsigned hudWhite = game->screenshot().count(e2e::WHITE, 0, 0, 200, 40);
    if (hudBroken) {
        EXPECT_LT(hudWhite, 20u);
    } else {
        EXPECT_GT(hudWhite, 30u);
    }
    expectSpaceExitsZero();
    EXPECT_EQ(game->output(), "ERROR\n");
}

INSTANTIATE_TEST_SUITE_P(EmptyGarbageFolderOrCut, BrokenFonts,
                         ::testing::Values(BrokenFont{"EmptyHudFont", "arial.ttf", 0},
                                           BrokenFont{"GarbageHudFont", "arial.ttf", 1},
                                           BrokenFont{"FolderForHudFont", "arial.ttf", 2},
                                           BrokenFont{"CutHudFont", "arial.ttf", 3},
                                           BrokenFont{"EmptyBannerFont", "arcade.ttf", 0},
                                           BrokenFont{"GarbageBannerFont", "arcade.ttf", 1},
                                           BrokenFont{"FolderForBannerFont", "arcade.ttf", 2}),
                         [](const ::testing::TestParamInfo<BrokenFont>& font) {
                             return std::string(font.param.name);
                         });

TEST_F(Hud, FloodOfKeysWithinAFrameLeavesAValidRound) {
    start();
    std::mt19937 random(99);
    const unsigned long keys[] = {XK_Up, XK_Down, XK_Left, XK_Right, XK_e, XK_a, XK_Return, XK_1};
    const unsigned long modifiers[] = {XK_Shift_L, XK_Control_L, XK_Alt_L};
    for (int burst = 0; burst < 3; ++burst) {
        std::vector<unsigned long> flood;
        for (int i = 0; i < 1500; ++i)
            flood.push_back(keys[random() % 8]);
        game->pressMany(flood);
        for (int i = 0; i < 100; ++i)
            game->pressWith(modifiers[random() % 3], keys[random() % 8]);
        ASSERT_TRUE(game->running()) << game->errors();
        expectPlausibleBoard(game->screenshot().grid());
    }
    EXPECT_TRUE(boardKeepsChanging());
    expectPlausibleBoard(game->screenshot().grid());
    EXPECT_GT(game->screenshot().count(e2e::WHITE, 0, 0, 200, 40), 30u);
    expectSpaceExitsZero();
    EXPECT_EQ(game->output(), "");
}

TEST_F(Hud, ResizedByHandThePictureStretchesAndThePlayGoesOn) {
    start();
    game->resize(600, 400);
    ASSERT_TRUE(waitForGrid([&](const Grid&) {
        const auto [w, h] = game->windowSize();
        return w == 600u && h == 400u;
    }));
    // The whole 1200 x 800 picture is now drawn at half size.
    const double deadline = e2e::now() + 3.0;
    bool stretched = false;
    while (!stretched && e2e::now() < deadline) {
        const Screenshot shot = game->screenshot();
        stretched = shot.width == 600u && shot.count(e2e::GREEN, 0, 0, 600, 400) > 0u &&
                    shot.count(e2e::GREEN, 0, 0, 600, 400) < 4u * 17u * 17u + 200u;
    }
    EXPECT_TRUE(stretched);
    const Screenshot before = game->screenshot();
    bool changed = false;
    for (int i = 0; i < 100 && !changed; ++i) {
        e2e::sleepFor(0.02);
        changed = game->screenshot().pixels != before.pixels;
    }
    EXPECT_TRUE(changed) << "the picture stopped changing after the resize";
    game->resize(1200, 800);
    expectSpaceExitsZero();
}
