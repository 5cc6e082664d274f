#pragma once
// The 250 item kinds, loaded from the item data file at start-up.
#include <cstdint>

#include "shell/colour.h"

constexpr int32_t kItemKindCount = 250;

enum ItemType : int32_t {
    kItemArmour = 0,
    kItemWeapon = 1,
    kItemPotion = 2,
    kItemAccessory = 3,
    kItemAmmunition = 4,
    kItemFood = 5,
    kItemValuable = 6,
    kItemCloth = 7,
    kItemWand = 8,
    kItemMaterial = 9,
};

class ItemKind {
public:
    ItemKind();

    uint8_t inUse = 0;
    int32_t colourIndex = 0;
    uint8_t special = 0;
    int32_t baseValue = 0;
    char name[64] = {};
    uint8_t glyph = 0;
    int32_t maxDurability = 0;
    int32_t weight = 0;
    int32_t depthLevel = -1;
    int32_t type = -1;
    int32_t subtype = 0;
    int32_t power = 0;
    int32_t secondValue = 0;
    ColourCode colour = 192;
};

class ItemKindTable {
public:
    ItemKind kinds[kItemKindCount];
    int32_t version = 0;

    ItemKind& operator[](int32_t index) { return kinds[index]; }
    const ItemKind& operator[](int32_t index) const { return kinds[index]; }

    // Reads "items.hmd"; a missing or wrong-version file ends the program.
    bool LoadItemKinds();
    void MapItemColours();
};

extern ItemKindTable itemKinds;
