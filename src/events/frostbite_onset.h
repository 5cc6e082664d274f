#pragma once
// The start of a frostbite: a fifth of the peak health and a tenth of the
// health go numb until it heals, when both come back.
#include <cstdint>

// Sets the frostbite turns and takes the health; only for a character without a frostbite.
void BeginFrostbite(int32_t turns);
