#pragma once
// Drawing random values until one fits, without the risk of drawing forever.
#include <cstdint>

#include "toolkit/random_mother.h"

// Generous enough that a fitting value is missed only when it is all but impossible.
constexpr int32_t kMaxDrawsUntilFit = 100000;

// Draws v = rng.Random(n) until fits(v). The draws are exactly those of the plain loop
// whenever some value fits; when none of 0..n-1 fits, nothing is drawn and the result
// is -1, and after kMaxDrawsUntilFit misses the lowest fitting value is taken.
template <typename Fits>
int32_t DrawUntilFits(int32_t n, Fits fits) {
    int32_t firstFit = -1;
    for (int32_t v = 0; v < n && firstFit < 0; ++v) {
        if (fits(v)) firstFit = v;
    }
    if (firstFit < 0) return -1;
    for (int32_t tries = 0; tries < kMaxDrawsUntilFit; ++tries) {
        const int32_t v = rng.Random(n);
        if (fits(v)) return v;
    }
    return firstFit;
}
