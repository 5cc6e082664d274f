#pragma once
// What a sage asks, from his price level P. Every paid service but the
// resurrection makes him dearer by a third of its price.
#include <cstdint>

int32_t HealingPrice(int32_t level);         // also heating, firemead and cooling
int32_t UncursingPrice(int32_t level);
int32_t PotionIdentificationPrice(int32_t level);
int32_t OtherIdentificationPrice(int32_t level);  // wands, rings and amulets
int32_t FiveArrowsPrice(int32_t level);
int32_t TwentyFiveArrowsPrice(int32_t level);
int32_t FiftyArrowsPrice(int32_t level);
// The prepaid resurrection does not depend on the sage, only on how deep the
// character has been and whether the final demon is slain.
int32_t ResurrectionPrice();
