#include "driver.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <signal.h>
#include <sstream>
#include <stdexcept>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace e2e {

namespace {

[[noreturn]] void fail(const std::string& what) {
    throw std::runtime_error("e2e: " + what);
}

void closeFd(int& fd) {
    if (fd >= 0)
        ::close(fd);
    fd = -1;
}

// Reads whatever the pipe holds now without waiting for more.
void readAvailable(int fd, std::string& into) {
    if (fd < 0)
        return;
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n <= 0)
            return;
        into.append(buffer, static_cast<std::size_t>(n));
    }
}

std::string windowName(Display* display, Window window) {
    char* name = nullptr;
    std::string result;
    if (XFetchName(display, window, &name) && name != nullptr) {
        result = name;
        XFree(name);
    }
    return result;
}

int ignoreXErrors(Display*, XErrorEvent*) {
    return 0;
}

} // namespace

double now() {
    using clock = std::chrono::steady_clock;
    return std::chrono::duration<double>(clock::now().time_since_epoch()).count();
}

void sleepFor(double seconds) {
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
}

// ---------------------------------------------------------------- XServer

XServer::XServer() {
    int fds[2];
    if (::pipe(fds) != 0)
        fail("pipe for Xvfb");
    pid_ = ::fork();
    if (pid_ < 0)
        fail("fork for Xvfb");
    if (pid_ == 0) {
        ::close(fds[0]);
        const int quiet = ::open("/dev/null", O_WRONLY);
        ::dup2(quiet, STDOUT_FILENO);
        ::dup2(quiet, STDERR_FILENO);
        const std::string fd = std::to_string(fds[1]);
        ::execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-noreset", "-nolisten", "tcp",
                 "-screen", "0", "1600x1600x24", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(fds[1]);

    // Xvfb writes the number of the display it took once it listens.
    std::string number;
    char c;
    while (::read(fds[0], &c, 1) == 1 && c != '\n')
        number += c;
    ::close(fds[0]);
    if (number.empty()) {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
        fail("Xvfb did not start (is the xvfb package installed?)");
    }
    name_ = ":" + number;

    XSetErrorHandler(ignoreXErrors);
    const double deadline = now() + 10.0;
    while ((display_ = XOpenDisplay(name_.c_str())) == nullptr) {
        if (now() > deadline)
            fail("Xvfb on " + name_ + " does not answer");
        sleepFor(0.05);
    }
}

XServer::~XServer() {
    if (display_ != nullptr)
        XCloseDisplay(display_);
    if (pid_ > 0) {
        ::kill(pid_, SIGTERM);
        ::waitpid(pid_, nullptr, 0);
    }
}

// ---------------------------------------------------------------- TempDir

TempDir::TempDir() {
    char pattern[] = "/tmp/tarnwik-e2e-XXXXXX";
    if (::mkdtemp(pattern) == nullptr)
        fail("mkdtemp");
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void TempDir::makeDir(const std::string& relative) const {
    std::filesystem::create_directories(std::filesystem::path(path_) / relative);
}

void TempDir::write(const std::string& relative, const std::string& bytes) const {
    const std::filesystem::path file_path = std::filesystem::path(path_) / relative;
    std::filesystem::create_directories(file_path.parent_path());
    std::ofstream file(file_path, std::ios::binary);
    file << bytes;
    if (!file)
        fail("write " + relative);
}

void TempDir::copyFrom(const std::string& source, const std::string& relative) const {
    std::ifstream in(source, std::ios::binary);
    if (!in)
        fail("read " + source);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    write(relative, bytes.str());
}

// ---------------------------------------------------------------- Screenshot

unsigned Screenshot::count(Rgb colour, unsigned x0, unsigned y0, unsigned x1, unsigned y1) const {
    unsigned n = 0;
    for (unsigned y = y0; y < y1 && y < height; ++y) {
        for (unsigned x = x0; x < x1 && x < width; ++x) {
            if (at(x, y) == colour)
                ++n;
        }
    }
    return n;
}

Grid Screenshot::grid() const {
    Grid grid{};
    constexpr unsigned inset = 3;
    constexpr unsigned interior = (CELL_PX - 2 * inset) * (CELL_PX - 2 * inset);
    for (int row = 0; row < GRID_ROWS; ++row) {
        for (int col = 0; col < GRID_COLS; ++col) {
            const unsigned x0 = static_cast<unsigned>(col * CELL_PX) + inset;
            const unsigned y0 = static_cast<unsigned>(row * CELL_PX) + inset;
            const unsigned x1 = x0 + CELL_PX - 2 * inset;
            const unsigned y1 = y0 + CELL_PX - 2 * inset;
            char kind = '?';
            if (count(GREEN, x0, y0, x1, y1) * 2 > interior)
                kind = 'G';
            else if (count(RED, x0, y0, x1, y1) * 2 > interior)
                kind = 'R';
            else if (count(BLACK, x0, y0, x1, y1) == interior)
                kind = '.';
            grid[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)] = kind;
        }
    }
    return grid;
}

int countCells(const Grid& grid, char kind) {
    int n = 0;
    for (const auto& row : grid) {
        for (const char c : row)
            n += c == kind;
    }
    return n;
}

std::string describe(const Grid& grid) {
    std::string text = "\n";
    for (const auto& row : grid) {
        text.append(row.begin(), row.end());
        text += '\n';
    }
    return text;
}

// ---------------------------------------------------------------- GameProcess

GameProcess::GameProcess(const XServer& server, const std::string& workingDirectory,
                         const std::string& binary)
    : server_(server) {
    int out[2];
    int err[2];
    if (::pipe(out) != 0 || ::pipe(err) != 0)
        fail("pipes for the game");
    pid_ = ::fork();
    if (pid_ < 0)
        fail("fork for the game");
    if (pid_ == 0) {
        ::dup2(out[1], STDOUT_FILENO);
        ::dup2(err[1], STDERR_FILENO);
        ::close(out[0]);
        ::close(err[0]);
        if (::chdir(workingDirectory.c_str()) != 0)
            ::_exit(126);
        ::setenv("DISPLAY", server.name().c_str(), 1);
        const std::vector<std::string> words =
            binary.empty() ? gameCommand() : std::vector<std::string>{binary};
        std::vector<char*> argv;
        for (const std::string& word : words)
            argv.push_back(const_cast<char*>(word.c_str()));
        argv.push_back(nullptr);
        ::execvp(argv[0], argv.data());
        ::_exit(127);
    }
    ::close(out[1]);
    ::close(err[1]);
    outFd_ = out[0];
    errFd_ = err[0];
    ::fcntl(outFd_, F_SETFL, O_NONBLOCK);
    ::fcntl(errFd_, F_SETFL, O_NONBLOCK);
}

GameProcess::~GameProcess() {
    if (running()) {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
    }
    closeFd(outFd_);
    closeFd(errFd_);
}

void GameProcess::drain() {
    readAvailable(outFd_, out_);
    readAvailable(errFd_, err_);
}

XWindow GameProcess::waitForWindow(double seconds, const std::string& title) {
    Display* display = server_.display();
    const double deadline = now() + seconds;
    while (now() < deadline && running()) {
        Window root = 0;
        Window parent = 0;
        Window* children = nullptr;
        unsigned count = 0;
        if (XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count)) {
            for (unsigned i = 0; i < count && window_ == 0; ++i) {
                XWindowAttributes attributes;
                if (XGetWindowAttributes(display, children[i], &attributes) &&
                    attributes.map_state == IsViewable && windowName(display, children[i]) == title)
                    window_ = children[i];
            }
            if (children != nullptr)
                XFree(children);
        }
        if (window_ != 0) {
            // Without a window manager the keyboard focus has to be given by hand.
            XSetInputFocus(display, window_, RevertToPointerRoot, CurrentTime);
            XSync(display, False);
            return window_;
        }
        sleepFor(0.05);
    }
    return 0;
}

