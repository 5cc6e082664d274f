#include "events/bounded_draws.h"

#include "toolkit/random_mother.h"

bool DrawFittingTile(int32_t x0, int32_t y0, int32_t width, int32_t height,
                     const std::function<bool(int32_t, int32_t)>& fits, XY& spot) {
    for (int32_t draw = 0; draw < kBoundedDraws; ++draw) {
        const int32_t x = x0 + rng.Random(width);
        const int32_t y = y0 + rng.Random(height);
        if (!fits(x, y)) continue;
        spot = XY{x, y};
        return true;
    }
    for (int32_t x = x0; x < x0 + width; ++x) {
        for (int32_t y = y0; y < y0 + height; ++y) {
            if (!fits(x, y)) continue;
            spot = XY{x, y};
            return true;
        }
    }
    return false;
}

int32_t DrawFittingIndex(int32_t count, const std::function<bool(int32_t)>& fits) {
    for (int32_t draw = 0; draw < kBoundedDraws; ++draw) {
        const int32_t index = rng.Random(count);
        if (fits(index)) return index;
    }
    for (int32_t index = 0; index < count; ++index) {
        if (fits(index)) return index;
    }
    return -1;
}
