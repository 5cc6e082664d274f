// The shoot command: arrows from the bow in the main hand at one monster, with
// the prepared shot skills, critical hits, the bow's prefix, its wear and the
// arrows that can be picked up again.
#include <algorithm>
#include <cstring>
#include <string>

#include "floors/floor_feelings.h"
#include "item_use/aiming.h"
#include "item_use/missiles.h"
#include "item_use/ranged_attack.h"
#include "items/item_prefixes.h"
#include "player/commands.h"
#include "player/damage_terms.h"
#include "player/strike_effects.h"
#include "player/to_hit_result.h"
#include "player/worn_gear.h"
#include "skills/skill_def.h"
#include "toolkit/drawing.h"
#include "toolkit/message_log.h"
#include "toolkit/random_mother.h"
#include "world/floor.h"
#include "world/item_kind.h"
#include "world/monster.h"
#include "world/monster_abilities.h"
#include "world/player.h"

namespace {

int32_t MainWeaponPrefix() {
    const ItemData* bow = EquippedItem(kSlotMainWeapon);
    return bow != nullptr ? bow->prefix : kNoPrefix;
}

bool HasArrows(const Player& p) {
    return std::any_of(p.inventory.begin(), p.inventory.end(),
                       [](const ItemData& item) { return item.kind == arrowKindIndex; });
}

int32_t StartingCriticalChance(const Player& p) {
    int32_t chance = (p.agility + p.agilityBoost) / 4 + p.traits[kTraitRangedCritical];
    const int32_t prefix = MainWeaponPrefix();
    if (prefix == kPrefixHeartSeeking) chance *= 2;
    if (prefix == kPrefixHarmless) chance = 1;
    return chance;
}

// Accurate and desperate shots decide before the roll whether the arrow cannot miss.
bool IsSureShot(Player& p, Monster& monster) {
    if (p.preparedSkill == kSkillAccurateShot) {
        const int32_t roll = rng.Random(10);
        FlashStrike(monster, kYellow);
        p.preparedSkill = 0;
        return roll > 4;
    }
    if (p.preparedSkill == kSkillDesperateShot) {
        const int32_t health = p.maxHp > 0 ? p.hp * 100 / p.maxHp : 0;
        const int32_t roll = rng.Random(101);
        bool sure = roll < 90 - health;
        if (std::strcmp(monster.name, kUniqueDemonNames[kNonehes]) == 0) {
            const int32_t resisted = rng.Random(3);
            if (resisted == 0) sure = false;
        }
        return sure;
    }
    return false;
}

// The prepared shots that act on a hit; gives the critical chance of this arrow.
int32_t UsePreparedShot(Player& p, Monster& monster, int32_t crit, int32_t& damage) {
    if (p.preparedSkill == kSkillStunningShot) UseStunningSkill(p, monster);
    if (p.preparedSkill == kSkillArchersRendingShot) {
        int32_t high = 0;
        p.FormatMeleeDamageRange(&high);
        UseRendingSkill(p, monster, high);
    }
    const int32_t deadlier = p.berserkBoon == kBoonDeadlier ? 30 : 0;
    if (p.preparedSkill == kSkillBrutalShot) {
        damage = Trunc(damage * 1.5);
        FlashStrike(monster, kBrown);
        p.preparedSkill = 0;
        return crit + deadlier;
    }
    if (p.preparedSkill == kSkillDesperateShot) {
        // The nearer to death, the harder the shot; at full health it is nothing.
        const float health = p.maxHp > 0 ? static_cast<float>(p.hp) / static_cast<float>(p.maxHp) : 1.0f;
        damage = static_cast<int32_t>((1.0f - health) * 2.66f * static_cast<float>(damage));
        FlashStrike(monster, kWhite);
        p.preparedSkill = 0;
        return crit + deadlier;
    }
    if (p.preparedSkill == kSkillCriticalShot) {
        FlashStrike(monster, kLightBlue);
        p.preparedSkill = 0;
        return crit + 40 + deadlier;
    }
    const int32_t chance = crit + deadlier + (p.preparedSkill == kSkillMadShot ? 50 : 0);
    if (p.preparedSkill == kSkillPiercingShot) {
        PierceArmour(monster, "shot", "shooting");
        p.preparedSkill = 0;
    }
    return chance;
}

}  // namespace

