#pragma once
// What the worn accessories and armour do for their wearer.
#include <cstdint>

// The built-in blessing of a new accessory of the kind: -1 cursed, 0 normal, 1 blessed.
int32_t GetAccessoryBlessing(int32_t kind);
// The property of the accessory worn in a slot (1 amulet, 2 right ring, 3 left ring); 0 for none.
int32_t GetWornAccessoryProperty(int32_t which);
