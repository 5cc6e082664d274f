// The character's derived statistics: weight and burden, to-hit, dodge, speed,
// regeneration amounts and natural armour.
#include <algorithm>
#include <climits>

#include "floors/floor_feelings.h"
#include "items/item_prefixes.h"
#include "items/worn_properties.h"
#include "player/worn_gear.h"
#include "skills/skill_def.h"
#include "toolkit/message_log.h"
#include "world/floor.h"
#include "world/item_kind.h"
#include "world/player.h"

namespace {

int32_t CarriedWeight(const Player& p) {
    int64_t total = 0;
    for (const ItemData& item : p.inventory) {
        if (item.kind < 0 || item.kind >= kItemKindCount) continue;
        const ItemKind& kind = itemKinds[item.kind];
        const int64_t weight = kind.weight;
        const bool armed = kind.type == kItemArmour || kind.type == kItemWeapon;
        if (armed && item.prefix == kPrefixHeavy) {
            total += 6 * weight;  // a heavy stack weighs six pieces, however many it holds
        } else if (armed && item.prefix == kPrefixAntiWeight) {
            // weighs nothing
        } else {
            total += static_cast<int64_t>(item.quantity) * weight;
        }
    }
    return static_cast<int32_t>(std::clamp<int64_t>(total, INT32_MIN, INT32_MAX));
}

int32_t TemperatureSpeedChange(int32_t bodyTemperature, int32_t agilitySpeed) {
    if (bodyTemperature <= 2000) return -2 * (agilitySpeed / 2);
    if (bodyTemperature <= 4000) return -(agilitySpeed / 2);
    if (bodyTemperature <= 6000) return 0;
    if (bodyTemperature <= 8000) return agilitySpeed / 2;
    return -(agilitySpeed / 2);
}

}  // namespace

void Player::RecomputePlayerStats() {
    const int32_t agilityNow = agility + agilityBoost;
    const int32_t dexterityNow = dexterity + dexterityBoost;

    carriedWeight = CarriedWeight(*this);

    carryingCapacity = ComputeCarryingCapacity();

    const uint8_t wasBurdened = burdened;
    burdened = carriedWeight > (carryingCapacity * 3) / 4 ? 1 : 0;
    if (wasBurdened == 0 && burdened == 1) {
        messageLog.PrintMessage("You ");
        messageLog.PrintMessage("feel ");
        messageLog.PrintMessage("burdened. ");
    } else if (wasBurdened == 1 && burdened == 0) {
        messageLog.PrintMessage("You ");
        messageLog.PrintMessage("feel ");
        messageLog.PrintMessage("less ");
        messageLog.PrintMessage("burdened. ");
    }

    int32_t toHit = 5 * (109 - level) - 10 * dexterityNow;
    if (IsSkillLearned(kSkillEnhancedAccuracy)) toHit -= 100;
    if (fightingStyle == kStyleAccurate) {
        toHit -= static_cast<int32_t>(10 * dexterityNow * 0.4);
        if (RingHas(kPropertyStyleMastery)) toHit += static_cast<int32_t>(10 * dexterityNow * -0.2);
    }
    if (fightingStyle == kStyleFast) toHit -= static_cast<int32_t>(10 * dexterityNow * -0.3);
    if (burdened == 1) toHit += 75;
    if (EquippedItem(kSlotSecondWeapon) != nullptr) toHit += 145;
    if (activeSkill == kSkillWildRage) toHit -= 100;
    if (toHit < 250) toHit = 250 - (250 - toHit) / 3;
    if (toHit < 10) toHit = 10;
    toHitThreshold = toHit;

    int32_t evasion = 10 * agilityNow + 4 * (level - 12);
    if (IsSkillLearned(kSkillEnhancedEvasion)) evasion += 100;
    if (RingHas(kPropertyDodge)) evasion += 5 * agilityNow;
    if (RingHas(kPropertyFrailty)) evasion -= 5 * agilityNow;
    evasion += 12 * traits[kTraitExtraDodge];
    if (burdened == 1) evasion -= 100;
    if (activeSkill == kSkillWildRage) evasion += 100;
    if (stoneSkinTurns > 0) evasion /= 2;
    if (evasion < 0) {
        evasion = 0;
    } else if (evasion > 350) {
        evasion = 350 + (evasion - 350) / 3;
    }
    dodge = evasion;

    const int32_t agilitySpeed = 105 * agilityNow;
    const bool fastLearned = IsSkillLearned(kSkillEnhancedSpeed);
    int32_t pace = (fastLearned ? 11000 : 10000) + 100 * agilityNow;
    if (RingHas(kPropertySpeed)) pace += agilitySpeed;
    if (EquippedItem(kSlotMainWeapon) != nullptr) {
        for (int32_t slot : {kSlotMainWeapon, kSlotSecondWeapon}) {
            if (SlotHasPrefix(slot, kPrefixSwift)) pace += agilitySpeed;
            if (SlotHasPrefix(slot, kPrefixSlow)) pace -= agilitySpeed;
        }
    }
    pace += 150 * traits[kTraitExtraSpeed];
    if (burdened == 1) pace = 10000;
    if (fightingStyle == kStyleFast) {
        pace -= static_cast<int32_t>(agilitySpeed * -0.5);
        if (RingHas(kPropertyStyleMastery)) pace += static_cast<int32_t>(agilitySpeed * 0.25);
    }
    if (fightingStyle == kStyleAccurate) pace = fastLearned ? 11000 : 10000;
    pace += TemperatureSpeedChange(bodyTemperature, agilitySpeed);
    if (IsFloorNumber(currentFloor) && floorArray[currentFloor].feeling == kFeelingSlushy) {
        pace -= agilitySpeed / 2;
    }
    if (pace > 15000) pace = 15000 + (pace - 15000) / 3;
    speed = pace;

    const int32_t vitalityPart = vitality / 5 == 0 ? 1 : vitality / 5;
    const int32_t staminaPart = stamina / 5 == 0 ? 1 : stamina / 5;
    hpRegen.amount = maxHp / 60 + traits[kTraitHpRegeneration] + vitalityPart;
    spRegen.amount = maxSp / 70 + traits[kTraitSpRegeneration] + staminaPart;

    int32_t armour = std::min(agilityNow / 3, 7) + static_cast<int32_t>(static_cast<float>(level) * 0.79f);
    if (RingHas(kPropertyArmour)) armour += static_cast<int32_t>(static_cast<float>(agilityNow) * 0.24f);
    if (RingHas(kPropertyFrailty)) armour -= agilityNow / 3;
    if (fightingStyle == kStyleDefensive) {
        armour += static_cast<int32_t>(armour * 0.17);
        if (RingHas(kPropertyStyleMastery)) armour += static_cast<int32_t>(armour * 0.15);
    }
    if (fightingStyle == kStyleAggressive) armour -= static_cast<int32_t>(armour * 0.3);
    naturalArmour = armour;
}
