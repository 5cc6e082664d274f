// What the worn accessories and armour prefixes give their wearer.
#include "items/worn_properties.h"

#include "items/item_prefixes.h"
#include "world/item_kind.h"
#include "world/player.h"

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
    if (!IsKind(kind)) return kUncursed;
    const int32_t property = itemKinds[kind].power;
    switch (property) {
        case kPropertySleepiness:
        case kPropertyConfusion:
        case kPropertyClumsyHands:
        case kPropertyFrailty:
        case kPropertyExposedCriticals:
        case kPropertyNoRangedWeapons:
        case kPropertyDegeneration:
            return kCursed;
        default:
            return property >= kPropertyCalmMind && property <= kPropertyQuickDrying ? kBlessed : kUncursed;
    }
}

int32_t GetWornAccessoryProperty(int32_t which) {
    int32_t slot = 0;
    switch (which) {
        case kWornAmulet: slot = kSlotAmulet; break;
        case kWornRightRing: slot = kSlotRightRing; break;
        case kWornLeftRing: slot = kSlotLeftRing; break;
        default: return kPropertyNone;
    }
    const ItemData* item = ItemInSlot(player, slot);
    if (item == nullptr || !IsKind(item->kind)) return kPropertyNone;
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
