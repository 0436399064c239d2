# Cross builds for 64-bit ARM Linux (arm64: Raspberry Pi OS 64-bit and other
# Debian systems) with Debian's cross compiler. The arm64 libraries come from
# Debian's multiarch packages (libsfml-dev:arm64), which lie beside this
# machine's in /usr, so only the library folder differs; programs are this
# machine's.

set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CMAKE_LIBRARY_ARCHITECTURE aarch64-linux-gnu)

set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)

set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
