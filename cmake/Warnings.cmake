# The one set of warnings, the folder-independent paths of reproducible builds,
# and the hardening of Debian's release builds, that every target of the
# project is built with. In a sanitizer build (TARNWIK_SANITIZE) the same
# function adds the sanitizers instead of the hardening, so that no target is
# left out.

option(TARNWIK_SANITIZE "Build every target with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

include(CheckPIESupported)
check_pie_supported()

function(tarnwik_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wshadow -Wconversion -Wpedantic)
    # The folders a build happens in stay out of what it makes (debug information,
    # the build ID), so the same source gives the same bytes in any folder. The
    # later map wins where both apply (a build folder inside the source).
    target_compile_options(${target} PRIVATE "-ffile-prefix-map=${PROJECT_SOURCE_DIR}=."
        "-ffile-prefix-map=${CMAKE_BINARY_DIR}=build")
    if(TARNWIK_SANITIZE)
        set(sanitizers -fsanitize=address,undefined -fno-sanitize-recover=all)
        target_compile_options(${target} PRIVATE ${sanitizers} -fno-omit-frame-pointer)
        target_link_options(${target} PRIVATE ${sanitizers})
    elseif(CMAKE_SYSTEM_NAME STREQUAL "Linux")
        # What dpkg-buildflags' hardening=+all gives: position-independent code,
        # stack protection, fortified libc calls (they need the optimiser, and some
        # compilers define them already) and read-only relocations bound at start.
        set_target_properties(${target} PROPERTIES POSITION_INDEPENDENT_CODE ON)
        target_compile_options(${target} PRIVATE -fstack-protector-strong -fstack-clash-protection
            "$<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")
        if(CMAKE_SYSTEM_PROCESSOR MATCHES "x86_64|AMD64|i.86")
            target_compile_options(${target} PRIVATE -fcf-protection)
        elseif(CMAKE_SYSTEM_PROCESSOR MATCHES "aarch64|arm64")
            target_compile_options(${target} PRIVATE -mbranch-protection=standard)
        endif()
        target_link_options(${target} PRIVATE -Wl,-z,relro -Wl,-z,now)
    endif()
endfunction()
