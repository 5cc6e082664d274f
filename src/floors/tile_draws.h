#pragma once
// Random tiles for the placers of a new floor, and the bounded search that
// keeps a draw-until-it-fits loop from running for ever.
#include <cstdint>

#include "toolkit/random_mother.h"
#include "toolkit/xy.h"
#include "world/floor.h"

// A tile at least `margin` tiles from the map's edge: x first, then y.
inline XY DrawTile(int32_t margin) {
    XY spot;
    spot.x = rng.Random(kFloorWidth - 2 * margin) + margin;
    spot.y = rng.Random(kFloorHeight - 2 * margin) + margin;
    return spot;
}

// How many tiles a search draws before it stops trusting chance.
constexpr int32_t kTileDrawLimit = 100000;

// Draws tiles (margin as DrawTile) until fits(x, y) holds. A floor that keeps
// missing gets, after kTileDrawLimit draws, the first fitting tile in storage
// order; false when no tile fits at all. The draws of a normal floor are the
// plain draw-until-found ones.
template <class Fits>
bool DrawTileUntil(int32_t margin, const Fits& fits, XY& spot) {
    for (int32_t tries = 0; tries < kTileDrawLimit; ++tries) {
        spot = DrawTile(margin);
        if (fits(spot.x, spot.y)) return true;
    }
    for (int32_t x = margin; x < kFloorWidth - margin; ++x) {
        for (int32_t y = margin; y < kFloorHeight - margin; ++y) {
            if (fits(x, y)) {
                spot = {x, y};
                return true;
            }
        }
    }
    return false;
}
