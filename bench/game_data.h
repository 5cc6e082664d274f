#pragma once
// What the benchmarks share: the game's own data files from the play folder,
// and a dungeon made anew from a seed as a new game makes it.
#include <filesystem>
#include <string>

#include "floors/dungeon_generation.h"
#include "floors/floor_features.h"
#include "game/game.h"
#include "toolkit/random_mother.h"
#include "world/floor.h"
#include "world/item_kind.h"
#include "world/monster.h"
#include "world/monster_kind.h"
#include "world/sage.h"

// Reads the data files once; false when the play folder has none. The working
// directory becomes the play folder, where the floors file is read from. The
// rules reach the game's top (its redraws) as they do in the program.
inline bool LoadData() {
    static const bool loaded = [] {
        InstallGameHooks();
        const std::string folder = HOLLOWMERE_PLAY_DIR;
        if (monsterKinds.ReadMonsterKinds(folder + "/monsters.hmd") != DataFileResult::kRead) return false;
        if (itemKinds.ReadItemKinds(folder + "/items.hmd") != DataFileResult::kRead) return false;
        itemKinds.MapItemColours();
        for (int32_t kind = 0; kind < kItemKindCount; ++kind) {
            if (std::string(itemKinds[kind].name) == "arrow") arrowKindIndex = kind;
        }
        std::filesystem::current_path(folder);
        return true;
    }();
    return loaded;
}

// Back to the state before a new game: bare floors, no monsters, no sages.
inline void ClearDungeon() {
    FreeAllMonsters();
    monsterListHead = nullptr;
    for (Floor& floor : floorArray) floor = Floor{};
    sages.clear();
    altarCount = 0;
    layoutShufflePending = 1;
}

// All 35 floors generated and populated from the seed.
inline void GenerateDungeonFromSeed(uint32_t seed) {
    ClearDungeon();
    rng.RandomInit(seed);
    GenerateDungeon();
}
