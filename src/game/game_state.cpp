// Every long-lived global of the game, grouped by what becomes of it: the
// blocks of the save file in their order (kSaveBlocks of records/save_blocks.cpp
// writes and reads them), what a game keeps besides, what
// start-up reads, and what belongs to the terminal. Each is defined in its
// owner's folder; the two resets below name them all.
#include "game/game_state.h"

#include "floors/floor_features.h"
#include "game/game.h"
#include "items/appearances.h"
#include "items/item_prefixes.h"
#include "monsters/monster_descriptions.h"
#include "records/high_scores.h"
#include "shell/command_line.h"
#include "skills/skill_def.h"
#include "toolkit/drawing.h"
#include "toolkit/message_log.h"
#include "toolkit/platform.h"
#include "toolkit/random_mother.h"
#include "toolkit/terminal.h"
#include "world/command_keys.h"
#include "world/floor.h"
#include "world/game_status.h"
#include "world/item_kind.h"
#include "world/monster.h"
#include "world/monster_kind.h"
#include "world/player.h"
#include "world/sage.h"

// Not reset by either, as nothing of a game lives in them:
// - mainWindow and separatorDirty (toolkit/drawing.h), pendingTerminationSignal
//   (toolkit/terminal.h), toolkitHooks (toolkit/toolkit_hooks.h): the terminal and
//   the process;
// - gameHooks (world/game_hooks.h): the top's answers, the same for every game;
// - shadowCaster (floors/field_of_view.h): holds nothing between calls;
// - monsterVariantWords (world/monster.h): constant;
// - randomBlock (toolkit/random_block.h): draws made ahead; a generator reads it
//   only while it holds the block's current stamp, which RandomInit drops.
//
// The file-local statics of the game, each on a line that names its file:
// - toolkit/drawing.cpp: shownCells, cursorX and cursorY, what the screen shows;
//   toolkit/drawing.cpp: drawsCutAtRightEdge, the draws that lost text past the edge;
//   toolkit/drawing.cpp: waitPercent, the wait seam. The program's reset puts
//   them back (ResetDrawingState).
// - toolkit/terminal.cpp: keyWaitHook and keyWaitHookSliceMs, a test seam; the
//   program's reset removes it.
// - toolkit/platform.cpp: fileStepsBeforeFault, the file fault seam; the
//   program's reset turns it off.
// - monsters/monster_list.cpp: knownTail and headOfKnownTail, where the list
//   last ended; monsters/monster_occupancy.cpp: firstOnSquare, the monsters
//   filed by square. Freeing the monster list (monsterListHead) forgets them.
// - toolkit/random_block.cpp: pathChosen and activePath, the way this processor
//   makes draws, chosen once; toolkit/random_block.cpp: byLanes, the jumps that
//   start each lane, made once. Not reset: every way draws the same.
// - items/item_names.cpp: table, the article of each paired or bottled name,
//   made once from constants; items/item_names.cpp: buffer, written afresh by
//   each call. Not reset.
// - player/damage_ranges.cpp: meleeDamageBuffer and rangedDamageBuffer, written
//   afresh by each call. Not reset.

void ResetGameState(uint32_t seed) {
    // ---- Saved, block 1: the version (gameVersion, world/game_status.h), a constant of the program. ----

    // ---- Saved, block 2: the sages (folk/). ----
    sages.clear();

    // ---- Saved, blocks 3 and 4: the appearance tables (items/); a new game shuffles them. ----
    for (AppearanceName& entry : potionAppearances) entry = AppearanceName();
    for (AppearanceName& entry : wandAppearances) entry = AppearanceName();
    for (AccessoryAppearance& entry : accessoryAppearances) entry = AccessoryAppearance();

    // ---- Saved, block 5: the learned flags of skillTable (skills/); the rest of the
    // table is filled again by InitSkillTable when a character is made or loaded. ----
    for (SkillDef& skill : skillTable) skill = SkillDef();

    // ---- Saved, block 6: the player record and inventory (player/). Not saved of it:
    // target, activeSkill, acted, quickMoveDigit, mapDrawnFlag, besideNpc,
    // targetConfirmed, and dotBound, which the key-binding file set at start-up
    // and which therefore stays. ----
    const uint8_t dotBound = player.dotBound;
    player = Player();
    player.dotBound = dotBound;

    // ---- Saved, block 7: the 35 floors (floors/). ----
    for (Floor& floor : floorArray) floor = Floor();

    // ---- Saved, block 8: the monster list (monsters/). ----
    FreeAllMonsters();             // also forgets the filing by square and the known tail

    // ---- Not saved: what a game keeps besides. ----
    messageLog = MessageLog();     // toolkit/: the message lines and their history
    monsterVisionRange = 7;        // monsters/: follows the floor's light; a load sets it again
    altarCount = 0;                // floors/: generation's bookkeeping
    for (int32_t& layout : layoutShuffle) layout = 0;
    layoutShufflePending = 1;
    previousFightingStyle = -1;    // player/: the fighting-style key's memory
    runStuckTurns = 0;             // player/: a running quick move
    runLastX = 0;
    runLastY = 0;
    currentCommand = 0;            // world/: the last command read
    gameInPlay = 0;                // world/: set once a game is ready
    rng.RandomInit(seed);          // toolkit/: the one random generator
}

void ResetProgramState(uint32_t seed) {
    InstallToolkitHooks();
    InstallGameHooks();

    // ---- Not saved: read or set once at start-up. ----
    programArgs = {"Noargs"};           // shell/: as given without arguments
    gameVersion = 106;                  // world/
    randomSeed = 0;                     // toolkit/: the tick count start-up reads
    monsterKinds = MonsterKindTable();  // monsters/: "monsters.hmd"
    monsterDescriptions.clear();        // monsters/: filled on first use
    itemKinds = ItemKindTable();        // items/: "items.hmd"
    arrowKindIndex = -1;                // items/
    for (ItemPrefix& prefix : itemPrefixes) prefix = ItemPrefix();  // items/: named at start-up
    keyTable.fill(0);                   // world/: the key-binding file fills it
    runDelayMs = 0;
    player.dotBound = 0;
    highScores = HighScoreTable();      // records/: "scores.hmd"

    // ---- The terminal's side, and the seams, that a test may leave behind. ----
    pendingTerminationSignal = 0;
    separatorDirty = 1;
    ResetDrawingState();                // toolkit/drawing.cpp: remembered cells, cut draws, real waits
    SetKeyWaitHook(nullptr);            // toolkit/terminal.cpp
    PlatformFailFileStep(0);            // toolkit/platform.cpp

    ResetGameState(seed);
}
