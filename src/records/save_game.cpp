// Saving the game on the way out, and loading it again: the save file is the
// run-length packed save stream, written whole or not at all.
#include "records/save_game.h"

#include <cstring>
#include <vector>

#include "records/save_blocks.h"
#include "records/save_game_screen.h"
#include "shell/command_line.h"
#include "toolkit/data_file.h"
#include "toolkit/platform.h"
#include "toolkit/program_end.h"
#include "toolkit/terminal.h"
#include "world/game_status.h"
#include "world/monster.h"
#include "world/player.h"

namespace {

std::string PlayerName() { return std::string(player.name, strnlen(player.name, sizeof player.name)); }

}  // namespace

std::string SaveFileName(const std::string& name) {
    return IsNameMode() ? CharacterFilePath(name, ".hmd") : name + ".hmd";
}

void SaveGame() {
    // A signal may save in the middle of a turn, when monsters that died are
    // only marked: the save holds the living.
    PurgeDeadMonsters();
    // The file holds the count of saves including this one.
    ++player.saveCount;
    const std::vector<uint8_t> packed = WritePackedSave();
    const std::string fileName = SaveFileName(PlayerName());
    if (!PlatformWriteFileAtomically(fileName, packed.data(), packed.size())) {
        --player.saveCount;
        // A failed write leaves whatever was there before as it was.
        ReportSaveFailure(PlatformPathExists(fileName));
        return;
    }
    ShowSaved();
    QuitGame();
}

bool LoadGame(const char* name) {
    const std::string fileName = SaveFileName(name == nullptr ? "" : name);
    std::vector<uint8_t> packed;
    if (name == nullptr || !ReadFileStart(fileName, kMostSaveBytes + 1, packed)) {
        ShowSaveMissing();
        return false;
    }
    const SaveStreamResult result = ReadPackedSave(packed);
    if (result == SaveStreamResult::kWrongVersion) ShowSaveOfAnotherVersion();
    if (result == SaveStreamResult::kDamaged) {
        ShowSaveDamaged();
        return false;
    }
    // Outside "-name" mode a game is played from its save only once.
    if (!IsNameMode()) PlatformRemoveFile(fileName);
    return true;
}

int32_t SaveAndQuitPrompt() {
    AskToSave();
    for (;;) {
        const int key = ReadKey();
        if (key == 'y' || key == 'Y') {
            ShowSaving();
            SaveGame();
            return 0;
        }
        if (key == 'n' || key == 'N') {
            ClearSaveQuestion();
            return 0;
        }
    }
}

void OnTerminate(int) {
    // Whatever waits for a key on the way (a save that fails says so) ends
    // the program at once instead of coming back here.
    gameInPlay = 0;
    if (player.hp > 0) SaveGame();
    else PlatformRemoveFile(SaveFileName(PlayerName()));
    QuitGame();
}
