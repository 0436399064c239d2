#include "game.h"

#ifdef _WIN32
#include "windows_console.h"
#endif

int main() {
#ifdef _WIN32
    connectStandardOutput();
#endif
    Game game{};
    game.run();
    return 0;
}
