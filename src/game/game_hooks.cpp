// The game's answers to what the toolkit (toolkit_hooks.h) and the rules
// (world/game_hooks.h) ask of its top.
#include "game/game.h"
#include "game/game_state.h"
#include "game/screen_redraw.h"
#include "game/title_screen.h"
#include "player/map_view.h"
#include "records/save_game.h"
#include "shell/command_line.h"
#include "toolkit/program_end.h"
#include "toolkit/toolkit_hooks.h"
#include "world/game_hooks.h"
#include "world/game_status.h"
#include "world/monster.h"
#include "world/player.h"

namespace {

// The rage tints everything red, but only once the map has been drawn this turn.
bool RageTint() { return player.berserkTurns != 0 && player.mapDrawnFlag != 0; }

void MapLeftTheScreen() { player.mapDrawnFlag = 0; }

// Whatever is said ends a quick move or quick rest.
void StopRunning() { player.runKey = kNoRunKey; }

// An asleep or paralysed character must be shown each page of messages.
bool CharacterCannotAct() { return player.sleep > 0 || player.paralysis > 0; }

// In "-name" mode a game in play is saved (or a dead character's save
// removed) by the records; before the game is ready, once it is ending, or
// outside "-name" mode, the program just quits.
void EndOnTermination(int signalNumber) {
    if (gameInPlay && IsNameMode()) OnTerminate(signalNumber);
    QuitGame();
}

// Back from the message history to the game screen, while there is a character to show.
void RedrawAfterHistory() {
    if (player.hp > 0 && RestoreMapView()) RedrawWholeScreen();
}

// The monsters are the one thing the game holds that the program's end frees.
void FreeMonsters() {
    if (monsterListHead != nullptr) FreeAllMonsters();
}

}  // namespace

void InstallToolkitHooks() {
    toolkitHooks.redTint = RageTint;
    toolkitHooks.screenCleared = MapLeftTheScreen;
    toolkitHooks.wordOnFirstLine = StopRunning;
    toolkitHooks.flushWaitsForSpace = CharacterCannotAct;
    toolkitHooks.historyClosed = RedrawAfterHistory;
    toolkitHooks.terminate = EndOnTermination;
    toolkitHooks.releaseGame = FreeMonsters;
}

void InstallGameHooks() {
    gameHooks.redrawScreen = RedrawWholeScreen;
    gameHooks.redrawScreenQuiet = RedrawWholeScreenQuiet;
    gameHooks.drawTitleScreen = DrawTitlePicture;
    gameHooks.resetGameState = ResetGameState;
}
