// The character's close combat: one attack turn against one adjacent monster,
// a strike for each wielded weapon, with the prepared strike skills, critical
// strikes, the monster's armour and the striking weapon's prefix.
#include <algorithm>
#include <cstring>
#include <string>

#include "floors/floor.h"
#include "items/item_kind.h"
#include "items/item_prefixes.h"
#include "monsters/monster.h"
#include "monsters/monster_messages.h"
#include "player/damage_terms.h"
#include "player/player.h"
#include "player/to_hit_result.h"
#include "player/worn_gear.h"
#include "shell/drawing.h"
#include "shell/message_log.h"
#include "shell/random_mother.h"
#include "shell/xy.h"
#include "skills/skill_def.h"

namespace {

constexpr char kStrikeMark = '*';
constexpr int32_t kUnusedEffect = 0;

// The prepared strike shows itself on the monster's square.
void FlashStrike(const Monster& monster, ColourCode colour) { FlashCharacter(kStrikeMark, monster.x, monster.y, colour, 50); }

bool IsColdMonster(const Monster& monster) {
    return monster.ability == kAbilityColdTouch || monster.ability == kAbilityFrostbites;
}
bool IsWarmMonster(const Monster& monster) { return monster.ability == kAbilityWarmTouch; }

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

// The piercing strike strips armour down to the monster's armour floor.
void PierceArmour(Monster& monster) {
    if (monster.meleeArmour <= monster.armourFloor || monster.rangedArmour <= monster.armourFloor) {
        PrintWords("You don't find more armor to pierce! ");
    } else {
        if (IsUniqueDemon(monster.name)) {
            --monster.meleeArmour;
            --monster.rangedArmour;
            PrintWords("The demon resists part of your special strike's effect! ");
        } else {
            monster.meleeArmour = Trunc(monster.meleeArmour * 0.85);
            monster.rangedArmour = Trunc(monster.rangedArmour * 0.85);
        }
        if (monster.meleeArmour <= monster.armourFloor || monster.rangedArmour <= monster.armourFloor) {
            PrintWords("Even before hitting you notice that this is the last piece of armor you can pierce! ");
        }
    }
    FlashStrike(monster, kLightGreen);
}

// The prepared strikes that act on a hit, in their order; the damage may change.
void UsePreparedStrike(Player& p, Attack& attack, int32_t strike, int32_t& damage) {
    Monster& monster = *attack.monster;
    if (p.preparedSkill == kSkillStunningStrike) {
        FlashStrike(monster, kRed);
        p.preparedSkill = 0;
        if (IsUniqueDemon(monster.name)) {
            PrintWords("The demon is immune to stun! ");
        } else {
            monster.stunTurns += 3;
        }
    }
    if (p.preparedSkill == kSkillWarriorsRendingStrike) {
        FlashStrike(monster, kLightRed);
        p.preparedSkill = 0;
        if (monster.living == 1) {
            int32_t high = 0;
            p.FormatMeleeDamageRange(&high);
            monster.bleedTurns = 6;
            monster.bleedDamage = std::max(high / 10, 1);
        } else {
            PrintWords("The monster is immune to bleeding! ");
        }
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
        PierceArmour(monster);
        p.preparedSkill = 0;
    }
}

void DrainLife(Player& p, Monster& monster) {
    if (monster.living == 1) {
        p.hp += static_cast<int32_t>(static_cast<float>(p.maxHp) * 0.1f);
    } else {
        PrintWords("You're unable to suck lifeforce from that monster! ");
    }
    p.hp = std::min(p.hp, p.maxHp);
    FlashStrike(monster, kLightRed);
    p.preparedSkill = 0;
}

// A frosty or fiery weapon: a monster of its own element resists half the blow,
// one of the opposite element takes half again.
void ApplyElement(const char* element, bool resists, bool suffers, int32_t& damage) {
    if (resists) {
        PrintWords(std::string("The monster resists some of the damage dealt by your ") + element + " weapon. ");
        damage -= damage / 2;
    } else if (suffers) {
        PrintWords(std::string("The monster takes extra damage thanks to your ") + element + " weapon. ");
        damage += damage / 2;
    }
}

// The striking weapon's prefix against this monster.
void ApplyWeaponPrefix(int32_t prefix, const Monster& monster, int32_t& damage) {
    switch (prefix) {
        case kPrefixFrosty: ApplyElement("frosty", IsColdMonster(monster), IsWarmMonster(monster), damage); return;
        case kPrefixFiery: ApplyElement("fiery", IsWarmMonster(monster), IsColdMonster(monster), damage); return;
        case kPrefixSoullessBane:
            if (monster.living != 0) return;
            if (rng.Random(4) != 0) return;
            PrintWords("The soulless monster howls in pain as your weapon cuts it. ");
            damage *= 2;
            return;
        case kPrefixBloodBane:
            if (monster.living != 1) return;
            if (rng.Random(4) != 0) return;
            PrintWords("The monster howls in pain as your weapon sends shockwaves through its veins. ");
            damage *= 2;
            return;
        default: return;
    }
}

void StunWithWeapon(int32_t prefix, Monster& monster) {
    if (prefix != kPrefixStunning) return;
    const int32_t roll = rng.Random(5);
    if (roll != 0 || IsUniqueDemon(monster.name)) return;
    PrintWords("Your mighty weapon stuns the monster. ");
    monster.stunTurns += 2;
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

// A draining weapon takes warmth or cold from the corpse it made.
void DrainCorpse(Player& p, int32_t slot) {
    const int32_t prefix = PrefixIn(slot);
    if (prefix != kPrefixColdDraining && prefix != kPrefixHeatDraining) return;
    const int32_t drained = (1 + Trunc(1.43 * p.currentFloor)) / 2 * 5;
    if (prefix == kPrefixColdDraining) {
        p.bodyTemperature -= drained;
        PrintWords("Your weapon drains coldness from the corpse. ");
    } else {
        p.bodyTemperature += drained;
        PrintWords("Your weapon drains warmth from the corpse. ");
    }
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
        ApplyWeaponPrefix(prefix, *monster, damage);
        StunWithWeapon(prefix, *monster);

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
            DrainCorpse(*this, slot);
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
