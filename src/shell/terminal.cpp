#include "shell/terminal.h"

#include <curses.h>

#include "records/save_game.h"
#include "shell/command_line.h"
#include "shell/drawing.h"
#include "shell/game.h"
#include "shell/platform.h"

volatile std::sig_atomic_t pendingTerminationSignal = 0;

namespace {

// A blocking read wakes up this often to look at the termination flag.
constexpr int kKeyWaitSliceMs = 100;
// Reads that fail at once, many times in a row, mean the terminal is gone.
constexpr int kLostInputFailures = 200;

KeyWaitHook keyWaitHook = nullptr;

void OnTerminationSignal(int signalNumber) { pendingTerminationSignal = signalNumber; }

// The safe point for a termination signal or a lost terminal: a game in play
// is saved (or a dead character's save removed) by the records; before the
// game is ready, or once it is ending, the program just quits.
void ActOnTermination(int signalNumber) {
    if (gameInPlay) OnTerminate(signalNumber);
    QuitGame();
}

// Turns a curses code into the game's key code; -1 for a code that means nothing.
int TranslateKey(int code) {
    if (code >= 0 && code <= 255) return code == '\r' ? kKeyEnter : code;
    switch (code) {
        case KEY_DOWN:
        case KEY_UP:
        case KEY_LEFT:
        case KEY_RIGHT:
        case KEY_HOME:
        case KEY_DC:
        case KEY_NPAGE:
        case KEY_PPAGE:
        case KEY_END:
            return code;
        case KEY_ENTER:
            return kKeyEnter;
        case KEY_BACKSPACE:
            return kKeyBackspace;
        case KEY_A1:
            return kKeypadUpperLeft;
        case KEY_A3:
            return kKeypadUpperRight;
        case KEY_B2:
            return kKeypadCentre;
        case KEY_C1:
            return kKeypadLowerLeft;
        case KEY_C3:
            return kKeypadLowerRight;
        default:
            return -1;
    }
}

}  // namespace

void TerminalStart() {
    mainWindow = initscr();
    TerminalConfigure();
}

void TerminalConfigure() {
    cbreak();
    set_escdelay(25);
    wtimeout(mainWindow, kKeyWaitSliceMs);
}

void TerminalSetInputModes() {
    noecho();
    keypad(mainWindow, TRUE);
}

bool TerminalHasColours() { return has_colors(); }
void TerminalStartColours() { start_color(); }
int TerminalColumns() { return COLS; }
int TerminalRows() { return LINES; }
void TerminalSetCursor(int visibility) { curs_set(visibility); }

void TerminalEnd() {
    if (mainWindow != nullptr && !isendwin()) endwin();
}

void RefreshScreen() { wrefresh(mainWindow); }
void Beep() { beep(); }

int ReadKey() {
    int lostInput = 0;
    for (;;) {
        if (pendingTerminationSignal != 0) ActOnTermination(pendingTerminationSignal);
        const uint32_t before = PlatformTickCount();
        const int code = wgetch(mainWindow);
        if (code != ERR) {
            lostInput = 0;
            const int key = TranslateKey(code);
            if (key >= 0) return key;
            continue;
        }
        // A read that gives up long before its time slice has no terminal behind it.
        if (PlatformTickCount() - before < kKeyWaitSliceMs / 2) {
            if (++lostInput >= kLostInputFailures) ActOnTermination(SIGHUP);
        } else {
            lostInput = 0;
        }
        if (keyWaitHook != nullptr) keyWaitHook();
    }
}

void WaitForSpaceKey() {
    while (ReadKey() != kKeySpace) {
    }
}

int PollKey() {
    if (pendingTerminationSignal != 0) ActOnTermination(pendingTerminationSignal);
    nodelay(mainWindow, TRUE);
    int key = kNoKey;
    for (;;) {
        const int code = wgetch(mainWindow);
        if (code == ERR) break;
        key = TranslateKey(code);
        if (key >= 0) break;
        key = kNoKey;
    }
    nodelay(mainWindow, FALSE);
    wtimeout(mainWindow, kKeyWaitSliceMs);
    return key;
}

std::string ReadLine(int32_t x, int32_t y, int32_t maxChars, ColourCode colour) {
    std::string line;
    for (;;) {
        MoveCursor(x + static_cast<int32_t>(line.size()), y);
        const int key = ReadKey();
        if (key == kKeyEnter) return line;
        if ((key == kKeyBackspace || key == 127) && !line.empty()) {
            line.pop_back();
            DrawChar(' ', x + static_cast<int32_t>(line.size()), y, colour);
        } else if (key >= 32 && key <= 126 && static_cast<int32_t>(line.size()) < maxChars) {
            DrawChar(static_cast<char>(key), x + static_cast<int32_t>(line.size()), y, colour);
            line.push_back(static_cast<char>(key));
        }
    }
}

void CatchTerminationSignals() {
    PlatformSetSignalHandler(SIGTERM, OnTerminationSignal);
    PlatformSetSignalHandler(SIGHUP, OnTerminationSignal);
}

void SetKeyWaitHook(KeyWaitHook hook) { keyWaitHook = hook; }
