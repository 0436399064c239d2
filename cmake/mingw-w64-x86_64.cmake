# Cross builds for 64-bit Windows with Debian's MinGW-w64 (the -posix compilers,
# whose C++ library has std::thread). Libraries built for Windows are looked
# for in CMAKE_FIND_ROOT_PATH (give the prefix on the command line) and in the
# toolchain's own folder; programs are this machine's.

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TARNWIK_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TARNWIK_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TARNWIK_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${TARNWIK_MINGW}-windres)

list(APPEND CMAKE_FIND_ROOT_PATH /usr/${TARNWIK_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# One executable that needs nothing beside it: the compiler's own runtime
# (libgcc, libstdc++, winpthread) goes inside. The linker would stamp the time
# of linking into the program's header; a build is the same bytes without it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++ -Wl,--no-insert-timestamp")
