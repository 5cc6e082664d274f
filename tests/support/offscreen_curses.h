#pragma once
// A real curses screen that writes to /dev/null, so a test can draw through the game's
// drawing functions and read back what curses holds, cell by cell.
#include <curses.h>

#include <cstdio>

#include "shell/game.h"

class OffscreenCurses {
public:
    OffscreenCurses()
        : output_(std::fopen("/dev/null", "w")), input_(std::fopen("/dev/null", "r")),
          screen_(newterm("xterm", output_, input_)) {
        if (screen_ == nullptr) return;
        set_term(screen_);
        resizeterm(25, 80);
        erase();
        mainWindow = stdscr;  // the game draws into mainWindow
    }
    ~OffscreenCurses() {
        if (screen_ != nullptr) {
            endwin();
            delscreen(screen_);
            mainWindow = nullptr;
        }
        if (output_ != nullptr) std::fclose(output_);
        if (input_ != nullptr) std::fclose(input_);
    }
    OffscreenCurses(const OffscreenCurses&) = delete;
    OffscreenCurses& operator=(const OffscreenCurses&) = delete;

    bool Ready() const { return screen_ != nullptr; }
    void Clear() const { erase(); }
    // The character at column x, row y; ' ' where nothing was drawn.
    char At(int x, int y) const { return static_cast<char>(mvinch(y, x) & A_CHARTEXT); }

private:
    std::FILE* output_;
    std::FILE* input_;
    SCREEN* screen_;
};
