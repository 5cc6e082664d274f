#pragma once
// The per-turn world update and what happens on the player's tile: what the
// world does, told through the message log.

// One turn of the world: wanderers, rage, campfires, upkeep, boosts, melting,
// domination, slush, weather and the berserk state, in that order.
void UpdateWorld();
void SpawnWanderingMonster();
void BurnInCampfire();
void ApplyRingOfDomination();
void UpdateWeather();
// What the tile the character just stepped onto does, in a fixed order.
void StepOnTile();
void DescribeIcePool();
void EnterTrainingRoom();
void MeetRotatingMask();
void GreetNpc();
void SummonAngryHorde();
void SinkInDeepSnow();
void DropStalactite();
void ShakeLevel();
void HearPriestPrayer();
void TriggerAvalanche();
void FindHiddenTrap();
void DigUpItem();
// What lies under the character's feet: told, and the gold and ammunition picked up.
void DescribeItemsHere();
void PickUpMoneyAndAmmo();
// The trap under the character, and the blood stand's look (the features' own code).
void TriggerTrap();
void DescribeBloodStand();
