#include "driver.h"

#include <gtest/gtest.h>

#include <X11/keysym.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <set>
#include <unistd.h>
#include <vector>

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

    void expectInstalledTree(const std::string& root) {
        EXPECT_TRUE(isExecutableFile(root + "/bin/tarnwik"));
        EXPECT_TRUE(isExecutableFile(root + "/libexec/tarnwik/tarnwik"));
        EXPECT_EQ(linkTarget(root + "/share/tarnwik/Fonts/arial.ttf"), TARNWIK_HUD_FONT);
        EXPECT_EQ(linkTarget(root + "/share/tarnwik/Fonts/arcade.ttf"), TARNWIK_BANNER_FONT);
        const std::string icon = root + "/share/icons/hicolor/128x128/apps/tarnwik.png";
        EXPECT_EQ(pngSize(icon), std::make_pair(128u, 128u));
        const std::string entry = root + "/share/applications/tarnwik.desktop";
        const Result valid = shell("desktop-file-validate '" + entry + "'");
        EXPECT_EQ(valid.status, 0) << valid.output;
        EXPECT_EQ(valid.output, "");
    }
};

TEST_F(Installed, IntoAPrefixGivesALauncherThatPlaysFromAnyFolder) {
    const std::string prefix = dir.path() + "/prefix";
    const Result install =
        shell("cmake --install '" TARNWIK_BUILD_DIR "' --prefix '" + prefix + "'");
    ASSERT_EQ(install.status, 0) << install.output;
    expectInstalledTree(prefix);
    expectLauncherPlays(prefix + "/bin/tarnwik");
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

TEST_F(Installed, AsADebianPackageWithItsDependencies) {
    const Result pack = shell("cd '" TARNWIK_BUILD_DIR "' && cpack 2>&1");
    ASSERT_EQ(pack.status, 0) << pack.output;
    const std::string deb = std::string(TARNWIK_BUILD_DIR) + "/tarnwik_" TARNWIK_VERSION "_" +
                            shell("dpkg --print-architecture | tr -d '\\n'").output + ".deb";
    ASSERT_EQ(::access(deb.c_str(), R_OK), 0) << "no " << deb << "\n" << pack.output;

    const auto field = [&](const std::string& name) {
        return shell("dpkg-deb -f '" + deb + "' " + name + " | tr -d '\\n'").output;
    };
    EXPECT_EQ(field("Package"), "tarnwik");
    EXPECT_EQ(field("Section"), "games");
    EXPECT_NE(field("Maintainer"), "");
    // The packages that hold the libraries the game links to, as this system names them.
    const std::string linked =
        shell("ldd '" TARNWIK_BINARY "' | awk '/libsfml/ {print $3}' | "
              "xargs -r readlink -f | xargs -r dpkg-query -S | cut -d: -f1 | sort -u")
            .output;
    std::istringstream libraryPackages(linked);
    std::vector<std::string> needed{"fonts-liberation2", "fonts-dotgothic16"};
    for (std::string name; std::getline(libraryPackages, name);)
        needed.push_back(name);
    ASSERT_EQ(needed.size(), 5u) << "expected the three SFML packages in:\n" << linked;
    const std::string depends = field("Depends");
    std::set<std::string> dependsOn;
    std::istringstream entries(depends);
    for (std::string entry; std::getline(entries, entry, ',');)
        dependsOn.insert(entry.substr(entry.find_first_not_of(' '),
                                      entry.find_first_of(" (", entry.find_first_not_of(' ')) -
                                          entry.find_first_not_of(' ')));
    for (const std::string& name : needed)
        EXPECT_EQ(dependsOn.count(name), 1u) << name << " missing in " << depends;

    const std::string contents = shell("dpkg-deb -c '" + deb + "'").output;
    for (const char* path : {"./usr/bin/tarnwik", "./usr/libexec/tarnwik/tarnwik",
                             "./usr/share/applications/tarnwik.desktop",
                             "./usr/share/icons/hicolor/128x128/apps/tarnwik.png"})
        EXPECT_NE(contents.find(path), std::string::npos) << path << " missing:\n" << contents;
    EXPECT_NE(contents.find("./usr/share/tarnwik/Fonts/arial.ttf -> " TARNWIK_HUD_FONT),
              std::string::npos)
        << contents;
    std::istringstream lines(contents);
    for (std::string line; std::getline(lines, line);) {
        // Links start with 'l'; a regular file with '-'.
        if (line.find(".ttf") != std::string::npos) {
            EXPECT_EQ(line[0], 'l') << "a font file is in the package: " << line;
        }
    }

    const std::string root = dir.path() + "/root";
    ASSERT_EQ(shell("dpkg-deb -x '" + deb + "' '" + root + "'").status, 0);
    expectInstalledTree(root + "/usr");
    expectLauncherPlays(root + "/usr/bin/tarnwik");
}
