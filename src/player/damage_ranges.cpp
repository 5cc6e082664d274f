// The damage ranges the character pages show, and whose high ends melee,
// shooting and throwing use.
#include <algorithm>
#include <cstdint>
#include <string>

#include "floors/floor_feelings.h"
#include "items/item_prefixes.h"
#include "items/worn_properties.h"
#include "player/damage_terms.h"
#include "player/surroundings.h"
#include "player/worn_gear.h"
#include "skills/skill_def.h"
#include "toolkit/text_format.h"
#include "world/item_kind.h"
#include "world/player.h"

namespace {

// Each call overwrites its buffer; the text stays valid until the next call.
std::string meleeDamageBuffer;
std::string rangedDamageBuffer;

// The fighting style, then the floor's mood.
void ScaleByStyleAndFloor(DamageRange& range, double aggressiveShare) {
    for (int32_t* value : {&range.low, &range.high}) {
        if (player.fightingStyle == kStyleAggressive) {
            *value += Trunc(*value * aggressiveShare);
            if (RingHas(kPropertyStyleMastery)) *value += Trunc(*value * 0.15);
        } else if (player.fightingStyle == kStyleDefensive) {
            *value -= Trunc(*value * 0.3);
        }
        const int32_t feeling = FloorFeelingAt(player.currentFloor);
        if (feeling == kFeelingProvocative) *value += Trunc(*value * 0.3);
        if (feeling == kFeelingCalm) *value += Trunc(*value * -0.3);
    }
}

}  // namespace

const char* Player::FormatMeleeDamageRange(int32_t* highEnd) {
    const ItemData* main = EquippedItem(kSlotMainWeapon);
    const ItemData* second = EquippedItem(kSlotSecondWeapon);
    const bool ranged = MainWeaponIsRanged();
    const int32_t attribute = AttributeDamage(ranged ? dexterity + dexterityBoost : strength + strengthBoost);
    DamageRange first{level, attribute};
    DamageRange other{level, attribute};
    if (main != nullptr) {
        AddWeapon(first, *main, true);
        if (ranged) {
            AddToBoth(first, profRanged);
        } else if (second == nullptr) {
            const ItemKind* kind = KindOf(main);
            AddToBoth(first, kind != nullptr && kind->subtype == kSubtypeOneHanded ? profOneHanded : profTwoHanded);
        } else {
            AddToBoth(first, profTwoWeapon);
        }
        if (!ranged && second != nullptr) {
            AddWeapon(other, *second, true);
            AddToBoth(other, profTwoWeapon);
        }
    }
    const double aggressiveShare = ranged ? 0.125 : 0.25;
    for (DamageRange* range : {&first, &other}) {
        ScaleByGear(*range);
        ScaleByStyleAndFloor(*range, aggressiveShare);
    }
    if (highEnd != nullptr) *highEnd = first.high;
    meleeDamageBuffer = second == nullptr ? FormatText("%d-%d", first.low, first.high)
                                          : FormatText("%d-%d/%d-%d", first.low, first.high, other.low, other.high);
    return meleeDamageBuffer.c_str();
}

const char* Player::FormatRangedDamageRange(int32_t* highEnd) {
    const ItemData* thrown = EquippedItem(kSlotThrownWeapon);
    const ItemKind* kind = KindOf(thrown);
    if (kind == nullptr) {
        if (highEnd != nullptr) *highEnd = 0;
        rangedDamageBuffer.assign(1, '-');
        return rangedDamageBuffer.c_str();
    }
    const int32_t attribute = AttributeDamage((dexterityBoost + strengthBoost + dexterity + strength) / 2);
    DamageRange range{level, attribute};
    AddWeapon(range, *thrown, false);
    AddToBoth(range, profThrown + traits[kTraitThrownDamage]);
    if (IsSkillLearned(kSkillThrownExpertise)) AddToBoth(range, level / 2);
    ScaleByGear(range);
    ScaleByStyleAndFloor(range, 0.125);
    if (highEnd != nullptr) *highEnd = range.high;
    rangedDamageBuffer = FormatText("%d-%d", range.low, range.high);
    return rangedDamageBuffer.c_str();
}
