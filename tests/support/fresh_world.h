#pragma once
// Puts back the global state that monster, item and sage tests touch, so that tests
// do not depend on their order.
#include "floors/floor.h"
#include "folk/sage.h"
#include "items/item_kind.h"
#include "monsters/monster.h"
#include "monsters/monster_kind.h"
#include "player/player.h"
#include "shell/random_mother.h"

inline void ResetWorld(uint32_t seed = 1) {
    FreeAllMonsters();
    monsterListHead = nullptr;
    for (Floor& floor : floorArray) floor = Floor{};
    player = Player{};
    sages.clear();
    for (MonsterKind& kind : monsterKinds.kinds) kind = MonsterKind{};
    for (ItemKind& kind : itemKinds.kinds) kind = ItemKind{};
    rng.RandomInit(seed);
}

// Opens a rectangle of plain floor ('.') on a floor, walls all around it untouched.
inline void OpenArea(int32_t floor, int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
    for (int32_t x = x0; x <= x1; ++x) {
        for (int32_t y = y0; y <= y1; ++y) floorArray[floor].At(x, y).glyph = '.';
    }
}

// The number of records in the monster list.
inline int32_t MonsterCount() {
    int32_t count = 0;
    for (Monster* m = monsterListHead; m != nullptr; m = m->next) ++count;
    return count;
}

// The first seed from `from` on whose generator `fits` holds (the generator is handed to
// `fits` freshly seeded); 0 when none of a million seeds does.
template <typename Fits>
uint32_t FindSeed(Fits fits, uint32_t from = 1) {
    for (uint32_t seed = from; seed < from + 1000000; ++seed) {
        RandomMother probe;
        probe.RandomInit(seed);
        if (fits(probe)) return seed;
    }
    return 0;
}
