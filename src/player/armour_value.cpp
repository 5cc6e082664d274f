// The armour value of the worn pieces, and the cap that the character's level
// puts on armour.
#include <cstdint>

#include "items/item_prefixes.h"
#include "items/worn_properties.h"
#include "player/armour_value.h"
#include "player/worn_gear.h"
#include "world/item_kind.h"
#include "world/player.h"

namespace {

// What a worn piece adds besides its base: blessing, and the prefixes that
// change armour (deflection only against missiles).
float PieceModifiers(const ItemData& item, bool ranged) {
    float change = 0.0f;
    if (item.blessing == kBlessed) change += 1.0f;
    if (item.blessing == kCursed) change -= 1.0f;
    if (item.prefix < 0) return change;
    if (ranged && item.prefix == kPrefixDeflecting) change += 2.0f;
    if (ranged && item.prefix == kPrefixTargetPainted) change -= 2.0f;
    if (item.prefix == kPrefixHighQuality) change += 1.0f;
    if (item.prefix == kPrefixPoorQuality) change -= 1.0f;
    return change;
}

}  // namespace

int32_t Player::ComputeArmourValue(bool ranged) {
    float armour = 0.0f;
    for (int32_t slot : {kSlotChest, kSlotLeggings, kSlotGauntlets, kSlotHelmet, kSlotBoots}) {
        const ItemData* item = EquippedItem(slot);
        const ItemKind* kind = KindOf(item);
        if (kind == nullptr) continue;
        armour += static_cast<float>(kind->power);
        armour += PieceModifiers(*item, ranged);
    }
    const ItemData* shield = EquippedItem(kSlotShield);
    if (const ItemKind* kind = KindOf(shield)) {
        armour += static_cast<float>(profShield / 3.0 + kind->power * 0.5);
        armour += PieceModifiers(*shield, ranged);
    }
    int32_t result = static_cast<int32_t>(armour);
    if (fightingStyle == kStyleDefensive) {
        result += static_cast<int32_t>(armour * 0.2);
        if (RingHas(kPropertyStyleMastery)) result += static_cast<int32_t>(armour * 0.1);
    } else if (fightingStyle == kStyleAggressive) {
        result += static_cast<int32_t>(armour * -0.3);
    }
    return result;
}

int32_t CapArmourForLevel(int32_t armour, int32_t level) {
    const int32_t cap = (level != 0 ? 14 / level : 0) + static_cast<int32_t>(2.65f * static_cast<float>(level));
    if (armour > cap) armour = cap + (armour - cap) / 3;
    return armour;
}
