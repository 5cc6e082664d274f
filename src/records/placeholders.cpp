// placeholder: the game records until they are built. Each keeps its final name
// and signature and only as much behaviour as start-up and the title menu need.
#include "records/endings.h"
#include "records/high_scores.h"
#include "records/post_mortem.h"
#include "records/save_game.h"
#include "shell/command_line.h"
#include "shell/drawing.h"
#include "shell/game.h"
#include "shell/platform.h"
#include "shell/terminal.h"
#include "shell/title_screen.h"

// placeholder
void HighScoreTable::LoadHighScores() {}
// placeholder: nothing is written.
void HighScoreTable::SaveHighScores() {}
// placeholder: no result enters the table.
bool HighScoreTable::RecordHighScore(const std::string&) { return false; }
// placeholder: no file is written.
void WritePostMortem(const std::string&, bool) {}

// placeholder: an empty table.
void HighScoreTable::ShowHallOfFame() {
    ClearScreen();
    DrawText("Hall of Fame", 34, 0, kWhite);
    DrawText("No high scores yet. Press a key to return.", 20, 10, kLightCyan);
    ReadKey();
    if (FirstArgument() == "-scores") QuitGame();
    ClearScreen();
    DrawTitleScreen();
}

// placeholder: no save can be read yet.
bool LoadGame(const char*) {
    DrawText("Couldn't open the save file. Are you sure that it exists?", 11, 5, kLightCyan);
    DrawText("Press a key to return to the main menu", 19, 6, kLightCyan);
    ReadKey();
    return false;
}

// placeholder
int32_t SaveAndQuitPrompt() { return 0; }

// placeholder: nothing can be saved yet.
void OnTerminate(int) { QuitGame(); }

// placeholder: only the folder, which tells a first play.
void PostMortemFileName(std::string& name, int32_t& firstPlay) {
    name.clear();
    firstPlay = -1;
    if (IsNameMode()) return;
    if (PlatformMakeDirectory("Mortems") == 0) firstPlay = 0;
}

// placeholder: the game simply ends.
void VictoryEnding() { QuitGame(); }

// placeholder: the demon dies without its story.
void AnnounceDemonSlain(int32_t) {}
