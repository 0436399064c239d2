#pragma once

#include "driver.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

// Each end-to-end case gets a fresh X server and starts the game in it.
class EndToEnd : public ::testing::Test {
protected:
    e2e::XServer server;
    std::unique_ptr<e2e::GameProcess> game;

    // Starts the game in a working directory (where Fonts/ is, by default) and
    // waits until its window shows the board.
    void start(const std::string& workingDirectory = e2e::gameDirectory()) {
        game = std::make_unique<e2e::GameProcess>(server, workingDirectory);
        ASSERT_NE(game->waitForWindow(), 0u) << "no window; stderr: " << game->errors();
        ASSERT_TRUE(waitForGrid([](const e2e::Grid& g) { return e2e::countCells(g, 'G') > 0; }))
            << "the board never showed";
    }

    // Takes screenshots until one satisfies the predicate.
    template <typename Predicate> bool waitForGrid(Predicate predicate, double seconds = 10.0) {
        const double deadline = e2e::now() + seconds;
        while (e2e::now() < deadline) {
            if (predicate(game->screenshot().grid()))
                return true;
            e2e::sleepFor(0.02);
        }
        return false;
    }

    // Ends the game with a close request and returns its exit code (-1: it did not end).
    int closeAndWait() {
        game->requestClose();
        return game->waitExit(10.0).value_or(-1);
    }
};
