// Hit points and special points come back a little after every action.
#include <algorithm>

#include "items/item_prefixes.h"
#include "items/worn_properties.h"
#include "player/surroundings.h"
#include "player/worn_gear.h"
#include "skills/skill_def.h"
#include "toolkit/drawing.h"
#include "toolkit/message_log.h"
#include "toolkit/random_mother.h"
#include "toolkit/terminal.h"
#include "world/command_keys.h"
#include "world/player.h"

namespace {

constexpr int32_t kNormalRegenPeriod = 33;
constexpr int32_t kFastRegenPeriod = 20;

// The cold slows a regeneration count down, warmth speeds it up.
void BendCountByTemperature(int32_t& count, int32_t temperature) {
    if (temperature <= 2000) {
        if (rng.Random(2) == 0) --count;
    } else if (temperature <= 4000) {
        if (rng.Random(4) == 0) --count;
    } else if (temperature > 6000) {
        if (rng.Random(3) == 0) ++count;
    }
}

// One gain of hit points or special points, with everything that bends it.
void GainPoints(int32_t& points, int32_t maxPoints, int32_t amount, int32_t attribute) {
    points += amount;
    const int32_t rest = attribute % 5;
    if (rest != 0 && rng.Random(6 - rest) == 0) points += 1;
    if (FloorFeelingAt(player.currentFloor) == kFeelingPeaceful) points += amount;
    for (int32_t slot : {kSlotMainWeapon, kSlotSecondWeapon}) {
        const ItemData* weapon = EquippedItem(slot);
        if (!weapon) continue;
        if (weapon->prefix == kPrefixRegenerating) points += amount / 2;
        if (weapon->prefix == kPrefixDegenerating) points -= amount / 2;
    }
    if (RingHas(kPropertyRegeneration)) points += amount / 2;
    if (AmuletHas(kPropertyDegeneration)) points -= amount / 2;
    points = std::min(points, maxPoints);
}

}  // namespace

void Player::RegeneratePlayer() {
    const int32_t hpAtEntry = hp;
    const int32_t spAtEntry = sp;
    const bool wildRegenerationAtEntry = activeSkill == kSkillWildRegeneration;

    if (hpRegen.period == kNormalRegenPeriod && spRegen.period == kNormalRegenPeriod &&
        IsSkillLearned(kSkillEnhancedRegeneration)) {
        hpRegen.period = kFastRegenPeriod;
        spRegen.period = kFastRegenPeriod;
    }

    ++hpRegen.count;
    ++spRegen.count;
    BendCountByTemperature(hpRegen.count, bodyTemperature);
    BendCountByTemperature(spRegen.count, bodyTemperature);
    if (bodyTemperature > 10000 || bodyTemperature < 0) hpRegen.count = 0;

    if (berserkBoon == kBoonSpRegeneration) spRegen.count += 10;

    if (hpRegen.count >= hpRegen.period) {
        GainPoints(hp, maxHp, hpRegen.amount, vitality);
        hpRegen.count = 0;
    }

    if (activeSkill == kSkillWildRegeneration) {
        if (sp > 0) {
            const int32_t cost = std::max(static_cast<int32_t>(maxSp * 0.1), 2);
            if (cost < sp) {
                sp -= cost;
                hp += static_cast<int32_t>(static_cast<float>(cost) / 1.5f);
            } else {
                hp += static_cast<int32_t>(static_cast<float>(sp) / 1.5f);
                sp = 0;
            }
        }
        if (sp <= 0) {
            activeSkill = 0;
            PrintWords("You run out of energy to regenerate. ");
        }
    }
    hp = std::min(hp, maxHp);

    if (spRegen.count >= spRegen.period) {
        GainPoints(sp, maxSp, spRegen.amount, stamina);
        spRegen.count = 0;
    }

    // An action's regeneration never costs points; only the wild regeneration spends them.
    if (hp < hpAtEntry) hp = hpAtEntry;
    if (sp < spAtEntry && !wildRegenerationAtEntry) sp = spAtEntry;

    if (IsBoundKey(runKey, kCommandRest)) {
        const bool hpJustFilled = hp == maxHp && hpAtEntry != maxHp;
        const bool spJustFilled = hpAtEntry == maxHp && sp == maxSp && spAtEntry != maxSp;
        if (hpJustFilled || spJustFilled) runKey = kNoRunKey;
    }
}

void Player::WarnLowHp() {
    if (hp < maxHp / 3 && lowHpWarned == 0) {
        // One piece: the warning and the key it waits for stay together on one row.
        messageLog.PrintMessage("@R**LOW HP!**@C Press space. ");
        messageLog.FlushMessages(false);
        Beep();
        WaitForSpaceKey();
        lowHpWarned = 1;
    }
    if (hp > maxHp / 2) lowHpWarned = 0;
}
