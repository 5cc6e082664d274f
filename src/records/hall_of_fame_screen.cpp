// The "Hall of Fame": the high-score table on a screen of its own.
#include "records/high_scores.h"
#include "shell/command_line.h"
#include "toolkit/drawing.h"
#include "toolkit/message_log.h"
#include "toolkit/program_end.h"
#include "toolkit/terminal.h"
#include "toolkit/text_format.h"
#include "world/game_hooks.h"
#include "world/player.h"

namespace {

std::string ResultLine(const ScoreEntry& entry) {
    if (entry.floor > 0) {
        return FormatText("%s the L%d %s %s died on floor %d, scoring %d points.", entry.name, entry.level, entry.race,
                          entry.training, entry.floor, entry.score);
    }
    return FormatText("%s the L%d %s %s overcame the frost, scoring %d points!", entry.name, entry.level, entry.race,
                      entry.training, entry.score);
}

// After the key: "-scores" has shown what it came for; the title menu gets its
// screen back, but not a game that has just ended.
void LeaveHallOfFame() {
    if (FirstArgument() == "-scores") QuitGame();
    if (player.hp > 0 && player.currentFloor != -1) {
        ClearScreen();
        DrawTitleScreen();
    }
}

}  // namespace

void HighScoreTable::ShowHallOfFame() {
    ClearScreen();
    DrawText("Hall of Fame", 34, 0, kCyan);
    DrawText("Press a key to exit", 30, 24, kCyan);
    if (!entries[0].used) {
        DrawText("No high scores yet. Press a key to return.", 20, 10, kRed);
        ReadKey();
        ClearScreen();
        LeaveHallOfFame();
        return;
    }
    for (int32_t i = 0; i < kScoreEntryCount && entries[i].used; ++i) {
        const int32_t row = 3 + 2 * i;
        DrawNumber(i + 1, 0, row, kWhite);
        DrawChar('.', 1, row, kWhite);
        DrawText(ResultLine(entries[i]), 3, row, kLightCyan);
        DrawText(entries[i].endText, 3, row + 1, kLightCyan);
    }
    ReadKey();
    LeaveHallOfFame();
}

void HighScoreTable::ReportScoresNotSaved() {
    PrintWords("The high score file couldn't be written, so this result is not kept. The older results are as they were. ");
    messageLog.FlushMessages(false);
}
