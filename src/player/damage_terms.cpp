// The terms of the character's damage shared by the rolls and the shown ranges.
#include "player/damage_terms.h"

#include <utility>

#include "items/item_prefixes.h"
#include "items/worn_properties.h"
#include "player/worn_gear.h"
#include "world/item_kind.h"
#include "world/player.h"

int32_t AttributeDamage(int32_t attribute) {
    if (attribute > 20) attribute = 20 + Trunc((attribute - 20) / 2.5);
    attribute = Trunc(attribute * 0.85);
    if (player.fever > 0) attribute = Trunc(attribute * 0.9);
    return attribute;
}

void AddWeapon(DamageRange& range, const ItemData& item, bool withQuality) {
    const ItemKind* kind = KindOf(&item);
    if (kind == nullptr) return;
    const int32_t power = kind->power;
    const int32_t high = kind->secondValue;
    range.low += power;
    range.high += high;
    if (item.blessing == kBlessed) {
        range.low += power / 3;
        range.high += high / 3;
    } else if (item.blessing == kCursed) {
        range.low -= power / 3;
        range.high -= high / 3;
    }
    if (!withQuality) return;
    if (item.prefix == kPrefixHighQuality) {
        range.low += power / 3;
        range.high += high / 3;
    } else if (item.prefix == kPrefixPoorQuality) {
        range.low -= power / 3;
        range.high -= high / 3;
    }
}

void AddToBoth(DamageRange& range, int32_t amount) {
    range.low += amount;
    range.high += amount;
}

void ScaleByGear(DamageRange& range) {
    for (int32_t* value : {&range.low, &range.high}) {
        if (RingHas(kPropertyDamage)) *value = Trunc(*value * 1.125);
        if (player.berserkBoon == kBoonStronger) *value = Trunc(*value * 1.25);
        if (RingHas(kPropertyClumsyHands)) *value = Trunc(*value * 0.8);
    }
    if (range.low > range.high) std::swap(range.low, range.high);
}

