#pragma once
// The special abilities of monster kinds, as the monster data file numbers them.
#include <cstdint>

// The special ability of a kind, 0 none.
enum MonsterAbility : int32_t {
    kAbilityNone = 0,
    kAbilityConfusion = 1,
    kAbilityLifeDrain = 2,
    kAbilityBlinks = 3,
    kAbilityContagiousSickness = 4,
    kAbilityPoisonous = 5,
    kAbilityColdTouch = 6,
    kAbilityWarmTouch = 7,
    kAbilityKnockback = 8,
    kAbilityBleeding = 9,
    kAbilityParalyzes = 10,
    kAbilityReincarnates = 11,
    kAbilityExplodes = 12,
    kAbilityDeflectsMissiles = 13,
    kAbilitySummonsHelp = 14,
    kAbilityBurnsEnergy = 15,
    kAbilitySlowingTouch = 16,
    kAbilityFrostbites = 17,
    kAbilityImmobilizes = 18,
    kAbilityClumsiness = 19,
    kAbilityDeterioratesItems = 20,
    kAbilityCrumblesWalls = 21,
    kAbilityTerrainSpecific = 22,  // spawns only on its own floor colour, never follows up or down stairs
    kAbilitySpiky = 23,
    kAbilityStalker = 24,          // hidden until the player comes next to it
    kAbilityChameleon = 25,        // takes its floor's colours
    kAbilityPack = 26,             // comes with companions, never as a variant
    kAbilityThreeStrikes = 27,
    kAbilityCharges = 28,
    kAbilityCounterAttacks = 29,
    kAbilityStillDeciding = 30,
    kAbilityFear = 31,
    kAbilitySoaksClothes = 32,
};
constexpr int32_t kHighestMonsterAbility = kAbilitySoaksClothes;
