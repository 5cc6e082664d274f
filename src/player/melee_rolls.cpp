// The character's to-hit and damage rolls, which melee, shooting and throwing share.
#include <algorithm>

#include "floors/floor_feelings.h"
#include "items/item_prefixes.h"
#include "items/worn_properties.h"
#include "player/damage_terms.h"
#include "player/surroundings.h"
#include "player/to_hit_result.h"
#include "player/worn_gear.h"
#include "skills/skill_def.h"
#include "toolkit/random_mother.h"
#include "world/item_kind.h"
#include "world/player.h"

namespace {

// Clumsiness can raise a to-hit threshold no higher than this.
constexpr int32_t kClumsyThresholdCap = 850;
// The modes of RollMeleeDamage.
constexpr int32_t kMeleeMode = 0;

// An accurate weapon adds four points a point of dexterity, an inaccurate one takes them.
int32_t AccuracyOf(const ItemData* weapon, int32_t dexterity) {
    if (weapon == nullptr || weapon->prefix < 0) return 0;
    if (weapon->prefix == kPrefixAccurate) return 4 * dexterity;
    if (weapon->prefix == kPrefixInaccurate) return -4 * dexterity;
    return 0;
}

}  // namespace

int32_t Player::RollToHit(bool thrown, int32_t dodge, bool bonusOnly) {
    const int32_t dex = dexterity + dexterityBoost;
    int32_t bonus = 0;
    const ItemData* main = EquippedItem(kSlotMainWeapon);
    if (!thrown && main != nullptr) {
        const ItemData* second = EquippedItem(kSlotSecondWeapon);
        if (second == nullptr) {
            const ItemKind* kind = KindOf(main);
            const int32_t subtype = kind != nullptr ? kind->subtype : kSubtypeOneHanded;
            if (subtype == kSubtypeOneHanded) bonus = 5 * profOneHanded;
            if (subtype == kSubtypeTwoHanded) bonus += 5 * profTwoHanded;
            // The ranged trait helps a bow, the melee trait every other weapon.
            if (subtype == kSubtypeRanged) {
                bonus += 5 * (profRanged + 2 * traits[kTraitRangedToHit]);
            } else {
                bonus += 10 * traits[kTraitMeleeToHit];
            }
            bonus += AccuracyOf(main, dex);
        } else {
            bonus = 5 * (profTwoWeapon + 2 * traits[kTraitMeleeToHit]);
            bonus += AccuracyOf(second, dex);
        }
    }
    if (thrown && EquippedItem(kSlotThrownWeapon) != nullptr) bonus = 5 * profThrown;
    if (RingHas(kPropertyAccuracy)) bonus += 4 * dex;
    if (RingHas(kPropertyClumsyHands)) bonus -= 4 * dex;
    if (berserkBoon == kBoonAccurate) bonus += 250;

    int32_t threshold = toHitThreshold;
    if (clumsiness > 0) threshold = std::min(threshold + Trunc(0.625 * threshold), kClumsyThresholdCap);
    if (bonusOnly) return bonus;

    int32_t roll = bonus + rng.Random(1000);
    // A roll equal to the threshold rolls on; it can only end in a hit.
    while (roll == threshold) roll += rng.Random(1000);
    if (roll > threshold) return kToHitHit;
    return roll >= threshold - dodge ? kToHitDodged : kToHitMiss;
}

int32_t Player::RollMeleeDamage(int32_t mode, bool thrown, bool secondWeapon) {
    const int32_t str = strength + strengthBoost;
    const int32_t dex = dexterity + dexterityBoost;
    int32_t attribute = str;
    if (mode != kMeleeMode) attribute = thrown ? (str + dex) / 2 : dex;
    DamageRange range{level, AttributeDamage(attribute)};

    const ItemData* main = EquippedItem(kSlotMainWeapon);
    const ItemData* second = EquippedItem(kSlotSecondWeapon);
    const bool mainIsRanged = MainWeaponIsRanged();
    if (mode == kMeleeMode && !thrown) {
        // A bow in the main hand fights as bare hands, for both strikes.
        const ItemData* weapon = secondWeapon ? second : main;
        if (weapon != nullptr && !mainIsRanged) {
            AddWeapon(range, *weapon, true);
            if (secondWeapon || second != nullptr) {
                pendingDamageBonus += profTwoWeapon;
            } else {
                const ItemKind* kind = KindOf(weapon);
                const bool oneHanded = kind != nullptr && kind->subtype == kSubtypeOneHanded;
                pendingDamageBonus += oneHanded ? profOneHanded : profTwoHanded;
            }
        }
    } else if (!thrown) {
        if (main != nullptr && mainIsRanged) {
            AddWeapon(range, *main, true);
            pendingDamageBonus += profRanged;
        }
    } else if (const ItemData* missile = EquippedItem(kSlotThrownWeapon)) {
        AddWeapon(range, *missile, false);
        pendingDamageBonus += traits[kTraitThrownDamage] + profThrown;
        if (IsSkillLearned(kSkillThrownExpertise)) pendingDamageBonus += level / 2;
    }
    ScaleByGear(range);

    const int32_t span = std::max(range.high - range.low, 1);
    const int32_t roll = rng.Random(span);
    int32_t damage = range.low + roll + pendingDamageBonus;
    pendingDamageBonus = 0;

    const bool melee = mode == kMeleeMode && !thrown;
    if (fightingStyle == kStyleAggressive) {
        damage += Trunc(damage * (melee ? 0.25 : 0.125));
        if (RingHas(kPropertyStyleMastery)) damage += Trunc(damage * 0.15);
    } else if (fightingStyle == kStyleDefensive) {
        damage += Trunc(damage * -0.3);
    }
    const int32_t feeling = FloorFeelingAt(currentFloor);
    if (feeling == kFeelingProvocative) damage += Trunc(damage * 0.3);
    if (feeling == kFeelingCalm) damage += Trunc(damage * -0.3);
    if (activeSkill == kSkillWildRage) damage += Trunc(damage * 1.5);
    return damage;
}
