#include "support/game_state.h"

#include <string>

#include "floors/floor.h"
#include "floors/floor_features.h"
#include "folk/sage.h"
#include "items/appearances.h"
#include "items/item_kind.h"
#include "items/item_prefixes.h"
#include "monsters/monster.h"
#include "monsters/monster_kind.h"
#include "player/player.h"
#include "shell/command_line.h"
#include "shell/drawing.h"
#include "shell/game.h"
#include "shell/key_bindings.h"
#include "shell/key_reader.h"
#include "shell/message_log.h"
#include "shell/random_mother.h"
#include "shell/terminal.h"
#include "skills/skill_def.h"

void UseStandardKeys() {
    static const std::string kKeys = "5Q82467913<>  giefcxwaltupLsS?mCFqvT";
    keyTable.fill(0);
    for (int32_t command = 0; command < kCommandCount; ++command) {
        if (command == kCommandNone || command == kCommandNever) continue;
        keyTable[command] = static_cast<signed char>(kKeys[static_cast<std::size_t>(command)]);
    }
    player.dotBound = 0;
}

void ResetGameState(uint32_t seed) {
    player = Player();
    messageLog = MessageLog();
    for (Floor& floor : floorArray) floor = Floor();
    if (monsterListHead != nullptr) FreeAllMonsters();
    monsterListHead = nullptr;
    monsterVisionRange = 7;
    sages.clear();
    altarCount = 0;
    for (int32_t& layout : layoutShuffle) layout = 0;
    layoutShufflePending = 1;
    monsterKinds = MonsterKindTable();
    itemKinds = ItemKindTable();
    for (ItemPrefix& prefix : itemPrefixes) prefix = ItemPrefix();
    for (AppearanceName& entry : potionAppearances) entry = AppearanceName();
    for (AppearanceName& entry : wandAppearances) entry = AppearanceName();
    for (AccessoryAppearance& entry : accessoryAppearances) entry = AccessoryAppearance();
    for (SkillDef& skill : skillTable) skill = SkillDef();
    UseStandardKeys();
    previousFightingStyle = -1;
    runDelayMs = 0;
    currentCommand = 0;
    runStuckTurns = 0;
    runLastX = 0;
    runLastY = 0;
    separatorDirty = 1;
    programArgs = {"Noargs"};
    gameVersion = 106;
    arrowKindIndex = -1;
    gameInPlay = 0;
    pendingTerminationSignal = 0;
    randomSeed = 0;
    rng.RandomInit(seed);
}
