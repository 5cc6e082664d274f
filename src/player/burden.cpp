// What the character can carry, and how much of it is carried, in percent.
#include <cstdint>

#include "items/item_prefixes.h"
#include "items/worn_properties.h"
#include "player/worn_gear.h"
#include "world/item_kind.h"
#include "world/player.h"

int32_t Player::ComputeCarryingCapacity() {
    int32_t capacity = (strength + strengthBoost) * (RingHas(kPropertyCarrying) ? 33 : 25);
    if (WearsArmourProperty(kPrefixAntiWeight) || SlotHasPrefix(kSlotMainWeapon, kPrefixAntiWeight) ||
        SlotHasPrefix(kSlotSecondWeapon, kPrefixAntiWeight)) {
        capacity += 25;
    }
    capacity += 25 * traits[kTraitCarryingCapacity];
    if (fever > 0) capacity -= capacity / 5;
    return capacity;
}

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
    int32_t capacity = ComputeCarryingCapacity();
    // A character drained of all strength carries nothing without being crushed by a division by zero.
    if (capacity < 1) capacity = 1;
    const float percent = weight / static_cast<float>(capacity) * 100.0f;
    if (percent >= 2147483520.0f) return INT32_MAX;
    return static_cast<int32_t>(percent);
}
