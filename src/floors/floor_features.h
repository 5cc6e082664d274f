#pragma once
// What the feature placers of a new floor share: the open-spot rule, the
// spot search, the rising odds, the colour-scheme test, the landmark odds and
// the game's count of altars.
#include <cstdint>

#include "floors/tile_draws.h"
#include "toolkit/random_mother.h"
#include "toolkit/xy.h"
#include "world/floor.h"

// The altars placed in this game.
extern int32_t altarCount;

// How many tiles a feature's spot search draws before it gives up.
constexpr int32_t kSpotSearchDraws = 50000;

// A '.' tile whose whole 3x3 block is '.'; cells off the map are not floor.
bool IsOpenSpot(const Floor& floor, int32_t x, int32_t y);

// Whether the floor has an open spot anywhere.
bool HasOpenSpot(const Floor& floor);

// Up to kSpotSearchDraws tiles (DrawTile with this margin) for an open spot
// that also passes extra(x, y).
template <class Extra>
bool SearchOpenSpot(const Floor& floor, int32_t margin, const Extra& extra, XY& spot) {
    for (int32_t tries = 0; tries < kSpotSearchDraws; ++tries) {
        spot = DrawTile(margin);
        if (IsOpenSpot(floor, spot.x, spot.y) && extra(spot.x, spot.y)) return true;
    }
    return false;
}

// True when the first wall from the top of every column (that has one) has this colour.
bool TopWallsHaveColour(const Floor& floor, ColourCode colour);

// After a first feature: one more while Random(k) is 0, k = 2 step, 3 step, ...
template <class PlaceOne>
void PlaceWithRisingOdds(int32_t step, const PlaceOne& placeOne) {
    for (int32_t k = 2 * step;; k += step) {
        placeOne();
        const int32_t roll = rng.Random(k);
        if (roll != 0) return;
    }
}

// A count's rare changes, drawn in this order: 1 in 5000 it grows by
// `windfall`, 1 in `odds` by Random(spread), 1 in `odds` it shrinks by Random(spread).
int32_t WithRareChanges(int32_t count, int32_t windfall, int32_t odds, int32_t spread);

// The highest floor below floorNumber, and no higher up than `top`, that has a
// tile with this glyph; 0 when there is none.
int32_t LastFloorWithGlyph(int32_t floorNumber, int32_t top, char glyph);

// Whether a landmark `distance` floors below the last one of its kind is sure to
// come: 2, 4, 6 or 8 times in 10 for 10..13 (one Random(10)), always from 14 on.
bool IsLandmarkDue(int32_t distance);
