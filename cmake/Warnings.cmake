# The one set of warnings that every target of the project is built with.
function(tarnwik_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wshadow -Wconversion -Wpedantic)
endfunction()
