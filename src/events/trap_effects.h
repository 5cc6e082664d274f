#pragma once
// What the traps share, and each kind's effect. TriggerTrap (traps.cpp) decides
// whether a trap goes off; the effects live beside it, grouped by what they do.
#include <cstdint>
#include <string>

#include "toolkit/xy.h"
#include "world/floor.h"

// ---- steps the effects share (trap_steps.cpp) ----
// The floor the character stands on; traps only ever fire there.
Floor& TrapFloor();
// The hit points fall by 1 + Random(3 x level + 3).
void TakeTrapDamage();
// Sight is worked out first so that the death screens show the place.
void CheckTrapDeath(const std::string& cause);
// How deep the floor bites: 0 on floor 0, 24 on floor 34.
int32_t DepthStep(int32_t floor);
// A plain floor tile of the floor with nobody on it, drawn at random; false
// when the floor has none at all.
bool FindFreeTile(int32_t floor, XY& spot);
// The character leaves its tile on the floor it stood on and takes the spot on
// its current floor.
void MovePlayerTo(int32_t leftFloor, XY spot);
// Every monster in the 3 by 3 square around the character loses a third of its hit points.
void StrikeSurroundings();
// A trap that works once is gone: plain floor again, and a pause for the news.
void VanishTrap(Tile& tile);
// "You step on a trap! " and then the effect's own words.
void SayTrapStepped(const std::string& rest);

// ---- the effects, by kind ----
void DropStoneBlock();
void RingAlarmBell();
void DrainEnergy();
void GiveElectricShock();
void ReleaseSleepingGas();
void TeleportPlayer();
void StabWithSpear();
void CrackFloorIntoWater();
void EruptLava();
void DropIceAndSnow();
void FallThroughFloor();
void CrushEquipment();
void ExplodeAtBag(Tile& tile);
void ShootSpikePit();
void ShootIceDart();
void FlashCurseRay(Tile& tile);
void SprayBlowpipePowder();
void FirePurseRay(Tile& tile);
