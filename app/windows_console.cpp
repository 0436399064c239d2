#include "windows_console.h"

#include <windows.h>

#include <cstdio>

// A file or pipe that the starter handed down (tarnwik.exe > log.txt, or a
// test driver's pipe) already serves standard output, and stays. Otherwise,
// started from cmd or PowerShell, the program writes to that console; started
// from Explorer or the Start menu there is none, and the lines go nowhere.
void connectStandardOutput() {
    const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    const bool inherited = out != nullptr && out != INVALID_HANDLE_VALUE &&
                           (GetFileType(out) == FILE_TYPE_DISK || GetFileType(out) == FILE_TYPE_PIPE);
    if (inherited || !AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    std::freopen("CONOUT$", "w", stdout);
}
