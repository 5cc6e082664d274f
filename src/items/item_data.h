#pragma once
#include <cstdint>

// One item or stack of items, lying on a tile or carried by the player.
class ItemData {
public:
    int32_t kind = -1;        // index into itemKinds
    int32_t durability = -1;  // remaining durability (wand charges); -1 none
    int32_t blessing = 0;     // -1 cursed, 0 normal, 1 blessed
    int32_t quantity = 1;
    uint8_t identified = 0;
    uint8_t empty = 0;
    int32_t prefix = -1;      // prefix index for armour and weapons, wetness for cloth; -1 none or dry
};
