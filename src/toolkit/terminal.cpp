#include "toolkit/terminal.h"

#include <curses.h>

#include <algorithm>

#include "toolkit/drawing.h"
#include "toolkit/platform.h"
#include "toolkit/toolkit_hooks.h"

volatile std::sig_atomic_t pendingTerminationSignal = 0;

namespace {

// A blocking read wakes up this often to look at the termination flag.
constexpr int kKeyWaitSliceMs = 100;
// Reads that fail at once, many times in a row, mean the terminal is gone.
constexpr int kLostInputFailures = 200;

// The bytes of an escape sequence after its Escape: the introducers of a control
// sequence ('[') and of a single shift ('O'), the range of its parameter and
// intermediate bytes, and the range of its final byte.
constexpr int kControlSequence = '[';
constexpr int kSingleShift = 'O';
constexpr int kFirstSequenceByte = 0x20;
constexpr int kFirstFinalByte = 0x40;
constexpr int kLastFinalByte = 0x7E;
constexpr int kSequenceByteWaitMs = 25;

KeyWaitHook keyWaitHook = nullptr;
int keyWaitHookSliceMs = kKeyWaitSliceMs;

void OnTerminationSignal(int signalNumber) { pendingTerminationSignal = signalNumber; }

// The safe point for a termination signal or a lost terminal: the game above
// decides what becomes of a game in play, and ends the program. Without it, or
// should it come back, the signal ends the program as it would any other.
[[noreturn]] void ActOnTermination(int signalNumber) {
    if (toolkitHooks.terminate != nullptr) toolkitHooks.terminate(signalNumber);
    TerminalEnd();
    PlatformEndBySignal(signalNumber);
}

void ActOnPendingTermination() {
    if (pendingTerminationSignal != 0) ActOnTermination(pendingTerminationSignal);
}

// One curses read that waits at most sliceMs; ERR when no key came. A read
// that gives up long before its time has no terminal behind it: many of those
// in a row end the program as a hang-up would.
int ReadCodeWithin(int sliceMs, int& lostInput) {
    ActOnPendingTermination();
    wtimeout(mainWindow, sliceMs);
    const uint32_t before = PlatformTickCount();
    const int code = wgetch(mainWindow);
    if (code != ERR) {
        lostInput = 0;
        return code;
    }
    if (PlatformTickCount() - before < static_cast<uint32_t>(sliceMs / 2)) {
        if (++lostInput >= kLostInputFailures) ActOnTermination(SIGHUP);
    } else {
        lostInput = 0;
    }
    return ERR;
}

// After an Escape that curses matched to no key: the rest of an escape sequence
// that the terminal description does not know (a TERM that does not match the
// terminal sends Home as ESC [ 1 ~). It is read to its end and dropped whole,
// so that none of its bytes acts as a key; true when there was one. Curses has
// already waited its escape delay for the bytes after an Escape, so an Escape
// pressed alone finds nothing after it and answers at once.
bool SkipUnknownSequence() {
    const int delay = wgetdelay(mainWindow);
    wtimeout(mainWindow, 0);
    const int introducer = wgetch(mainWindow);
    if (introducer != kControlSequence && introducer != kSingleShift) {
        if (introducer != ERR) ungetch(introducer);
        wtimeout(mainWindow, delay);
        return false;
    }
    // A terminal may hand the sequence on in parts: a short wait for each byte.
    wtimeout(mainWindow, kSequenceByteWaitMs);
    for (int code = wgetch(mainWindow); code != ERR; code = wgetch(mainWindow)) {
        // A single shift is followed by one byte; a control sequence by parameter and
        // intermediate bytes up to its final byte.
        if (introducer == kSingleShift || (code >= kFirstFinalByte && code <= kLastFinalByte)) break;
        if (code < kFirstSequenceByte || code > kLastFinalByte) {
            ungetch(code);  // not part of a sequence: a key of its own
            break;
        }
    }
    wtimeout(mainWindow, delay);
    return true;
}

// Turns a curses code into the game's key code; -1 for a code that means nothing.
int TranslateKey(int code) {
    if (code == kKeyEscape && SkipUnknownSequence()) return -1;
    if (code >= 0 && code <= 255) return code == '\r' ? kKeyEnter : code;
    switch (code) {
        case KEY_RESIZE:
            // The terminal changed size under the game: everything is drawn again.
            RepaintScreen();
            return -1;
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

void Beep() { beep(); }

int ReadKey() {
    int lostInput = 0;
    for (;;) {
        const int code = ReadCodeWithin(keyWaitHook != nullptr ? keyWaitHookSliceMs : kKeyWaitSliceMs, lostInput);
        if (code != ERR) {
            const int key = TranslateKey(code);
            if (key >= 0) return key;
            continue;
        }
        if (keyWaitHook != nullptr) keyWaitHook();
    }
}

void WaitForSpaceKey() {
    while (ReadKey() != kKeySpace) {
    }
}

bool PauseUnlessKey(uint32_t pauseLength, int key) {
    const uint32_t milliseconds = WaitLength(pauseLength);
    const uint32_t start = PlatformTickCount();
    int lostInput = 0;
    for (;;) {
        const uint32_t waited = PlatformTickCount() - start;
        if (waited >= milliseconds) return false;
        // Short slices, so that a termination signal is seen soon however long the pause.
        const int slice = static_cast<int>(std::min<uint32_t>(milliseconds - waited, kKeyWaitSliceMs));
        const int code = ReadCodeWithin(slice, lostInput);
        if (code != ERR && TranslateKey(code) == key) return true;
    }
}

int PollKey() {
    ActOnPendingTermination();
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

void GuardAgainstKillingKeys() {
    PlatformIgnoreSignal(SIGINT);
    PlatformIgnoreSignal(SIGQUIT);
    PlatformFlowControlOff();
    // Curses restores the mode it saved after a suspension: it must be this one.
    def_prog_mode();
}

void SetKeyWaitHook(KeyWaitHook hook, int sliceMs) {
    keyWaitHook = hook;
    keyWaitHookSliceMs = hook != nullptr ? std::max(sliceMs, 0) : kKeyWaitSliceMs;
}
