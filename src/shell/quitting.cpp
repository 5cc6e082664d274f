// The quit-without-saving command.
#include "shell/quitting.h"

#include <cstring>
#include <string>

#include "shell/command_line.h"
#include "toolkit/drawing.h"
#include "toolkit/message_log.h"
#include "toolkit/platform.h"
#include "toolkit/program_end.h"
#include "toolkit/terminal.h"
#include "world/player.h"

void RemoveNamedCharacterSave() {
    // A save that was never written cannot be removed; that is fine.
    if (IsNameMode()) PlatformRemoveFile(CharacterFilePath(std::string(player.name, strnlen(player.name, sizeof player.name)), ".hmd"));
}

void QuitWithoutSaving() {
    for (int32_t row = 19; row <= 21; ++row) DrawText(messageLog.blank, 0, row, kBlack);
    DrawText("Do you really want to quit without saving? (Y/n)", 0, 20, kLightCyan);
    for (;;) {
        const int key = ReadKey();
        if (key == 'Y') {
            RemoveNamedCharacterSave();
            QuitGame();
        }
        if (key == 'n' || key == 'N') {
            DrawText(messageLog.blank, 0, 20, kBlack);
            return;
        }
    }
}
