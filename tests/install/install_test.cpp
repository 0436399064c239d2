#include "driver.h"

#include <gtest/gtest.h>

#include <X11/keysym.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Result {
    int status;
    std::string output;
};

// Runs a shell command and collects its exit status and combined output.
Result shell(const std::string& command) {
    std::string output;
    FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
    if (pipe == nullptr)
        return {-1, "popen failed"};
    std::array<char, 4096> buffer{};
    while (std::fgets(buffer.data(), buffer.size(), pipe) != nullptr)
        output += buffer.data();
    const int status = ::pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

bool isExecutableFile(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && (info.st_mode & S_IXUSR);
}

std::string linkTarget(const std::string& path) {
    std::array<char, 4096> target{};
    const ssize_t n = ::readlink(path.c_str(), target.data(), target.size() - 1);
    return n < 0 ? std::string() : std::string(target.data(), static_cast<std::size_t>(n));
}

// Width and height from a PNG's header.
std::pair<unsigned, unsigned> pngSize(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::array<unsigned char, 24> header{};
    file.read(reinterpret_cast<char*>(header.data()), header.size());
    if (!file || header[1] != 'P' || header[2] != 'N' || header[3] != 'G')
        return {0, 0};
    const auto big = [&](std::size_t at) {
        return unsigned(header[at]) << 24 | unsigned(header[at + 1]) << 16 |
               unsigned(header[at + 2]) << 8 | unsigned(header[at + 3]);
    };
    return {big(16), big(20)};
}

} // namespace

class Installed : public ::testing::Test {
protected:
    e2e::TempDir dir;

    // The launcher, started from the root folder, shows the board with both fonts
    // found and ends with exit code 0 on Space.
    void expectLauncherPlays(const std::string& launcher) {
        e2e::XServer server;
        e2e::GameProcess game(server, "/", launcher);
        ASSERT_NE(game.waitForWindow(), 0u) << game.errors();
        const double deadline = e2e::now() + 10.0;
        bool board = false;
        while (!board && e2e::now() < deadline) {
            const e2e::Screenshot shot = game.screenshot();
            board = e2e::countCells(shot.grid(), 'G') > 0 &&
                    shot.count(e2e::WHITE, 0, 0, 200, 40) > 30u;
        }
        EXPECT_TRUE(board) << "no board with its HUD";
        game.press(XK_space);
        EXPECT_EQ(game.waitExit(10.0).value_or(-1), 0) << game.errors();
        EXPECT_EQ(game.output(), "");
    }

    // What every install holds, with the command in bin/ (make install) or in
    // games/ (the package); the font links must lead to the system's fonts.
    void expectInstalledTree(const std::string& root, const std::string& commandDir = "bin") {
        EXPECT_TRUE(isExecutableFile(root + "/" + commandDir + "/tarnwik"));
        EXPECT_TRUE(isExecutableFile(root + "/libexec/tarnwik/tarnwik"));
        for (const auto& [link, font] : {std::pair{"arial.ttf", TARNWIK_HUD_FONT},
                                         std::pair{"arcade.ttf", TARNWIK_BANNER_FONT}}) {
            const std::string path = root + "/share/games/tarnwik/Fonts/" + link;
            EXPECT_NE(linkTarget(path), "") << path << " is not a link";
            std::error_code error;
            EXPECT_EQ(std::filesystem::file_size(path, error), std::filesystem::file_size(font))
                << path << " does not lead to " << font;
        }
        for (const unsigned size : {16u, 24u, 32u, 48u, 64u, 128u, 256u, 512u}) {
            const std::string icon = root + "/share/icons/hicolor/" + std::to_string(size) + "x" +
                                     std::to_string(size) + "/apps/tarnwik.png";
            EXPECT_EQ(pngSize(icon), std::make_pair(size, size)) << icon;
        }
        EXPECT_TRUE(
            std::filesystem::exists(root + "/share/icons/hicolor/scalable/apps/tarnwik.svg"));
        const Result valid = shell("desktop-file-validate '" + root +
                                   "/share/applications/org.tarnwik.tarnwik.desktop'");
        EXPECT_EQ(valid.status, 0) << valid.output;
        EXPECT_EQ(valid.output, "");
        const Result manual = shell("MANWIDTH=80 man --warnings -l '" + root +
                                    "/share/man/man6/tarnwik.6.gz' >/dev/null");
        EXPECT_EQ(manual.status, 0) << manual.output;
        EXPECT_EQ(manual.output, "") << "the man page renders with warnings";
    }

    // Stripped: no symbol table left.
    void expectStripped(const std::string& root) {
        EXPECT_EQ(
            shell("readelf -S '" + root + "/libexec/tarnwik/tarnwik' | grep -c symtab").output,
            "0\n");
    }
};

TEST_F(Installed, MakeInstallPlaysFromAnyFolderAndMakeUninstallLeavesNothing) {
    const std::string prefix = dir.path() + "/prefix";
    const std::string make = "make -C '" TARNWIK_SOURCE_DIR "' BUILD_DIR='" TARNWIK_BUILD_DIR "' ";
    const Result install = shell(make + "install PREFIX='" + prefix + "'");
    ASSERT_EQ(install.status, 0) << install.output;
    expectInstalledTree(prefix);
    expectStripped(prefix);
    expectLauncherPlays(prefix + "/bin/tarnwik");

    const Result uninstall = shell(make + "uninstall");
    ASSERT_EQ(uninstall.status, 0) << uninstall.output;
    EXPECT_EQ(shell("find '" + prefix + "' ! -type d").output, "") << "left after uninstall";
    EXPECT_FALSE(std::filesystem::exists(prefix + "/share/games/tarnwik"));
}

TEST_F(Installed, UnderDestdirTheTreeMovesAsAWhole) {
    const Result install = shell("DESTDIR='" + dir.path() + "/stage' cmake --install '" +
                                 TARNWIK_BUILD_DIR + "' --prefix /usr");
    ASSERT_EQ(install.status, 0) << install.output;
    expectInstalledTree(dir.path() + "/stage/usr");
    // Moved elsewhere, the launcher still finds the game and its data.
    ASSERT_EQ(shell("mv '" + dir.path() + "/stage/usr' '" + dir.path() + "/moved'").status, 0);
    expectLauncherPlays(dir.path() + "/moved/bin/tarnwik");
}
