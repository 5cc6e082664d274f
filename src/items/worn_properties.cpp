// What the worn accessories and armour prefixes give their wearer.
#include "items/worn_properties.h"

#include "items/item_kind.h"
#include "items/item_prefixes.h"
#include "player/player.h"

namespace {

// The item an equipment slot holds; null for an empty slot or one that names no item.
const ItemData* ItemInSlot(const Player& wearer, int32_t slot) {
    const int32_t index = wearer.equipSlots[slot];
    if (index < 0 || static_cast<size_t>(index) >= wearer.inventory.size()) return nullptr;
    return &wearer.inventory[static_cast<size_t>(index)];
}

bool IsKind(int32_t kind) { return kind >= 0 && kind < kItemKindCount; }

}  // namespace

int32_t GetAccessoryBlessing(int32_t kind) {
    if (!IsKind(kind)) return 0;
    const int32_t property = itemKinds[kind].power;
    switch (property) {
        case 8:   // falls asleep now and then
        case 9:   // confused now and then
        case 20:  // lower chance to hit and damage
        case 22:  // lower armour and dodge
        case 28:  // critical hits against the wearer deal more
        case 31:  // no ranged weapons
        case 34:  // less regeneration
            return -1;
        default:
            return property >= 1 && property <= 35 ? 1 : 0;
    }
}

int32_t GetWornAccessoryProperty(int32_t which) {
    int32_t slot = 0;
    switch (which) {
        case 1: slot = kSlotAmulet; break;
        case 2: slot = kSlotRightRing; break;
        case 3: slot = kSlotLeftRing; break;
        default: return 0;
    }
    const ItemData* item = ItemInSlot(player, slot);
    if (item == nullptr || !IsKind(item->kind)) return 0;
    return itemKinds[item->kind].power;
}

bool Player::WearsArmourProperty(int32_t effectId) {
    static const int32_t kArmourSlots[] = {kSlotChest, kSlotLeggings, kSlotGauntlets, kSlotBoots, kSlotHelmet, kSlotShield};
    for (int32_t slot : kArmourSlots) {
        const ItemData* item = ItemInSlot(*this, slot);
        if (item == nullptr || item->prefix < 0 || item->prefix >= kItemPrefixCount) continue;
        if (itemPrefixes[item->prefix].id == effectId) return true;
    }
    return false;
}
