// The program's entry: the command line, start-up, then the main loop for ever.
#include <cstdio>
#include <string>

#include "game/game.h"
#include "shell/command_line.h"
#include "toolkit/terminal.h"
#include "world/game_status.h"

int main(int argc, char** argv) {
    StoreProgramArguments(argc, argv);
    const std::string problem = CommandLineProblem();
    if (!problem.empty()) {
        std::puts(problem.c_str());
        return -1;
    }
    try {
        InitGame();
    } catch (...) {
        TerminalEnd();
        std::puts(
            "!! UNEXPECTED ERROR OCCURED !! Please try again, it's most likely a rare problem. Especially if it "
            "happened during dungeon generation.");
        return 1;
    }
    gameInPlay = 1;
    for (;;) RunMainLoopPass();
}
