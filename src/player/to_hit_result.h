#pragma once
// What a to-hit roll tells, for the character's blows and for the monsters'.
#include <cstdint>

enum ToHitResult : int32_t {
    kToHitHit = 0,
    kToHitMiss = 1,
    kToHitDodged = 2,
};
