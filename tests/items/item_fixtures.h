#pragma once
// Shared set-up for the tests of carried items: the game's own item kinds (or
// hand-made ones), items made to order, and the character on an open floor.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "floors/game_dungeon.h"
#include "items/item_prefixes.h"
#include "support/game_state.h"
#include "support/hand_made_world.h"
#include "support/screen_test.h"
#include "world/floor.h"
#include "world/item_data.h"
#include "world/item_kind.h"
#include "world/player.h"

namespace items {

// The kinds of the game's item file, prefixes named and "arrow" found, as start-up leaves them.
inline void UseGameItems() {
    const GameData& data = LoadGameData();
    ASSERT_TRUE(data.available);
    itemKinds = data.itemKinds;
    arrowKindIndex = data.arrowKind;
    InitPrefixTable();
}

// The index of the kind of that name in the table; fails the test when there is none.
inline int32_t KindNamed(const std::string& name) {
    for (int32_t kind = 0; kind < kItemKindCount; ++kind) {
        if (name == itemKinds[kind].name) return kind;
    }
    ADD_FAILURE() << "no kind named " << name;
    return 0;
}

// The first kind of the type in the table; fails the test when there is none.
inline int32_t FirstKindOfType(int32_t type) {
    for (int32_t kind = 0; kind < kItemKindCount; ++kind) {
        if (itemKinds[kind].type == type) return kind;
    }
    ADD_FAILURE() << "no kind of type " << type;
    return 0;
}

// Makes kind `index` a kind in use of that type, subtype and name.
inline void DefineKind(int32_t index, int32_t type, const char* name, int32_t subtype = 0) {
    ItemKind& kind = itemKinds[index];
    kind.inUse = 1;
    kind.type = type;
    kind.subtype = subtype;
    std::snprintf(kind.name, sizeof kind.name, "%s", name);
}

// One item or stack of the kind, identified, normal and without prefix unless told.
inline ItemData Item(int32_t kind, int32_t quantity = 1, int32_t prefix = kNoPrefix, int32_t blessing = kUncursed,
                     uint8_t identified = kIdentified) {
    ItemData item;
    item.kind = kind;
    item.quantity = quantity;
    item.prefix = prefix;
    item.blessing = blessing;
    item.identified = identified;
    item.durability = kind >= 0 && kind < kItemKindCount ? itemKinds[kind].maxDurability : kNoDurability;
    return item;
}

// The names of the carried kinds, in inventory order.
inline std::string InventoryNames() {
    std::string names;
    for (const ItemData& item : player.inventory) {
        if (!names.empty()) names += ", ";
        names += itemKinds[item.kind].name;
        if (item.quantity != 1) names += " x" + std::to_string(item.quantity);
    }
    return names;
}

// The character at (10, 10) of an open floor 0.
inline void StandOnOpenFloor() {
    OpenArea(floorArray[0], 1, 1, kFloorWidth - 2, kFloorHeight - 2);
    player.currentFloor = 0;
    player.x = 10;
    player.y = 10;
}

inline Tile& PlayerTileHere() { return floorArray[player.currentFloor].At(player.x, player.y); }

}  // namespace items

// The game's item kinds and the character on an open floor, for code that never waits for a key.
class ItemTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetGameState();
        items::UseGameItems();
        items::StandOnOpenFloor();
    }
    void TearDown() override { ResetGameState(); }
};

// The same on a screen, for the item lists, with ways to read their rows.
class ItemScreenTest : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        items::UseGameItems();
        items::StandOnOpenFloor();
    }
    // The first row from `first` on whose cell in the column has the green highlight; -1 for none.
    int HighlightedRow(int first, int column) const {
        for (int row = first; row <= 24; ++row) {
            if ((ColourAt(row, column) & kOnGreen) != 0) return row;
        }
        return -1;
    }
    // The row without its trailing blanks.
    std::string Trimmed(int row) const {
        const std::string text = Row(row);
        const std::size_t end = text.find_last_not_of(' ');
        return end == std::string::npos ? "" : text.substr(0, end + 1);
    }
};
