#pragma once
// Shared set-up for the floor tests: every floor a new floor, the player on
// floor 0, and a few item kinds the tests may rely on (restored afterwards).
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "floors/floor.h"
#include "items/item_kind.h"
#include "player/player.h"
#include "shell/random_mother.h"

inline void ResetAllFloors() {
    for (Floor& floor : floorArray) {
        floor.ResetToNewFloor();
        floor.openTileCount = 0;
        floor.layoutType = 0;
    }
    player.currentFloor = 0;
    player.mapDrawnFlag = 0;
}

// Opens a w x h block of floor tiles with its top-left tile at (x, y).
inline void OpenBlock(Floor& floor, int32_t x, int32_t y, int32_t w, int32_t h, char glyph = '.') {
    for (int32_t i = x; i < x + w; ++i)
        for (int32_t j = y; j < y + h; ++j) floor.At(i, j).glyph = glyph;
}

// Draws a picture of rows into the floor with its top-left character at (x, y).
inline void DrawRows(Floor& floor, int32_t x, int32_t y, const std::vector<std::string>& rows) {
    for (size_t j = 0; j < rows.size(); ++j)
        for (size_t i = 0; i < rows[j].size(); ++i)
            floor.At(x + static_cast<int32_t>(i), y + static_cast<int32_t>(j)).glyph = rows[j][i];
}

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
        std::copy(std::begin(itemKinds.kinds), std::end(itemKinds.kinds), savedKinds);
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
        ResetAllFloors();
        rng.RandomInit(1234);
    }
    void TearDown() override {
        std::copy(std::begin(savedKinds), std::end(savedKinds), itemKinds.kinds);
        ResetAllFloors();
    }

    static void Kind(int32_t index, int32_t type, char glyph, ColourCode colour, int32_t maxDurability) {
        ItemKind& kind = itemKinds[index];
        kind.inUse = 1;
        kind.type = type;
        kind.glyph = static_cast<uint8_t>(glyph);
        kind.colour = colour;
        kind.maxDurability = maxDurability;
        kind.special = 0;
    }

private:
    ItemKind savedKinds[kItemKindCount];
};
