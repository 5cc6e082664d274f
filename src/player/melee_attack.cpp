// The character's close combat: one attack turn against one adjacent monster,
// a strike for each wielded weapon, with the prepared strike skills, critical
// strikes, the monster's armour and the striking weapon's prefix.
#include <algorithm>
#include <cstring>
#include <string>

#include "items/item_prefixes.h"
#include "monsters/monster_messages.h"
#include "player/damage_terms.h"
#include "player/strike_effects.h"
#include "player/to_hit_result.h"
#include "player/worn_gear.h"
#include "skills/skill_def.h"
#include "toolkit/drawing.h"
#include "toolkit/message_log.h"
#include "toolkit/random_mother.h"
#include "toolkit/xy.h"
#include "world/direction.h"
#include "world/floor.h"
#include "world/item_kind.h"
#include "world/monster.h"
#include "world/player.h"

namespace {

constexpr int32_t kUnusedEffect = 0;

// The prefix of the item in the slot, or kNoPrefix.
int32_t PrefixIn(int32_t slot) {
    const ItemData* item = EquippedItem(slot);
    return item != nullptr ? item->prefix : kNoPrefix;
}

// What one attack keeps from strike to strike.
struct Attack {
    Monster* monster;
    bool bareHands;
    int32_t strikes;
    int32_t criticalChance;
    bool forcedHit = false;
    int32_t carriedEffect = kUnusedEffect;
    bool flashPending;
};

int32_t StartingCriticalChance(const Player& p) {
    int32_t chance = (p.agility + p.agilityBoost) / 4 + p.traits[kTraitMeleeCritical];
    if (IsSkillLearned(kSkillEnhancedDeadliness)) chance += 6;
    if (chance == 0) chance = 1;
    for (int32_t slot : {kSlotMainWeapon, kSlotSecondWeapon}) {
        const int32_t prefix = PrefixIn(slot);
        if (prefix == kPrefixHeartSeeking) chance *= 2;
        if (prefix == kPrefixHarmless) chance = 1;
    }
    return chance;
}

// Accurate and desperate strikes decide before the blows whether they are sure to hit.
void PrepareForcedHit(Player& p, Attack& attack) {
    if (p.preparedSkill == kSkillAccurateStrike) {
        const int32_t roll = rng.Random(10);
        attack.forcedHit = roll >= 5;
        FlashStrike(*attack.monster, kYellow);
        p.preparedSkill = 0;
    } else if (p.preparedSkill == kSkillDesperateStrike) {
        const int32_t health = p.maxHp > 0 ? p.hp * 100 / p.maxHp : 0;
        const int32_t roll = rng.Random(101);
        attack.forcedHit = roll < 90 - health;
        if (std::strcmp(attack.monster->name, kUniqueDemonNames[kNonehes]) == 0) {
            const int32_t resisted = rng.Random(3);
            if (resisted == 0) attack.forcedHit = false;
        }
    }
}

void ReportMiss(const Attack& attack, int32_t toHit) {
    const Monster& monster = *attack.monster;
    if (toHit == kToHitDodged) {
        PrintWords("@I" + MonsterSubject(monster) + " dodges your attack.@C ");
        return;
    }
    const char* opening = attack.bareHands ? "@IUsing your bare hands you miss " : "@IYou miss ";
    PrintWords(opening + MonsterObject(monster) + ".@C ");
}

void TrainAfterHit(Player& p, int32_t strike) {
    const ItemData* main = EquippedItem(kSlotMainWeapon);
    if (main != nullptr) {
        if (EquippedItem(kSlotSecondWeapon) != nullptr) {
            if (strike == 0) p.TrainWeaponProficiency(kProficiencyTwoWeapon);
        } else if (const ItemKind* kind = KindOf(main)) {
            if (kind->subtype == kSubtypeOneHanded) p.TrainWeaponProficiency(kProficiencyOneHanded);
            if (kind->subtype == kSubtypeTwoHanded) p.TrainWeaponProficiency(kProficiencyTwoHanded);
        }
    }
    if (EquippedItem(kSlotShield) != nullptr) p.TrainWeaponProficiency(kProficiencyShield);
}

// The prepared strikes that act on a hit, in their order; the damage may change.
void UsePreparedStrike(Player& p, Attack& attack, int32_t strike, int32_t& damage) {
    Monster& monster = *attack.monster;
    if (p.preparedSkill == kSkillStunningStrike) UseStunningSkill(p, monster);
    if (p.preparedSkill == kSkillWarriorsRendingStrike) {
        int32_t high = 0;
        p.FormatMeleeDamageRange(&high);
        UseRendingSkill(p, monster, high);
    }
    if (p.preparedSkill == kSkillBrutalStrike || attack.carriedEffect == kSkillBrutalStrike) {
        damage = Trunc(damage * 1.5);
        if (p.preparedSkill == kSkillBrutalStrike) {
            FlashStrike(monster, kBrown);
            if (attack.strikes == 2) attack.carriedEffect = kSkillBrutalStrike;
            p.preparedSkill = 0;
        }
    }
    if (p.preparedSkill == kSkillDesperateStrike || attack.carriedEffect == kSkillDesperateStrike) {
        // The nearer to death, the harder the blow; at full health it is nothing.
        const float health = p.maxHp > 0 ? static_cast<float>(p.hp) / static_cast<float>(p.maxHp) : 1.0f;
        const float wounds = 1.0f - health;
        damage = static_cast<int32_t>(wounds * 2.66f * static_cast<float>(damage));
        if (p.preparedSkill == kSkillDesperateStrike) {
            FlashStrike(monster, kWhite);
            if (attack.strikes == 2) attack.carriedEffect = kSkillDesperateStrike;
            p.preparedSkill = 0;
        }
        if (p.berserkBoon == kBoonDeadlier) attack.criticalChance += 30;
        return;
    }
    if (p.preparedSkill == kSkillCriticalStrike) {
        FlashStrike(monster, kLightBlue);
        p.preparedSkill = 0;
        attack.criticalChance += 40;
    }
    if (p.berserkBoon == kBoonDeadlier) attack.criticalChance += 30;
    // The mad strike is cleared by the double attack that carries it.
    if (p.preparedSkill == kSkillMadStrike && strike == 0) attack.criticalChance += 50;
    if (p.preparedSkill == kSkillPiercingStrike) {
        PierceArmour(monster, "strike", "hitting");
        p.preparedSkill = 0;
    }
}

void ReportHit(const Attack& attack, bool critical, int32_t damage) {
    const Monster& monster = *attack.monster;
    std::string text = attack.bareHands ? "@WUsing your bare hands you " : "@WYou ";
    if (critical) text += "@Ycritically@W ";
    text += damage <= monster.maxHp / 9 ? "hit, but it merely scratches " : "hit ";
    text += MonsterObject(monster) + ".@C ";
    PrintWords(text);
}

// A spiky monster's shell hurts whoever hits it, now and then.
void HurtBySpikes(Player& p, const Monster& monster) {
    if (monster.ability != kAbilitySpiky) return;
    const int32_t roll = rng.Random(2);
    if (roll != 0) return;
    PrintWords("You are hurt by the monster's spiky shell! ");
    p.hp += Trunc(p.level * -0.67);
    p.CheckPlayerDeath("HE attacked a spiky monster and died.", kDungeonKiller);
}

}  // namespace

