#include "toolkit/program_end.h"

#include <cstdlib>

#include "toolkit/terminal.h"
#include "toolkit/toolkit_hooks.h"

void QuitGame() {
    if (toolkitHooks.releaseGame != nullptr) toolkitHooks.releaseGame();
    TerminalEnd();
    std::exit(1);
}
