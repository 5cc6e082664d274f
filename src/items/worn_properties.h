#pragma once
// What the worn accessories and armour do for their wearer.
#include <cstdint>

// What a ring or amulet does: the power of its kind.
enum AccessoryProperty : int32_t {
    kPropertyNone = 0,
    kPropertyCalmMind = 1,            // faster recovery from confusion and fear
    kPropertyNimbleRecovery = 2,      // faster recovery from clumsiness and slowness
    kPropertyFreeMovement = 3,        // cures paralysis and immobilisation
    kPropertyLifeSaving = 4,          // another chance at death
    kPropertyWarmthLoss = 5,          // bigger warmth loss per turn
    kPropertyWarmthKeeping = 6,       // smaller warmth loss per turn
    kPropertyLastingEquipment = 7,
    kPropertySleepiness = 8,          // falls asleep now and then
    kPropertyConfusion = 9,           // confused now and then
    kPropertyTrapSight = 10,          // reveals the traps around every turn
    kPropertyCarrying = 11,           // larger carrying capacity
    kPropertyFastLearning = 12,       // faster weapon-skill learning
    kPropertyStealth = 13,            // smaller monster detection range
    kPropertyAccuracy = 14,
    kPropertyColdImmunity = 15,
    kPropertyHeatImmunity = 16,
    kPropertySpeed = 17,
    kPropertyDodge = 18,
    kPropertyDamage = 19,             // more melee and ranged damage
    kPropertyClumsyHands = 20,        // lower chance to hit and damage
    kPropertyArmour = 21,
    kPropertyFrailty = 22,            // lower armour and dodge
    kPropertyHealthyBody = 23,        // faster recovery from sickness and fever
    kPropertyPoisonRecovery = 24,
    kPropertyPiety = 25,              // piety for slain monsters
    kPropertyStyleMastery = 26,       // stronger fighting-style effects
    kPropertyRegeneration = 27,
    kPropertyExposedCriticals = 28,   // critical hits against the wearer deal more damage
    kPropertySureFooting = 29,        // no slipping
    kPropertyGreed = 30,              // monsters drop more gold and fewer items
    kPropertyNoRangedWeapons = 31,
    kPropertyLastingArrows = 32,
    kPropertyGuardedCriticals = 33,   // critical hits against the wearer deal less damage
    kPropertyDegeneration = 34,       // less regeneration
    kPropertyQuickDrying = 35,        // clothes dry faster
};

// The built-in Blessing of a new accessory of the kind.
int32_t GetAccessoryBlessing(int32_t kind);
// Which accessory GetWornAccessoryProperty looks at.
enum WornAccessory : int32_t { kWornAmulet = 1, kWornRightRing = 2, kWornLeftRing = 3 };
// The property of the accessory worn there; kPropertyNone for none.
int32_t GetWornAccessoryProperty(int32_t which);
