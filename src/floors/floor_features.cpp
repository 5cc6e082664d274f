// The scattered features of a new floor: the placers that put one glyph on
// open spots with rising odds, bags, hidden traps and items buried in snow.
#include "floors/floor_features.h"

namespace {

constexpr int32_t kAnywhere = 0;    // spots drawn over the whole map
constexpr int32_t kAwayFromEdge = 2;  // spots at least two tiles from the edge

// Opens with 1 in `odds`, then places more with rising odds of the same step.
// `furnish` gets each open spot found; a search without a spot places nothing.
template <class Furnish>
void PlaceOnOpenSpots(Floor& floor, int32_t odds, int32_t margin, const Furnish& furnish) {
    const int32_t opening = rng.Random(odds);
    if (opening != 0) return;
    PlaceWithRisingOdds(odds, [&] {
        XY spot;
        if (SearchOpenSpot(floor, margin, [](int32_t, int32_t) { return true; }, spot)) furnish(floor.At(spot.x, spot.y), spot);
    });
}

void SetFeature(Tile& tile, char glyph, ColourCode colour) {
    tile.glyph = glyph;
    tile.colour = colour;
}

// One tile of the ring around a blood stand: splashed 1 time in 3 when it is floor.
void SplashRingTile(Floor& floor, int32_t x, int32_t y) {
    const int32_t chance = rng.Random(3);
    Tile& tile = floor.At(x, y);
    if (chance != 0 || tile.glyph != kFloorGlyph) return;
    const int32_t shade = rng.Random(2);
    tile.colour = shade == 0 ? kDriedBlood : kFreshBlood;
}

void SplashBlood(Floor& floor, XY stand) {
    for (int32_t x = stand.x - 1; x <= stand.x + 1; ++x) {
        for (int32_t y = stand.y - 1; y <= stand.y + 1; ++y) {
            const int32_t shade = rng.Random(2);
            floor.At(x, y).colour = shade != 0 ? kFreshBlood : kDriedBlood;
        }
    }
    for (int32_t i = 0; i <= 4; ++i) {
        SplashRingTile(floor, stand.x - 2 + i, stand.y - 2);
        SplashRingTile(floor, stand.x - 2 + i, stand.y + 2);
        SplashRingTile(floor, stand.x + 2, stand.y - 2 + i);
        SplashRingTile(floor, stand.x - 2, stand.y - 2 + i);
    }
}

bool IsFloorTile(const Floor& floor, int32_t x, int32_t y) { return floor.At(x, y).glyph == kFloorGlyph; }

}  // namespace

bool IsOpenSpot(const Floor& floor, int32_t x, int32_t y) { return floor.CountGlyphAround(x, y, 1, kFloorGlyph) == 9; }

bool HasOpenSpot(const Floor& floor) {
    for (int32_t x = 1; x < kFloorWidth - 1; ++x) {
        for (int32_t y = 1; y < kFloorHeight - 1; ++y) {
            if (IsOpenSpot(floor, x, y)) return true;
        }
    }
    return false;
}

int32_t WithRareChanges(int32_t count, int32_t windfall, int32_t odds, int32_t spread) {
    const int32_t windfallChance = rng.Random(5000);
    if (windfallChance == 0) count += windfall;
    const int32_t moreChance = rng.Random(odds);
    if (moreChance == 0) {
        const int32_t more = rng.Random(spread);
        count += more;
    }
    const int32_t fewerChance = rng.Random(odds);
    if (fewerChance == 0) {
        const int32_t fewer = rng.Random(spread);
        count -= fewer;
    }
    return count;
}

bool TopWallsHaveColour(const Floor& floor, ColourCode colour) {
    for (int32_t x = 0; x < kFloorWidth; ++x) {
        for (int32_t y = 0; y < kFloorHeight; ++y) {
            const Tile& tile = floor.At(x, y);
            if (tile.glyph != kWallGlyph) continue;
            if (tile.colour != colour) return false;
            break;
        }
    }
    return true;
}

void Floor::PlaceIcyPools() {
    if (At(0, 0).colour != kIcyWalls) return;
    PlaceOnOpenSpots(*this, 4, kAnywhere, [](Tile& tile, XY) {
        SetFeature(tile, kPoolGlyph, kLightCyan);
        const int32_t depth = rng.Random(3);
        tile.featureState = 4 + 2 * depth;
    });
}

