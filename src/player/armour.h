#pragma once
// Armour above a level's cap counts one third: the cap is 14 / level + 2.65 × level.
#include <cstdint>

// The armour a level lets count in full, with the excess above the cap at one third.
int32_t CapArmourForLevel(int32_t armour, int32_t level);
