// The damage ranges the character pages show, and whose high ends melee,
// shooting and throwing use.
#include <algorithm>
#include <cstdint>
#include <string>

#include "floors/floor_feelings.h"
#include "items/item_kind.h"
#include "items/item_prefixes.h"
#include "items/worn_properties.h"
#include "player/player.h"
#include "player/surroundings.h"
#include "player/worn_gear.h"
#include "shell/text_format.h"
#include "skills/skill_def.h"

namespace {

// Each call overwrites its buffer; the text stays valid until the next call.
std::string meleeDamageBuffer;
std::string rangedDamageBuffer;

int32_t Trunc(double value) { return static_cast<int32_t>(value); }

// Attributes above 20 count two fifths; then 85 %, and 90 % of that in a fever.
int32_t AttributeDamage(int32_t attribute) {
    if (attribute > 20) attribute = 20 + Trunc((attribute - 20) / 2.5);
    attribute = Trunc(attribute * 0.85);
    if (player.fever > 0) attribute = Trunc(attribute * 0.9);
    return attribute;
}

struct Range {
    int32_t low;
    int32_t high;
};

// The weapon's own damage with its blessing or curse and its quality.
void AddWeapon(Range& range, const ItemData& item, bool withQuality) {
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

void AddToBoth(Range& range, int32_t amount) {
    range.low += amount;
    range.high += amount;
}

// Rings and the berserk boon scale each end, then the ends are put in order.
void ScaleByGear(Range& range) {
    for (int32_t* value : {&range.low, &range.high}) {
        if (RingHas(kPropertyDamage)) *value = Trunc(*value * 1.125);
        if (player.berserkBoon == kBoonStronger) *value = Trunc(*value * 1.25);
        if (RingHas(kPropertyClumsyHands)) *value = Trunc(*value * 0.8);
    }
    if (range.low > range.high) std::swap(range.low, range.high);
}

// The fighting style, then the floor's mood.
void ScaleByStyleAndFloor(Range& range, double aggressiveShare) {
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
    Range first{level, attribute};
    Range other{level, attribute};
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
    for (Range* range : {&first, &other}) {
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
    Range range{level, attribute};
    AddWeapon(range, *thrown, false);
    AddToBoth(range, profThrown + traits[kTraitThrownDamage]);
    if (IsSkillLearned(kSkillThrownExpertise)) AddToBoth(range, level / 2);
    ScaleByGear(range);
    ScaleByStyleAndFloor(range, 0.125);
    if (highEnd != nullptr) *highEnd = range.high;
    rangedDamageBuffer = FormatText("%d-%d", range.low, range.high);
    return rangedDamageBuffer.c_str();
}
