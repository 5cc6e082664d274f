#pragma once
// The terms of the character's damage that the damage rolls and the damage
// ranges of the character pages share.
#include <cstdint>

#include "world/item_data.h"

// A damage range, low end and high end.
struct DamageRange {
    int32_t low;
    int32_t high;
};

inline int32_t Trunc(double value) { return static_cast<int32_t>(value); }

// The attribute part: above 20 an attribute counts two fifths; then 85 %, and 90 % of that in a fever.
int32_t AttributeDamage(int32_t attribute);
// The weapon's own damage with its blessing or curse and, withQuality, its quality prefix.
void AddWeapon(DamageRange& range, const ItemData& item, bool withQuality);
void AddToBoth(DamageRange& range, int32_t amount);
// Rings and the berserk boon scale each end, then the ends are put in order.
void ScaleByGear(DamageRange& range);
