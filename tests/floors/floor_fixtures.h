#pragma once
// Small hand-made worlds for the floor tests: fixture item and monster kinds,
// floors painted to a plan, and counts of what a floor holds. Reset with
// ResetGameState(seed); paint rectangles and pictures with OpenArea and DrawMap
// (support/hand_made_world.h).
#include <gtest/gtest.h>

#include <cstdio>

#include "floors/floor_features.h"
#include "support/game_state.h"
#include "support/hand_made_world.h"
#include "toolkit/random_mother.h"
#include "world/floor.h"
#include "world/item_kind.h"
#include "world/monster_kind.h"

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

inline int32_t CountGlyph(const Floor& floor, char glyph) {
    int32_t count = 0;
    for (const Tile& tile : floor.tiles) count += tile.glyph == glyph ? 1 : 0;
    return count;
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

// For the tile model, sight, map memory, records and layouts: a new game's state
// with a fixed seed and a few item kinds the tests may rely on.
class FloorTest : public ::testing::Test {
public:
    static constexpr int32_t kPotion = 10;
    static constexpr int32_t kOtherPotion = 11;
    static constexpr int32_t kSword = 12;
    static constexpr int32_t kArrows = 13;
    static constexpr int32_t kFlimsyArmour = 14;
    static constexpr int32_t kWand = 15;
    static constexpr int32_t kCloth = 16;
    static constexpr int32_t kRing = 17;
    static constexpr int32_t kSpecialSword = 18;

protected:
    void SetUp() override {
        ResetGameState(1234);
        Kind(kPotion, kItemPotion, '!', 5, 0);
        Kind(kOtherPotion, kItemPotion, '!', 6, 0);
        Kind(kSword, kItemWeapon, '/', 7, 40);
        Kind(kArrows, kItemAmmunition, '{', 3, 0);
        Kind(kFlimsyArmour, kItemArmour, '[', 2, 1);
        Kind(kWand, kItemWand, '-', 9, 10);
        Kind(kCloth, kItemCloth, '(', 4, 30);
        Kind(kRing, kItemAccessory, '=', 12, 0);
        Kind(kSpecialSword, kItemWeapon, '/', 13, 50);
        itemKinds[kSpecialSword].special = 1;
    }
    void TearDown() override { ResetGameState(); }

    static void Kind(int32_t index, int32_t type, char glyph, ColourCode colour, int32_t maxDurability) {
        ItemKind& kind = itemKinds[index];
        kind.inUse = 1;
        kind.type = type;
        kind.glyph = static_cast<uint8_t>(glyph);
        kind.colour = colour;
        kind.maxDurability = maxDurability;
        kind.special = 0;
    }
};
