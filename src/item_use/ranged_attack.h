#pragma once
// What shooting and throwing share: the refusals, choosing the target, the
// flashes, deflection, the to-hit roll and the words of a miss.
#include <cstdint>
#include <string>

class Monster;
class Player;

// Prints the refusal, shows it, and gives 0: no turn used.
int32_t RefuseRanged(const char* text);
// The stored target when it is in view; otherwise the aiming cursor with the
// prompt "... = <verb>" chooses one and stores it. False when none was chosen.
bool AimRangedAttack(Player& p, const char* verb, bool crumbleIce);
// A missile-deflecting monster turns one missile in two away (not on a floor where everyone is stupid).
bool IsDeflected(const Player& p, const Monster& monster);
// The to-hit roll against the monster's dodge: a ToHitResult.
int32_t RollRangedToHit(Player& p, const Monster& monster, bool thrown);
// "You miss the rat." or "The rat dodges your attack." for a ToHitResult other than a hit.
void ReportRangedMiss(const Monster& monster, int32_t toHit);
// The monster's name as one piece, so that it never breaks across two lines:
// lead and "the " (or "The ") before it unless it is a unique demon, the ending after it.
void PrintMonsterName(const std::string& lead, const Monster& monster, bool capital, const std::string& ending);
