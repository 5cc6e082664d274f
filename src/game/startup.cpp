// Start-up: the terminal, the data files, and a game made ready to play.
#include <cstdio>
#include <cstring>
#include <string>

#include "floors/dungeon_generation.h"
#include "floors/field_of_view.h"
#include "game/game.h"
#include "game/screen_redraw.h"
#include "game/title_screen.h"
#include "items/appearances.h"
#include "items/item_prefixes.h"
#include "monsters/monster_descriptions.h"
#include "records/high_scores.h"
#include "records/post_mortem.h"
#include "records/save_game.h"
#include "records/save_game_screen.h"
#include "shell/command_line.h"
#include "shell/key_bindings.h"
#include "shell/tutorial.h"
#include "toolkit/drawing.h"
#include "toolkit/message_log.h"
#include "toolkit/platform.h"
#include "toolkit/program_end.h"
#include "toolkit/random_mother.h"
#include "toolkit/terminal.h"
#include "toolkit/text_format.h"
#include "world/floor.h"
#include "world/game_status.h"
#include "world/item_kind.h"
#include "world/monster.h"
#include "world/monster_kind.h"
#include "world/player.h"

namespace {

// A fatal text for standard output: curses is ended first so that the text can
// be read and the terminal is left usable; then one key, and the program ends.
[[noreturn]] void FailOnStandardOutput(const std::string& text) {
    TerminalEnd();
    std::fputs(text.c_str(), stdout);
    std::fflush(stdout);
    PlatformWaitForKeyOnStdin();
    QuitGame();
}

void RequireColours() {
    if (TerminalHasColours()) return;
    const std::string rule(75, '-');
    FailOnStandardOutput(rule + "\n" + "Your terminal program doesn't support the minimum requirement of 16 colors!\n" +
                         std::string(29, ' ') + "Press a key to exit" + std::string(27, ' ') + "\n" + rule);
}

void RequireScreenSize() {
    if (TerminalColumns() >= 80 && TerminalRows() >= 25) return;
    DrawText("Your terminal is too small. Please resize it to 80x25 or larger.", 6, 2, kRed);
    DrawText("You'll have to restart the game after that.", 16, 3, kRed);
    DrawText("Press a key to exit.", 28, 5, kRed);
    ReadKey();
    QuitGame();
}

void FindArrowKind() {
    for (int32_t kind = 0; kind < kItemKindCount; ++kind) {
        if (std::strncmp(itemKinds[kind].name, "arrow", sizeof itemKinds[kind].name) == 0) {
            arrowKindIndex = kind;
            return;
        }
    }
    FailOnStandardOutput("Error no arrow data found. Press a key.");
}

void DrawVersion() {
    if (gameVersion > 100) {
        DrawText(FormatText("Version %d.0%db", gameVersion / 100, gameVersion % 100), 60, 24, kDarkGrey);
    } else if (gameVersion == 100) {
        DrawText(FormatText("Version %d.%d0", 1, 0), 60, 24, kDarkGrey);
    } else {
        DrawText("Version 0.", 60, 24, kDarkGrey);
        DrawNumber(gameVersion, 70, 24, kDarkGrey);
    }
}

// "-name" mode: load the named character's save, or create the character.
// Returns true when a new character was created.
bool ChooseNamedGame() {
    const std::string name = NamedCharacter();
    const std::string saveName = CharacterFilePath(name, ".hmd");
    if (!PlatformPathExists(saveName)) {
        CreateCharacter();
        return true;
    }
    // Something that cannot be read has the save's name: a new character's
    // first save would take its place, so nothing is played.
    if (!PlatformCanRead(saveName)) {
        ShowSaveDamaged();
        QuitGame();
    }
    DrawText("Loading...", 30, 5, kCyan);
    // The file was there a moment ago; whatever the loader said, an unloaded
    // game must not be played.
    if (!LoadGame(name.c_str())) QuitGame();
    ClearScreen();
    if (IsFloorNumber(player.currentFloor)) floorArray[player.currentFloor].RedrawSeenTiles();
    return false;
}

void SetUpNewGame() {
    DrawText("Generating dungeon, please wait...", 23, 10, kWhite);
    RefreshScreen();
    std::string mortemName;
    int32_t firstPlayValue = -1;
    PostMortemFileName(mortemName, firstPlayValue);
    const bool firstPlay = firstPlayValue == 0 && !IsNameMode();
    ShufflePotionNames();
    ShuffleWandNames();
    ShuffleAccessoryNames();
    player.ApplyTrainingSkills(false);
    GenerateDungeon();
    player.PlaceOnUpStairs();
    if (IsFloorNumber(player.currentFloor) && Floor::OnMap(player.x, player.y)) {
        floorArray[player.currentFloor].At(player.x, player.y).monsterPresent = 1;
    }
    ClearScreen();
    if (firstPlay) ShowTutorial(0);
    for (const char* word : {"Good ", "luck ", "in ", "the ", "depths. ", "Press "}) messageLog.PrintMessage(word);
    messageLog.PrintMessage(FormatText("'%c' ", KeyLabel(kCommandHelp)));
    messageLog.PrintMessage("for ");
    messageLog.PrintMessage("help. ");
}

}  // namespace

void InitGame() {
    InstallToolkitHooks();
    InstallGameHooks();
    SetWaitPercentFromEnvironment();
    std::fputs("...", stdout);
    std::fflush(stdout);
    gameVersion = 106;
    TerminalStart();
    TerminalSetCursor(AccessibilityMarkerExists() ? 1 : 0);
    RequireColours();
    TerminalStartColours();
    InitColorPairs();
    if (FirstArgument() == "-scores") {
        highScores.LoadHighScores();
        highScores.ShowHallOfFame();
    }
    DrawText("Initializing game, please wait... ", 20, 10, kWhite);
    RefreshScreen();
    TerminalSetInputModes();
    RequireScreenSize();
    GuardAgainstKillingKeys();
    if (IsNameMode()) CatchTerminationSignals();
    GetTickSeed();
    monsterListHead = nullptr;

    monsterKinds.LoadMonsterKinds();
    itemKinds.LoadItemKinds();
    itemKinds.MapItemColours();
    ReadKeybindings();
    highScores.LoadHighScores();
    FindArrowKind();

    ClearScreen();
    InitPrefixTable();
    FillMonsterDescriptions("rat");
    DrawVersion();

    const bool newGame = IsNameMode() ? ChooseNamedGame() : TitleMenu();
    if (newGame) SetUpNewGame();

    player.RecomputePlayerStats();
    if (IsFloorNumber(player.currentFloor)) {
        ComputeFieldOfView(&floorArray[player.currentFloor], player.x, player.y, player.sightRadius);
    }
    RedrawWholeScreen();
}
