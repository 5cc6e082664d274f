#pragma once
// A whole game for the save tests: a new game as start-up makes it, from the
// game's own data files, and a few hundred turns of scripted play on it.
#include <cstring>
#include <vector>

#include "floors/field_of_view.h"
#include "floors/game_dungeon.h"
#include "items/appearances.h"
#include "player/command_helpers.h"
#include "records/save_blocks.h"
#include "skills/skill_def.h"
#include "world/command_keys.h"
#include "world/monster.h"
#include "world/player.h"

// A new character of that seed, its dungeon generated and the looks shuffled,
// standing on the up stairs of the first floor. False without the data files.
inline bool MakeNewGame(uint32_t seed) {
    if (!LoadGameData().available) return false;
    GenerateGameDungeon(seed);
    std::strcpy(player.name, "Tester");
    std::strcpy(player.pronoun, "She");
    player.training = kTrainingArcher;
    InitSkillTable();
    ShufflePotionNames();
    ShuffleWandNames();
    ShuffleAccessoryNames();
    player.ApplyTrainingSkills(false);
    player.PlaceOnUpStairs();
    floorArray[player.currentFloor].At(player.x, player.y).monsterPresent = 1;
    ComputeFieldOfView(&floorArray[player.currentFloor], player.x, player.y, player.sightRadius);
    return true;
}

// The first tile of the floor, in storage order, with items on it; null when none has any.
inline Tile* TileWithItems(int32_t floor) {
    for (Tile& tile : floorArray[floor].tiles) {
        if (!tile.items.empty()) return &tile;
    }
    return nullptr;
}

// The first kind of the type that is in use; -1 when there is none.
inline int32_t FirstKindOfType(int32_t type) {
    for (int32_t kind = 0; kind < kItemKindCount; ++kind) {
        if (itemKinds[kind].inUse && itemKinds[kind].type == type) return kind;
    }
    return -1;
}

// Takes the items of the first tile that has any into the inventory, wearing the first weapon.
inline void PickUpItemsOfTheFloor() {
    Tile* tile = TileWithItems(player.currentFloor);
    if (tile == nullptr) return;
    for (const ItemData& item : tile->items) {
        player.inventory.push_back(item);
        if (itemKinds[item.kind].type == kItemWeapon && player.equipSlots[kSlotMainWeapon] < 0) {
            player.equipSlots[kSlotMainWeapon] = static_cast<int32_t>(player.inventory.size()) - 1;
        }
    }
    tile->items.clear();
    tile->gold += 3;
    tile->RefreshTopItem();
}

// The first living monster of the player's floor dies and leaves the list.
inline void KillAMonsterOfTheFloor() {
    for (Monster* monster = monsterListHead; monster != nullptr; monster = monster->next) {
        if (monster->floor != player.currentFloor || monster->alive == 0) continue;
        monster->hp = 0;
        monster->alive = 0;
        ++player.kills;
        break;
    }
    PurgeDeadMonsters();
}

// Turns of wandering on the first floor, steps in the generator's directions,
// and every tenth turn a pick-up and a kill. Messages must find their keys typed.
inline void PlayScriptedTurns(int32_t turns) {
    for (int32_t turn = 0; turn < turns; ++turn) {
        const int32_t direction = 2 + rng.Random(8);
        RunCommand(direction);
        player.CountPlayerTurn();
        ComputeFieldOfView(&floorArray[player.currentFloor], player.x, player.y, player.sightRadius);
        if (turn % 10 != 0) continue;
        PickUpItemsOfTheFloor();
        KillAMonsterOfTheFloor();
    }
}
