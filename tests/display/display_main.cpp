#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

// SFML aborts the process without an X display; say what is missing instead.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    const char* display = std::getenv("DISPLAY");
    const bool listing = ::testing::GTEST_FLAG(list_tests);
    if (!listing && (display == nullptr || *display == '\0')) {
        std::fprintf(stderr, "These tests open windows and need an X display: run them through "
                             "'make test' or 'xvfb-run ctest'.\n");
        return 1;
    }
    return RUN_ALL_TESTS();
}
