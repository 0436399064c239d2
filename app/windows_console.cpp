#include "windows_console.h"

#include <windows.h>

#include <cstdio>

// Standard output that the starter redirected (tarnwik.exe > log.txt, > NUL, or
// a test driver's pipe) stays where it was sent. Otherwise, started from cmd or
// PowerShell, the program writes to that console; started from Explorer or the
// Start menu there is none, and the lines go nowhere.
void connectStandardOutput() {
    const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    DWORD consoleMode = 0;
    const bool redirected = out != nullptr && out != INVALID_HANDLE_VALUE &&
                            GetFileType(out) != FILE_TYPE_UNKNOWN &&
                            !GetConsoleMode(out, &consoleMode);
    if (redirected || !AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    std::freopen("CONOUT$", "w", stdout);
}
