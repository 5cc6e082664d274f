#include "records/save_game_screen.h"

#include "shell/command_line.h"
#include "toolkit/drawing.h"
#include "toolkit/message_log.h"
#include "toolkit/program_end.h"
#include "toolkit/terminal.h"

namespace {

constexpr int32_t kPromptRow = 19;

// The two lines of a save file that cannot be loaded, and the key. A "-name"
// game has no title menu to go back to: its program ends after the key.
void ShowLoadRefusal(const char* what, int32_t column) {
    DrawText(what, column, 5, kRed);
    DrawText(IsNameMode() ? "Press a key to exit." : "Press a key to return to the main menu", 19, 6, kRed);
    ReadKey();
}

}  // namespace

void AskToSave() {
    PrintWords("Do you want to save (and quit) the game? (y/n)");
    messageLog.FlushMessages(false);
}

void ClearSaveQuestion() { DrawText(messageLog.blank, 0, kPromptRow, kBlack); }

void ShowSaving() {
    ClearSaveQuestion();
    DrawText("Saving, please wait...", 0, kPromptRow, kLightCyan);
    RefreshScreen();
}

void ShowSaved() {
    ClearSaveQuestion();
    DrawText("Saved!", 0, kPromptRow, kLightCyan);
    RefreshScreen();
}

void ReportSaveFailure(bool olderSaveKept) {
    PrintWords("The save file couldn't be written, so the game goes on. ");
    if (olderSaveKept) PrintWords("An older save is kept as it was. ");
    messageLog.FlushMessages(false);
}

void ShowSaveMissing() { ShowLoadRefusal("Couldn't open the save file. Are you sure that it exists?", 11); }

void ShowSaveDamaged() { ShowLoadRefusal("The save file is damaged and can't be loaded.", 11); }

void ShowSaveOfAnotherVersion() {
    DrawText("The save file's version and the game's version don't match", 10, 5, kRed);
    DrawText("Press a key to exit.", 25, 6, kRed);
    ReadKey();
    QuitGame();
}
