# The tests and benchmarks are built only where the libraries they need are
# found, so that playing needs no more than the game's own libraries. With
# TARNWIK_REQUIRE_TESTS (what `make test` sets) a missing library stops the
# configure step instead, so that no suite is ever skipped in silence.

option(TARNWIK_REQUIRE_TESTS
    "Stop when a library the tests or benchmarks need is missing, instead of leaving them out" OFF)

# Says in one line what is left out and why, or stops when it is required.
function(tarnwik_left_out what packages)
    string(REPLACE ";" " " packages "${packages}")
    if(TARNWIK_REQUIRE_TESTS)
        message(FATAL_ERROR "${what} need what the Debian packages ${packages} hold, and it "
            "is missing: run 'make test-deps'.")
    endif()
    message(NOTICE "-- ${what} are left out: install ${packages} to have them")
endfunction()
