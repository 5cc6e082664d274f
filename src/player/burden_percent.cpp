// How much of what the character can carry is carried, in percent.
#include <cstdint>

#include "items/item_kind.h"
#include "player/player.h"
#include "player/worn_gear.h"

namespace {

constexpr int32_t kPrefixHeavy = 7;
constexpr int32_t kPrefixAntiWeight = 8;
constexpr int32_t kRingHeavyLifting = 11;

bool WeaponHasPrefix(int32_t slot, int32_t prefix) {
    const ItemData* item = EquippedItem(slot);
    return item != nullptr && item->prefix == prefix;
}

}  // namespace

int32_t Player::ComputeBurdenPercent() {
    float weight = 0.0f;
    for (const ItemData& item : inventory) {
        if (item.kind < 0 || item.kind >= kItemKindCount) continue;
        const ItemKind& kind = itemKinds[item.kind];
        const bool armed = kind.type == kItemArmour || kind.type == kItemWeapon;
        if (armed && item.prefix == kPrefixHeavy) {
            weight += static_cast<float>(kind.weight) * 6.0f;  // however many the stack holds
        } else if (!(armed && item.prefix == kPrefixAntiWeight)) {
            weight += static_cast<float>(kind.weight) * static_cast<float>(item.quantity);
        }
    }
    int32_t capacity = (strength + strengthBoost) * (RingHas(kRingHeavyLifting) ? 33 : 25);
    if (WearsArmourProperty(kPrefixAntiWeight) || WeaponHasPrefix(kSlotMainWeapon, kPrefixAntiWeight) ||
        WeaponHasPrefix(kSlotSecondWeapon, kPrefixAntiWeight)) {
        capacity += 25;
    }
    capacity += 25 * traits[kTraitCarryingCapacity];
    if (fever > 0) capacity -= static_cast<int32_t>(capacity * 0.2);
    // A character drained of all strength carries nothing without being crushed by a division by zero.
    if (capacity < 1) capacity = 1;
    const float percent = weight / static_cast<float>(capacity) * 100.0f;
    if (percent >= 2147483520.0f) return INT32_MAX;
    return static_cast<int32_t>(percent);
}
