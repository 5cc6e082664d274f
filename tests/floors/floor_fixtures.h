#pragma once
// Small hand-made worlds for the tests of new floors: fixture item and monster
// kinds, and floors painted to a plan.
#include <cstdio>
#include <cstring>

#include "floors/floor_features.h"
#include "shell/game.h"
#include "support/fresh_world.h"

// Everything a generation test touches, back to a new game's state.
inline void ResetDungeonWorld(uint32_t seed = 1) {
    ResetWorld(seed);
    altarCount = 0;
    arrowKindIndex = -1;
    layoutShufflePending = 1;
}

// Every tile of the floor gets this glyph and colour.
inline void FillFloor(Floor& floor, char glyph, ColourCode colour = 0) {
    for (Tile& tile : floor.tiles) {
        tile.glyph = glyph;
        tile.colour = colour;
    }
}

// Open floor inside a wall border, painted in one colour scheme (wall colour, floor colour).
inline void MakeOpenFloor(Floor& floor, ColourCode wallColour = 7, ColourCode floorColour = 15) {
    for (int32_t x = 0; x < kFloorWidth; ++x) {
        for (int32_t y = 0; y < kFloorHeight; ++y) {
            const bool border = x == 0 || y == 0 || x == kFloorWidth - 1 || y == kFloorHeight - 1;
            floor.At(x, y).glyph = border ? '#' : '.';
            floor.At(x, y).colour = border ? wallColour : floorColour;
        }
    }
}

// One ordinary monster kind at every level 1..50, so any floor can be populated.
inline void AddMonsterKindPerLevel() {
    for (int32_t level = 1; level <= 50; ++level) {
        MonsterKind& kind = monsterKinds[level - 1];
        std::snprintf(kind.name, sizeof kind.name, "beast %d", level);
        kind.glyph = 'b';
        kind.colour = 6;
        kind.hitPoints = 5 * level;
        kind.level = level;
        kind.speed = 1000;
        kind.actThreshold = 1000;
        kind.toHitThreshold = 500;
    }
}

inline ItemKind& AddItemKind(int32_t index, int32_t type, int32_t depthLevel, const char* name = "thing") {
    ItemKind& kind = itemKinds[index];
    kind.inUse = 1;
    kind.type = type;
    kind.depthLevel = depthLevel;
    kind.maxDurability = 10;
    kind.glyph = '*';
    std::snprintf(kind.name, sizeof kind.name, "%s", name);
    return kind;
}

inline int32_t MonstersOnFloor(int32_t floorNumber) {
    int32_t count = 0;
    for (Monster* m = monsterListHead; m != nullptr; m = m->next) count += m->floor == floorNumber ? 1 : 0;
    return count;
}

inline int32_t CountGlyph(const Floor& floor, char glyph) {
    int32_t count = 0;
    for (const Tile& tile : floor.tiles) count += tile.glyph == glyph ? 1 : 0;
    return count;
}
