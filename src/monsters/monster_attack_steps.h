#pragma once
// The steps that a monster's blow and its shot share: calling a minion instead
// of attacking, the miss and dodge texts, armour, the hit text, wear of the
// player's gear, and the death check that names the monster.
#include <cstdint>
#include <string>

#include "toolkit/colour.h"

class Monster;

// True on a floor where everyone is stupid: no special behaviour of monsters there.
bool MonstersAreStupidHere();
// A monster that summons help may call a minion to a free square beside it
// instead of attacking; true when it did.
bool SummonMinionInstead(Monster& monster);
// Prints the miss or dodge text and returns true when the to-hit roll did not hit.
bool ReportMissedAttack(const Monster& monster, int32_t toHit);
// The damage that gets through the player's armour (at least 1); it is taken
// from the player's hit points at once.
int32_t TakeDamageThroughArmour(int32_t damage, bool ranged);
// "hits you." or "shoots you." in its forms; verb is "hits" or "shoots".
void PrintHitMessage(const Monster& monster, bool critical, int32_t damageTaken, const char* verb);
// Clothes then armour wear, always for a monster of normal speed, one hit in three for a faster one.
void WearGearAfterHit(const Monster& monster);
// The cause of a death by the monster's hand, with HE for the character.
std::string MonsterDeathCause(const Monster& monster);
// The death check after a monster's hit, with the monster named in the cause.
void CheckDeathByMonster(const Monster& monster);
// The mark an effect on the player flashes on the player's square.
constexpr char kEffectMark = '*';
void FlashOnPlayer(ColourCode colour);