int32_t Player::MeleeAttack(Monster* monster, bool flash) {
    if (monster == nullptr) return 0;
    const bool mainFilled = EquippedItem(kSlotMainWeapon) != nullptr;
    Attack attack{monster,
                  !mainFilled || MainWeaponIsRanged(),
                  mainFilled && EquippedItem(kSlotSecondWeapon) != nullptr ? 2 : 1,
                  StartingCriticalChance(*this),
                  false,
                  kUnusedEffect,
                  flash && preparedSkill == 0};
    PrepareForcedHit(*this, attack);

    for (int32_t strike = 0; strike < attack.strikes; ++strike) {
        toHitThreshold += monster->dodge;
        const int32_t toHit = RollToHit(false, monster->dodge, false);
        toHitThreshold -= monster->dodge;
        if (toHit != kToHitHit && !attack.forcedHit) {
            ReportMiss(attack, toHit);
            continue;
        }
        TrainAfterHit(*this, strike);
        const bool secondHand = strike == 1;
        int32_t damage = RollMeleeDamage(0, false, secondHand);
        UsePreparedStrike(*this, attack, strike, damage);

        const int32_t criticalRoll = rng.Random(100);
        const bool critical = criticalRoll < attack.criticalChance && !attack.bareHands;
        if (critical) damage = static_cast<int32_t>(static_cast<float>(damage) * 1.8f);

        const int32_t slot = secondHand ? kSlotSecondWeapon : kSlotMainWeapon;
        const int32_t prefix = PrefixIn(slot);
        const int32_t armour = monster->meleeArmour;
        damage -= prefix == kPrefixPiercing ? armour / 2 : armour;
        if (berserkBoon == kBoonPiercing) damage += armour / 2;
        damage = std::max(damage, 1);
        if (preparedSkill == kSkillVampiricStrike) DrainLife(*this, *monster);
        ApplyWeaponPrefix(prefix, *monster, "weapon", damage);

        monster->hp -= damage;
        if (attack.flashPending && monster->hp >= 1) {
            FlashCharacter(monster->glyph, monster->x, monster->y, monster->colour == kLightRed ? kRed : kLightRed, 50);
            attack.flashPending = false;
        }
        ReportHit(attack, critical, damage);
        monster->ReportMonsterHealth();
        PossessedWeaponSummon(secondHand);
        WearWeapons(secondHand);
        HurtBySpikes(*this, *monster);
        if (critical && monster->hp >= 1) monster->SpillMonsterBlood(true);
        if (monster->KillMonster()) {
            DrainCorpse(*this, PrefixIn(slot));
            return 1;
        }
    }
    return 1;
}

int32_t Player::AttackUnlessHorrified(int32_t command) {
    const XY step = DirectionStep(command);
    const XY target{x + step.x, y + step.y};
    Monster* monster = FindMonsterAt(target.x, target.y, currentFloor);
    if (monster == nullptr) return 0;
    if (horror >= 1 && monster->ability == kAbilityFear) {
        PrintWords("You're too horrified to hit that monster! ");
        messageLog.FlushMessages(false);
        return -1;
    }
    const int32_t prepared = preparedSkill;
    const bool doubleStrike = prepared == kSkillDoubleStrike || prepared == kSkillMadStrike;
    if (!doubleStrike && berserkBoon != kBoonSwifter) {
        MeleeAttack(monster, true);
        return 1;
    }
    if (doubleStrike) FlashStrike(*monster, kMagenta);
    MeleeAttack(monster, false);
    // The record is only compared: the first blow may have killed the monster.
    if (FindMonsterAt(target.x, target.y, currentFloor) == monster) MeleeAttack(monster, false);
    if (doubleStrike) {
        if (prepared == kSkillMadStrike && rng.Random(3) == 0) {
            const int32_t extra = rng.Random(3);
            dizziness += 2 + extra;
        }
        preparedSkill = 0;
    }
    return 1;
}
