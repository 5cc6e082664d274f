#pragma once
// Monsters on small hand-made floors: a record ready to act, the player placed,
// the floor in view, and a ring on the character's finger. Start from
// ResetGameState() (support/game_state.h).
#include <cstdio>
#include <cstring>

#include "support/hand_made_world.h"
#include "world/floor.h"
#include "world/item_kind.h"
#include "world/item_types.h"
#include "world/monster.h"
#include "world/player.h"

// A rat of 20 hit points at normal speed, asleep, on (x, y) of the floor with its tile
// marked occupied. It regenerates only once in a long while.
inline Monster* PlaceMonster(int32_t x, int32_t y, int32_t floor = 0, const char* name = "rat") {
    Monster* monster = AddMonster(x, y, floor);
    std::snprintf(monster->name, sizeof monster->name, "%s", name);
    monster->glyph = name[0];
    monster->colour = kGrey;
    monster->hp = 20;
    monster->maxHp = 20;
    monster->speed = 1000;
    monster->actThreshold = 1000;
    monster->regenerationPeriod = 1000;
    monster->regenerationAmount = 1;
    monster->level = 1;
    floorArray[floor].At(x, y).monsterPresent = 1;
    return monster;
}

// Moves the record, and the occupied mark with it.
inline void MoveMonsterTo(Monster& monster, int32_t x, int32_t y) {
    floorArray[monster.floor].At(monster.x, monster.y).monsterPresent = 0;
    PlaceMonster(monster, x, y);
    floorArray[monster.floor].At(x, y).monsterPresent = 1;
}

inline void PutPlayer(int32_t x, int32_t y, int32_t floor = 0) {
    player.currentFloor = floor;
    player.x = x;
    player.y = y;
    floorArray[floor].At(x, y).monsterPresent = 1;
}

// Every tile of the floor in view now (and seen before).
inline void SeeFloor(int32_t floor) {
    for (Tile& tile : floorArray[floor].tiles) {
        tile.visibleNow = 1;
        tile.remembered = 1;
    }
}

// A ring of the accessory property on the right hand.
inline void WearRing(int32_t property) {
    constexpr int32_t kRingKind = 40;
    ItemKind& kind = itemKinds[kRingKind];
    kind.inUse = 1;
    kind.type = kItemAccessory;
    kind.power = property;
    std::snprintf(kind.name, sizeof kind.name, "%s", "ring");
    Wear(kSlotRightRing, kRingKind);
}
