// The deaths of the unique demons, and the end of a won game.
#include "records/endings.h"

#include <string>

#include "records/endings_screen.h"
#include "records/high_scores.h"
#include "records/post_mortem.h"
#include "records/save_game.h"
#include "shell/command_line.h"
#include "toolkit/drawing.h"
#include "toolkit/message_log.h"
#include "toolkit/platform.h"
#include "toolkit/program_end.h"
#include "toolkit/random_mother.h"
#include "toolkit/terminal.h"
#include "world/game_status.h"
#include "world/player.h"
#include "world/unique_demon_names.h"

namespace {

// The sixth slain flag: the final demon died on the deepest floor reached.
constexpr int32_t kSlainOnDeepestFloor = kUniqueDemonCount;
constexpr uint32_t kEndingPauseMs = 10000;
constexpr uint32_t kPauseBetweenScreensMs = 150;

}  // namespace

void AnnounceDemonSlain(int32_t n) {
    PrintWords("You slay the vile demon and its corpse splatters into pieces with a moaning howl. ");
    if (rng.Random(10) == 0 && player.WetClothes(250, 2)) PrintWords("Your clothes get wet from the blood. ");
    if (n >= 1 && n < kUniqueDemonCount) {
        PrintWords("You feel a surge of power nearby! The demon's magic no longer blocks the way down. ");
    } else if (n == kUniqueDemonCount) {
        PrintWords(
            "You feel almost instantly how the environment around you starts to warm after the cancellation of "
            "Uramesiel's spell. You spend a moment thinking about the peace and quietness above. But... Something "
            "doesn't feel right. Your adventurer's sixth sense tells you so. Wait a minute! 1+1=2. Your brain "
            "assembles the bits of information. Now that you have cancelled the frost spell, the temperature rises "
            "back to normal. And the deeper you are, the hotter it gets. *BLEEP*! You're going to get deep fried if "
            "you can't escape quickly! ");
    }
}

void VictoryEnding() {
    // From here on nothing of the game is saved, and a "-name" save is as done as after a death.
    gameInPlay = 0;
    if (IsNameMode()) PlatformRemoveFile(SaveFileName(player.name));
    const std::string endText = std::string(player.pronoun) + " saved the surface people and won!";

    DrawEndingScreen(player.demonSlainFlags[kSlainOnDeepestFloor] == 1);
    // The score and the report are written before the pause, so that a
    // terminal closed during it or at any screen after it loses neither.
    const ScoreOutcome score = highScores.RecordAndSaveHighScore(endText);
    for (uint8_t& identified : player.identifiedKinds) identified = 1;
    for (ItemData& item : player.inventory) item.identified = 1;
    WritePostMortem(endText, true);

    WaitMilliseconds(kEndingPauseMs);
    // Keys pressed during the pause count.
    while (ReadKey() != '5') {
    }

    if (!score.saved) HighScoreTable::ReportScoresNotSaved();
    if (score.entered) {
        ClearScreen();
        highScores.ShowHallOfFame();
    }

    ClearScreen();
    player.InventoryScreen();
    WaitMilliseconds(kPauseBetweenScreensMs);
    messageLog.ShowMessageBuffer();
    WaitMilliseconds(kPauseBetweenScreensMs);
    player.LearnSkill(false);
    WaitMilliseconds(kPauseBetweenScreensMs);
    player.ShowCharacterInfo();
    QuitGame();
}
