#pragma once
// Questions about what the character wears.
#include <cstdint>

#include "items/worn_properties.h"
#include "world/item_data.h"
#include "world/item_kind.h"
#include "world/player.h"

// The item in an equipment slot, or null when the slot is empty.
inline ItemData* EquippedItem(int32_t slot) {
    const int32_t index = player.equipSlots[slot];
    if (index < 0 || index >= static_cast<int32_t>(player.inventory.size())) return nullptr;
    return &player.inventory[index];
}

// True when an item with the prefix is in the equipment slot.
inline bool SlotHasPrefix(int32_t slot, int32_t prefix) {
    const ItemData* item = EquippedItem(slot);
    return item != nullptr && item->prefix == prefix;
}

inline bool AmuletHas(int32_t property) { return GetWornAccessoryProperty(kWornAmulet) == property; }
// True when the right ring or the left ring has the property.
inline bool RingHas(int32_t property) {
    return GetWornAccessoryProperty(kWornRightRing) == property ||
           GetWornAccessoryProperty(kWornLeftRing) == property;
}

// The kind of an item; null for no item or a kind out of range.
inline const ItemKind* KindOf(const ItemData* item) {
    if (item == nullptr || item->kind < 0 || item->kind >= kItemKindCount) return nullptr;
    return &itemKinds[item->kind];
}

// True when the main-weapon slot holds a bow.
inline bool MainWeaponIsRanged() {
    const ItemKind* kind = KindOf(EquippedItem(kSlotMainWeapon));
    return kind != nullptr && kind->subtype == kSubtypeRanged;
}
