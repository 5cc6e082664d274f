#pragma once
// The game's own data files from the play folder, for the benchmarks that
// generate or save whole dungeons.
#include <cstdint>
#include <filesystem>
#include <string>

#include "floors/floor.h"
#include "floors/floor_features.h"
#include "folk/sage.h"
#include "items/item_kind.h"
#include "monsters/monster.h"
#include "monsters/monster_kind.h"

// Reads the kinds once and makes the play folder the working directory (the
// floors file is read from there); false without the data files.
inline bool LoadData() {
    static const bool loaded = [] {
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