void Player::ResolveShot(Monster* monster) {
    if (monster == nullptr) return;
    int32_t crit = StartingCriticalChance(*this);
    if (preparedSkill != kSkillPenetratingShot) SpendOneArrow(*this);
    const bool sure = IsSureShot(*this, *monster);
    if (IsSkillLearned(kSkillEnhancedDeadliness)) crit += 6;
    if (crit == 0) crit = 1;

    if (IsDeflected(*this, *monster) && !sure) {
        PrintWords("The monster deflects your arrow! ");
        LandMissile(monster->x, monster->y, arrowKindIndex, false);
        return;
    }
    const int32_t toHit = RollRangedToHit(*this, *monster, false);
    if (toHit != kToHitHit && !sure) {
        LandMissile(monster->x, monster->y, arrowKindIndex, false);
        ReportRangedMiss(*monster, toHit);
        return;
    }

    TrainWeaponProficiency(kProficiencyRanged);
    int32_t damage = RollMeleeDamage(1, false, false);
    const int32_t chance = UsePreparedShot(*this, *monster, crit, damage);
    const int32_t criticalRoll = rng.Random(100);
    const bool critical = criticalRoll < chance;
    if (critical) damage = Trunc(damage * 1.8);

    const int32_t prefix = MainWeaponPrefix();
    const int32_t armour = monster->rangedArmour;
    damage -= prefix == kPrefixPiercing ? armour / 2 : armour;
    if (berserkBoon == kBoonPiercing) damage += armour / 2;
    damage = std::max(damage, 1);
    if (preparedSkill == kSkillVampiricShot) DrainLife(*this, *monster);
    ApplyWeaponPrefix(prefix, *monster, "arrow", damage);
    monster->hp -= damage;

    std::string text = "@WYou ";
    if (critical) text += "@Ycritically@W ";
    text += damage > monster->maxHp / 18 ? "shoot " : "shoot, but it merely scratches ";
    PrintWords(text);
    PrintMonsterName("", *monster, false, ".@C ");
    monster->ReportMonsterHealth();
    PossessedWeaponSummon(false);
    WearWeapons(false);
    LandMissile(monster->x, monster->y, arrowKindIndex, false);
    if (critical && monster->hp > 0) monster->SpillMonsterBlood(true);
    // A bow that broke in the shot drains nothing: its prefix went with it.
    if (monster->KillMonster()) DrainCorpse(*this, MainWeaponPrefix());
}

int32_t Player::Shoot() {
    if (RingHas(kPropertyNoRangedWeapons)) return RefuseRanged("Your ring glows. Only melee combat feels like an option! ");
    if (!MainWeaponIsRanged()) return RefuseRanged("Equip a ranged weapon. ");
    if (!HasArrows(*this)) return RefuseRanged("You need more arrows. ");

    targetConfirmed = 0;
    if (!AimRangedAttack(*this, "shoot", true)) return targetConfirmed;
    if (horror > 0 && target->ability == kAbilityFear) return RefuseRanged("You're too horrified to shoot at that monster! ");

    const int32_t effect = preparedSkill;
    bool twoShots = berserkBoon == kBoonSwifter;
    if (effect == kSkillDoubleShot || effect == kSkillMadShot) {
        FlashStrike(*target, kMagenta);
        twoShots = true;
    }
    if (!twoShots) {
        ResolveShot(target);
        return 1;
    }
    ResolveShot(target);
    // A kill clears the target; a bow broken by the first arrow shoots no second.
    if (target != nullptr && MainWeaponIsRanged()) {
        if (ArrowCount() < 1) {
            PrintWords("Not enough arrows. ");
        } else {
            ResolveShot(target);
        }
    }
    if (preparedSkill == kSkillMadShot) {
        const int32_t roll = rng.Random(3);
        if (roll == 0) {
            dizziness += 2;
            const int32_t more = rng.Random(3);
            dizziness += more;
        }
    }
    if (preparedSkill == kSkillDoubleShot || preparedSkill == kSkillMadShot) preparedSkill = 0;
    return 1;
}