void Floor::PlaceSnowmen() {
    if (!TopWallsHaveColour(*this, kSnowyWalls)) return;
    PlaceOnOpenSpots(*this, 4, kAnywhere, [](Tile& tile, XY) {
        SetFeature(tile, kSnowmanGlyph, kDarkGrey);
        tile.featureState = kFeatureUnused;
    });
}

void Floor::PlaceCampfires() {
    if (!TopWallsHaveColour(*this, kStoneWalls)) return;
    PlaceOnOpenSpots(*this, 4, kAnywhere, [](Tile& tile, XY) {
        SetFeature(tile, kCampfireGlyph, kCampfireColour);
        const int32_t fuel = rng.Random(100);
        tile.featureState = fuel + 250;
    });
}

void Floor::PlaceMirrors() {
    if (!TopWallsHaveColour(*this, kIcyWalls)) return;
    PlaceOnOpenSpots(*this, 4, kAnywhere, [](Tile& tile, XY) {
        SetFeature(tile, kMirrorGlyph, kMirrorColour);
        tile.featureState = kFeatureUnused;
    });
}

void Floor::PlaceMagicWritings() {
    PlaceOnOpenSpots(*this, 6, kAnywhere, [](Tile& tile, XY) {
        SetFeature(tile, kWritingGlyph, kWhite);
        tile.featureState = kFeatureUnused;
    });
}

void Floor::PlaceVeilSpirits() {
    PlaceOnOpenSpots(*this, 6, kAnywhere, [](Tile& tile, XY) {
        SetFeature(tile, kVeilSpiritGlyph, kMagenta);
        tile.featureState = kFeatureUnused;
    });
}

void Floor::PlaceMasks() {
    PlaceOnOpenSpots(*this, 4, kAwayFromEdge, [](Tile& tile, XY) { SetFeature(tile, kMaskGlyph, kRed); });
}

void Floor::PlaceLightBalls() {
    PlaceOnOpenSpots(*this, 10, kAwayFromEdge,
                     [](Tile& tile, XY) { SetFeature(tile, kLightBallGlyph, kLightMagenta); });
}

void Floor::PlaceBloodStands() {
    PlaceOnOpenSpots(*this, 7, kAwayFromEdge, [this](Tile& tile, XY spot) {
        SplashBlood(*this, spot);
        SetFeature(tile, kBloodStandGlyph, kFreshBlood);
    });
}

void Floor::PlaceBags() {
    int32_t count = 1;
    for (;;) {
        const int32_t more = rng.Random(static_cast<int32_t>(1.5 * (count + 1)));
        if (more != 0) break;
        ++count;
    }
    const int32_t hoard = rng.Random(5000);
    if (hoard == 0) count += 5;
    const auto fits = [this](int32_t x, int32_t y) { return IsFloorTile(*this, x, y); };
    for (int32_t i = 0; i < count; ++i) {
        XY spot;
        if (!DrawTileUntil(kAnywhere, fits, spot)) return;
        Tile& tile = At(spot.x, spot.y);
        SetFeature(tile, kBagGlyph, kCyan);
        tile.featureState = kFeatureUnused;
    }
}

void Floor::PlaceHiddenTraps() {
    const int32_t base = rng.Random(4);
    const int32_t count = WithRareChanges(base, 20, 40, 8);
    const auto fits = [this](int32_t x, int32_t y) { return IsFloorTile(*this, x, y); };
    for (int32_t i = 0; i < count; ++i) {
        XY spot;
        if (!DrawTileUntil(kAnywhere, fits, spot)) return;
        const int32_t kind = rng.Random(kTrapKindCount);
        At(spot.x, spot.y).trapKind = kind + 1;
    }
}

void Floor::BuryItemsInSnow() {
    if (At(0, 0).colour != kSnowyWalls) return;
    const int32_t chance = rng.Random(2);
    if (chance != 0) return;
    const auto fits = [this](int32_t x, int32_t y) { return IsFloorTile(*this, x, y) && At(x, y).trapKind == kNoTrap; };
    PlaceWithRisingOdds(2, [&] {
        XY spot;
        if (DrawTileUntil(kAnywhere, fits, spot)) At(spot.x, spot.y).featureState = kBuriedItemState;
    });
}
