// The effects of a hit that melee, shooting and throwing share.
#include "player/strike_effects.h"

#include <algorithm>
#include <string>

#include "items/item_prefixes.h"
#include "player/damage_terms.h"
#include "toolkit/drawing.h"
#include "toolkit/message_log.h"
#include "toolkit/random_mother.h"
#include "world/monster.h"
#include "world/monster_abilities.h"
#include "world/player.h"

namespace {

constexpr char kStrikeMark = '*';

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

}  // namespace

void FlashStrike(const Monster& monster, ColourCode colour) { FlashCharacter(kStrikeMark, monster.x, monster.y, colour, 50); }

bool IsColdMonster(const Monster& monster) {
    return monster.ability == kAbilityColdTouch || monster.ability == kAbilityFrostbites;
}
bool IsWarmMonster(const Monster& monster) { return monster.ability == kAbilityWarmTouch; }

void UseStunningSkill(Player& p, Monster& monster) {
    FlashStrike(monster, kRed);
    p.preparedSkill = 0;
    if (IsUniqueDemon(monster.name)) {
        PrintWords("The demon is immune to stun! ");
    } else {
        monster.stunTurns += 3;
    }
}

void UseRendingSkill(Player& p, Monster& monster, int32_t highEnd) {
    FlashStrike(monster, kLightRed);
    p.preparedSkill = 0;
    if (monster.living == 1) {
        monster.bleedTurns = 6;
        monster.bleedDamage = std::max(highEnd / 10, 1);
    } else {
        PrintWords("The monster is immune to bleeding! ");
    }
}

void PierceArmour(Monster& monster, const char* attack, const char* acting) {
    if (monster.meleeArmour <= monster.armourFloor || monster.rangedArmour <= monster.armourFloor) {
        PrintWords("You don't find more armor to pierce! ");
    } else {
        if (IsUniqueDemon(monster.name)) {
            --monster.meleeArmour;
            --monster.rangedArmour;
            PrintWords(std::string("The demon resists part of your special ") + attack + "'s effect! ");
        } else {
            monster.meleeArmour = Trunc(monster.meleeArmour * 0.85);
            monster.rangedArmour = Trunc(monster.rangedArmour * 0.85);
        }
        if (monster.meleeArmour <= monster.armourFloor || monster.rangedArmour <= monster.armourFloor) {
            PrintWords(std::string("Even before ") + acting +
                       " you notice that this is the last piece of armor you can pierce! ");
        }
    }
    FlashStrike(monster, kLightGreen);
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

void ApplyWeaponPrefix(int32_t prefix, Monster& monster, const char* missile, int32_t& damage) {
    switch (prefix) {
        case kPrefixFrosty: ApplyElement("frosty", IsColdMonster(monster), IsWarmMonster(monster), damage); return;
        case kPrefixFiery: ApplyElement("fiery", IsWarmMonster(monster), IsColdMonster(monster), damage); return;
        case kPrefixSoullessBane: {
            if (monster.living != 0) return;
            const int32_t roll = rng.Random(4);
            if (roll != 0) return;
            PrintWords(std::string("The soulless monster howls in pain as your ") + missile + " cuts it. ");
            damage *= 2;
            return;
        }
        case kPrefixBloodBane: {
            if (monster.living != 1) return;
            const int32_t roll = rng.Random(4);
            if (roll != 0) return;
            PrintWords(std::string("The monster howls in pain as your ") + missile +
                       " sends shockwaves through its veins. ");
            damage *= 2;
            return;
        }
        case kPrefixStunning: {
            const int32_t roll = rng.Random(5);
            if (roll != 0 || IsUniqueDemon(monster.name)) return;
            PrintWords("Your mighty weapon stuns the monster. ");
            monster.stunTurns += 2;
            return;
        }
        default: return;
    }
}

void DrainCorpse(Player& p, int32_t prefix) {
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