std::string GameProcess::title() const {
    return windowName(server_.display(), window_);
}

std::pair<unsigned, unsigned> GameProcess::windowSize() const {
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(server_.display(), window_, &attributes))
        return {0, 0};
    return {static_cast<unsigned>(attributes.width), static_cast<unsigned>(attributes.height)};
}

Screenshot GameProcess::screenshot() const {
    Display* display = server_.display();
    XSync(display, False);
    const auto [width, height] = windowSize();
    Screenshot shot;
    if (width == 0 || height == 0)
        return shot;
    XImage* image = XGetImage(display, window_, 0, 0, width, height, AllPlanes, ZPixmap);
    if (image == nullptr)
        return shot;
    shot.width = width;
    shot.height = height;
    shot.pixels.resize(static_cast<std::size_t>(width) * height);
    for (unsigned y = 0; y < height; ++y) {
        for (unsigned x = 0; x < width; ++x) {
            const unsigned long p = XGetPixel(image, static_cast<int>(x), static_cast<int>(y));
            shot.pixels[y * width + x] =
                Rgb{static_cast<std::uint8_t>((p & image->red_mask) >> 16),
                    static_cast<std::uint8_t>((p & image->green_mask) >> 8),
                    static_cast<std::uint8_t>(p & image->blue_mask)};
        }
    }
    XDestroyImage(image);
    return shot;
}

