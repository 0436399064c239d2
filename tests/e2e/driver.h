#pragma once

// Drives the real game binary in its own Xvfb: start it, find its window, look at
// it cell by cell, type on it, ask it to close, and collect what it printed.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

// Xlib's macros clash with GoogleTest's names, so Xlib stays inside driver.cpp.
struct _XDisplay;

namespace e2e {

using XDisplay = struct _XDisplay;
using XWindow = unsigned long;

// An Xvfb of its own (-noreset, tall screen), ready for clients once constructed.
class XServer {
public:
    XServer();
    ~XServer();
    XServer(const XServer&) = delete;
    XServer& operator=(const XServer&) = delete;

    const std::string& name() const { return name_; }
    XDisplay* display() const { return display_; }

private:
    pid_t pid_ = -1;
    std::string name_;
    XDisplay* display_ = nullptr;
};

// A folder under /tmp that is removed with everything in it.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }
    // Writes a file (creating folders on the way) with the given bytes.
    void write(const std::string& relative, const std::string& bytes) const;
    void makeDir(const std::string& relative) const;
    void copyFrom(const std::string& source, const std::string& relative) const;

private:
    std::string path_;
};

struct Rgb {
    std::uint8_t r, g, b;
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
};

constexpr Rgb BLACK{0, 0, 0};
constexpr Rgb GREEN{0, 255, 0};
constexpr Rgb RED{255, 0, 0};
constexpr Rgb WHITE{255, 255, 255};

constexpr int GRID_COLS = 30;
constexpr int GRID_ROWS = 20;
constexpr int CELL_PX = 40;

// Each cell by what covers most of its interior: 'G' chain, 'R' apple, '.' empty,
// '?' anything else (text, the banner).
using Grid = std::array<std::array<char, GRID_COLS>, GRID_ROWS>;

struct Screenshot {
    unsigned width = 0;
    unsigned height = 0;
    std::vector<Rgb> pixels;

    Rgb at(unsigned x, unsigned y) const { return pixels[y * width + x]; }
    unsigned count(Rgb colour, unsigned x0, unsigned y0, unsigned x1, unsigned y1) const;
    Grid grid() const;
};

int countCells(const Grid& grid, char kind);
std::string describe(const Grid& grid);

// The game binary, started in a working directory with its standard output and
// error captured.
class GameProcess {
public:
    // With no binary given, runs gameCommand().
    GameProcess(const XServer& server, const std::string& workingDirectory,
                const std::string& binary = "");
    ~GameProcess();
    GameProcess(const GameProcess&) = delete;
    GameProcess& operator=(const GameProcess&) = delete;

    // Waits until a viewable top-level window with this title exists; 0 if none came.
    XWindow waitForWindow(double seconds = 15.0, const std::string& title = "TARNWIK");
    XWindow window() const { return window_; }
    std::string title() const;
    std::pair<unsigned, unsigned> windowSize() const;

    Screenshot screenshot() const;

    // Key press and release through XTEST, as a keyboard would send them.
    void press(unsigned long keysym) const;
    void pressWith(unsigned long modifierKeysym, unsigned long keysym) const;
    void pressMany(const std::vector<unsigned long>& keysyms) const;
    // The window manager's close request (WM_DELETE_WINDOW).
    void requestClose() const;
    void resize(unsigned width, unsigned height) const;

    bool running();
    // The exit code, or nothing if the process is still running after the wait.
    std::optional<int> waitExit(double seconds = 10.0);
    // Standard output, with Windows' CRLF line ends read as plain ones.
    std::string output();
    std::string errors();

    // Memory and processor time so far, from /proc.
    std::size_t residentKiB() const;
    std::size_t peakResidentKiB() const;
    double cpuSeconds() const;

private:
    void drain();

    const XServer& server_;
    pid_t pid_ = -1;
    int outFd_ = -1;
    int errFd_ = -1;
    std::string out_;
    std::string err_;
    std::optional<int> exitCode_;
    XWindow window_ = 0;
};

// The game under test: the built binary, or the command in TARNWIK_E2E_COMMAND
// (words split at spaces, such as "wine /path/tarnwik.exe"), started by default
// in the build tree or in TARNWIK_E2E_GAME_DIR, where Fonts/ lies.
std::vector<std::string> gameCommand();
std::string gameDirectory();

void sleepFor(double seconds);
double now();

} // namespace e2e
