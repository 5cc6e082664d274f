#include "duel_keys.h"

#include <curses.h>

#include <cstdio>
#include <cstdlib>
#include <deque>

#include "toolkit/drawing.h"
#include "toolkit/terminal.h"

namespace {

std::deque<int> queued;
SCREEN* unseenScreen = nullptr;
FILE* output = nullptr;
FILE* input = nullptr;

// Space closes every "-More-" and "Press space"; '2' (vitality) and 'a' (extra
// hit points) answer a level-up's two choices when a queued key went elsewhere.
constexpr char kFallbackCycle[] = {' ', '2', ' ', 'a'};
size_t fallbackAt = 0;

// Called whenever a key read finds nothing: the next key is handed to curses.
void FeedKey() {
    int key = 0;
    if (!queued.empty()) {
        key = queued.front();
        queued.pop_front();
    } else {
        key = kFallbackCycle[fallbackAt];
        fallbackAt = (fallbackAt + 1) % sizeof kFallbackCycle;
    }
    ungetch(key);
}

}  // namespace

bool StartUnseenScreen() {
    output = std::fopen("/dev/null", "w");
    input = std::fopen("/dev/null", "r");
    if (output == nullptr || input == nullptr) return false;
    setenv("LINES", "25", 1);
    setenv("COLUMNS", "80", 1);
    unseenScreen = newterm("xterm-256color", output, input);
    if (unseenScreen == nullptr) return false;
    set_term(unseenScreen);
    mainWindow = stdscr;
    TerminalConfigure();
    TerminalStartColours();
    InitColorPairs();
    TerminalSetInputModes();
    SetWaitPercent(0);
    SetKeyWaitHook(FeedKey, 0);
    return true;
}

void EndUnseenScreen() {
    SetKeyWaitHook(nullptr);
    if (unseenScreen != nullptr) {
        endwin();
        delscreen(unseenScreen);
        unseenScreen = nullptr;
    }
    mainWindow = nullptr;
    if (output != nullptr) std::fclose(output);
    if (input != nullptr) std::fclose(input);
    output = input = nullptr;
}

void QueueKeys(const std::string& keys) {
    for (const char key : keys) queued.push_back(static_cast<unsigned char>(key));
}

void ClearKeys() { queued.clear(); }
