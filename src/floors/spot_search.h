#pragma once
// The generators look for a tile by drawing random places until one fits.
// On an odd floor no place may fit, so the drawing is bounded: after a generous
// number of draws (far more than any ordinary floor needs, so the draws of a
// normal floor are unchanged) every place is tested in storage order and one of
// those that fit is drawn; when none fits the search reports failure.
#include <cstdint>

#include "floors/floor.h"
#include "floors/local_random.h"

constexpr int32_t kSpotDrawLimit = 20000;

// Draws x = Random(80) + offset, y = Random(19) + offset until fits(x, y).
template <class Fits>
bool SearchSpot(int32_t offset, Fits fits, XY& spot) {
    LocalRandom random;  // fits draws nothing
    for (int32_t draw = 0; draw < kSpotDrawLimit; ++draw) {
        const int32_t x = random.Random(kFloorWidth) + offset;
        const int32_t y = random.Random(kFloorHeight) + offset;
        if (fits(x, y)) {
            spot = {x, y};
            return true;
        }
    }
    int32_t count = 0;
    for (int32_t x = offset; x < kFloorWidth + offset; ++x)
        for (int32_t y = offset; y < kFloorHeight + offset; ++y)
            if (fits(x, y)) ++count;
    if (count == 0) return false;
    int32_t chosen = random.Random(count);
    for (int32_t x = offset; x < kFloorWidth + offset; ++x) {
        for (int32_t y = offset; y < kFloorHeight + offset; ++y) {
            if (!fits(x, y)) continue;
            if (chosen-- == 0) {
                spot = {x, y};
                return true;
            }
        }
    }
    return false;
}