void GameProcess::press(unsigned long keysym) const {
    pressMany({keysym});
}

void GameProcess::pressWith(unsigned long modifierKeysym, unsigned long keysym) const {
    Display* display = server_.display();
    const KeyCode modifier = XKeysymToKeycode(display, modifierKeysym);
    XTestFakeKeyEvent(display, modifier, True, CurrentTime);
    const KeyCode key = XKeysymToKeycode(display, keysym);
    XTestFakeKeyEvent(display, key, True, CurrentTime);
    XTestFakeKeyEvent(display, key, False, CurrentTime);
    XTestFakeKeyEvent(display, modifier, False, CurrentTime);
    XSync(display, False);
}

void GameProcess::pressMany(const std::vector<unsigned long>& keysyms) const {
    Display* display = server_.display();
    for (const unsigned long keysym : keysyms) {
        const KeyCode key = XKeysymToKeycode(display, keysym);
        XTestFakeKeyEvent(display, key, True, CurrentTime);
        XTestFakeKeyEvent(display, key, False, CurrentTime);
    }
    XSync(display, False);
}

void GameProcess::requestClose() const {
    Display* display = server_.display();
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window_;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window_, False, NoEventMask, &event);
    XSync(display, False);
}

void GameProcess::resize(unsigned width, unsigned height) const {
    XResizeWindow(server_.display(), window_, width, height);
    XSync(server_.display(), False);
}

bool GameProcess::running() {
    if (exitCode_)
        return false;
    int status = 0;
    const pid_t done = ::waitpid(pid_, &status, WNOHANG);
    if (done == pid_) {
        exitCode_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        return false;
    }
    return true;
}

std::optional<int> GameProcess::waitExit(double seconds) {
    const double deadline = now() + seconds;
    while (running() && now() < deadline) {
        drain();
        sleepFor(0.02);
    }
    drain();
    return exitCode_;
}

std::string GameProcess::output() {
    drain();
    std::string text = out_;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at))
        text.erase(at, 1);
    return text;
}

std::vector<std::string> gameCommand() {
    const char* command = std::getenv("TARNWIK_E2E_COMMAND");
    if (command == nullptr || *command == '\0')
        return {TARNWIK_BINARY};
    std::vector<std::string> words;
    std::istringstream split(command);
    for (std::string word; split >> word;)
        words.push_back(word);
    return words;
}

std::string gameDirectory() {
    const char* directory = std::getenv("TARNWIK_E2E_GAME_DIR");
    return directory != nullptr && *directory != '\0' ? directory : TARNWIK_BUILD_DIR;
}

std::string GameProcess::errors() {
    drain();
    return err_;
}

namespace {

std::size_t statusKiB(pid_t pid, const std::string& field) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field, 0) == 0)
            return std::stoul(line.substr(field.size()));
    }
    return 0;
}

} // namespace

std::size_t GameProcess::residentKiB() const {
    return statusKiB(pid_, "VmRSS:");
}

std::size_t GameProcess::peakResidentKiB() const {
    return statusKiB(pid_, "VmHWM:");
}

double GameProcess::cpuSeconds() const {
    // Nanoseconds on a processor, per thread (the renderer runs threads of its
    // own), summed over the threads alive now.
    const std::string tasks = "/proc/" + std::to_string(pid_) + "/task";
    DIR* dir = ::opendir(tasks.c_str());
    if (dir == nullptr)
        return 0.0;
    double total = 0.0;
    while (const dirent* entry = ::readdir(dir)) {
        if (entry->d_name[0] == '.')
            continue;
        std::ifstream stat(tasks + "/" + entry->d_name + "/schedstat");
        double nanoseconds = 0.0;
        if (stat >> nanoseconds)
            total += nanoseconds;
    }
    ::closedir(dir);
    return total / 1e9;
}

} // namespace e2e
