#pragma once
// The deep smith's reckoning, kept apart from his screens.
#include <cstdint>

#include "world/item_data.h"
#include "world/item_kind.h"

// The durability a repair adds to an item of the kind for the gold paid (before the kind's maximum caps it).
int32_t RepairGain(const ItemKind& kind, int32_t paid);
// What destroying the cursed item costs on the floor.
int32_t DestructionPrice(const ItemData& item, int32_t floor);
