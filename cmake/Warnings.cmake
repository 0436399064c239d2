# The one set of warnings that every target of the project is built with. In a
# sanitizer build (TARNWIK_SANITIZE) the same function adds the sanitizers, so
# that no target is left out.

option(TARNWIK_SANITIZE "Build every target with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

function(tarnwik_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wshadow -Wconversion -Wpedantic)
    if(TARNWIK_SANITIZE)
        set(sanitizers -fsanitize=address,undefined -fno-sanitize-recover=all)
        target_compile_options(${target} PRIVATE ${sanitizers} -fno-omit-frame-pointer)
        target_link_options(${target} PRIVATE ${sanitizers})
    endif()
endfunction()
