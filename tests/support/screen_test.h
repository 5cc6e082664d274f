#pragma once
// Screen tests: the game's own drawing and key reading on real curses, over a
// pseudo-terminal of 80x25 that nobody looks at. Keys are typed into the
// terminal before the code under test runs; the screen is read back from
// curses cell by cell.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <functional>
#include <stdexcept>
#include <string>
#include <sys/types.h>

#include "support/game_state.h"
#include "toolkit/colour.h"

// Thrown out of the key read when the code under test waits for a key that the
// test did not type (every key is typed before the code runs).
class KeyStarvation : public std::runtime_error {
public:
    KeyStarvation() : std::runtime_error("the code under test waits for a key that the test did not type") {}
};

// What ColourAt gives for a cell drawn without any colour pair.
constexpr ColourCode kNoColourCode = 0xFFFF;

class ScreenTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Types characters, as a player would.
    void Type(const std::string& keys);
    // Presses one key: a character, or a curses key code such as KEY_DOWN or KEY_A1.
    void Press(int key);

    // The 80 characters of a row.
    std::string Row(int row) const;
    std::string TextAt(int row, int column, int length) const;
    char CharAt(int row, int column) const;
    // The colour code that draws like this cell (the lowest such code), from
    // its colour pair and bold; kNoColourCode for a cell without a pair.
    ColourCode ColourAt(int row, int column) const;
    int PairAt(int row, int column) const;
    bool BoldAt(int row, int column) const;
    // The whole screen as text, for failure messages.
    std::string Dump() const;

    // Runs code that reads keys until the typed keys run out: true when it then
    // waited for one more (the screen shows its state at that moment), false
    // when it returned by itself.
    static bool RunUntilItWaitsForAKey(const std::function<void()>& code);

private:
    uint64_t Cell(int row, int column) const;
    void Send(const std::string& bytes);

    int master_ = -1;
    int slave_ = -1;
    std::FILE* input_ = nullptr;
    std::FILE* output_ = nullptr;
    struct screen* screen_ = nullptr;
    // The small process that reads away whatever curses writes. A process, not
    // a thread: the test process stays single-threaded, so a death test may fork.
    pid_t drainer_ = -1;
};
