#pragma once
// What a blow, a shot and a throw do alike to the monster they hit: the flash
// of a prepared skill, stunning, rending, piercing armour, draining life, and
// the effects of the striking weapon's prefix.
#include <cstdint>

#include "toolkit/colour.h"

class Monster;
class Player;

// A '*' on the monster's square in the colour, for 50 ms.
void FlashStrike(const Monster& monster, ColourCode colour);
// Cold and warm monsters, for the frosty and fiery weapons.
bool IsColdMonster(const Monster& monster);
bool IsWarmMonster(const Monster& monster);
// The prepared stunning skill: three turns of stun, none for a unique demon.
void UseStunningSkill(Player& p, Monster& monster);
// The prepared rending skill: six turns of bleeding at a tenth of highEnd (at least 1) for the living.
void UseRendingSkill(Player& p, Monster& monster, int32_t highEnd);
// The prepared piercing skill strips armour down to the monster's armour floor;
// attack names it in the messages ("strike", "shot"), acting is "hitting" or "shooting".
void PierceArmour(Monster& monster, const char* attack, const char* acting);
// The prepared vampiric skill: a tenth of the maximum hit points from a living monster.
void DrainLife(Player& p, Monster& monster);
// The striking weapon's prefix against the monster; missile is what cuts it ("weapon", "arrow").
void ApplyWeaponPrefix(int32_t prefix, Monster& monster, const char* missile, int32_t& damage);
// A draining weapon takes warmth or cold from the corpse it made.
void DrainCorpse(Player& p, int32_t prefix);
