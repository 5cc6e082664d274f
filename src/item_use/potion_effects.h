#pragma once
// What a potion does: the power value of a potion kind.
#include <cstdint>

class Player;

enum PotionEffect : int32_t {
    kPotionAcidBomb = 1,
    kPotionWeakness = 2,
    kPotionHealing = 3,
    kPotionFullHealing = 4,
    kPotionVigour = 5,
    kPotionFullEnergy = 6,
    kPotionAllOverHealing = 7,
    kPotionAttribute = 8,
    kPotionCureAll = 9,
    kPotionParalysis = 10,
    kPotionSpeed = 11,
    kPotionDisease = 12,
    kPotionVision = 13,
    kPotionPurification = 14,
    kPotionShifting = 15,
    kPotionHolyWater = 16,
    kPotionFire = 17,
    kPotionIce = 18,
    kPotionTimeStop = 19,
    kPotionTraining = 20,
    kPotionUnlearning = 21,
    kPotionOil = 22,
    kPotionStrength = 23,
    kPotionSixthSense = 24,
    kPotionAgility = 25,
    kPotionMudSkin = 26,
};
constexpr int32_t kPotionEffectCount = 26;

// The acid bomb: thrown at a monster when the kind was known before this drink
// (and not reached by shifting), else it bursts in the character's hand.
void UseAcidBomb(Player& p, bool knownBefore, bool shifted);
