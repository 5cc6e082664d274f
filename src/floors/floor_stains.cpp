// Patches that colour a floor: blood, snow and freezing drizzle stains, and
// blobs of slush on white floors.
#include <cstdlib>

#include "floors/floor_features.h"
#include "floors/floor_feelings.h"

namespace {

void PaintStain(Tile& tile, int32_t mode) {
    if (mode == kStainBlood) {
        const int32_t shade = rng.Random(2);
        tile.colour = shade != 0 ? kFreshBlood : kDriedBlood;
        if (tile.glyph == kFoundTrapGlyph) tile.glyph = kFloorGlyph;  // a found trap is hidden again
    } else if (mode == kWeatherSnowing) {
        tile.colour = kWhite;
        if (tile.glyph == kFoundTrapGlyph) tile.glyph = kFloorGlyph;
        if (tile.glyph == kWallGlyph) tile.mark = 0;  // the map drawing redraws the wall
    } else if (tile.glyph == kFloorGlyph) {
        tile.colour = kLightCyan;
    } else if (tile.glyph == kWallGlyph) {
        tile.mark = 0;
        tile.colour = kCyan;
    } else {
        tile.colour = kLightCyan;
        tile.glyph = kFloorGlyph;
    }
}

// One try of a patch around (x, y), which lies at least 3 tiles inside the
// map's top left; true when it painted a tile.
bool TryStainPatch(Floor& floor, int32_t x, int32_t y, int32_t mode) {
    int32_t openCount = 0;
    bool painted = false;
    for (int32_t px = x - 1; px <= x + 1; ++px) {
        for (int32_t py = y - 1; py <= y + 1; ++py) {
            const int32_t first = rng.Random(3);
            bool takesPart = false;
            if (mode == kStainBlood) {
                takesPart = first == 0;
                if (!takesPart) rng.Random(5);  // drawn and passed over
            } else {
                const int32_t second = rng.Random(5);
                takesPart = second == 0;
            }
            if (!takesPart) continue;
            openCount +=
                floor.CountGlyphAround(px, py, 1, kFloorGlyph) + floor.CountGlyphAround(px, py, 1, kFoundTrapGlyph);
            Tile& tile = floor.At(px, py);
            const bool stainable =
                tile.glyph == kFloorGlyph || tile.glyph == kWallGlyph || tile.glyph == kFoundTrapGlyph;
            if (!stainable || openCount < 1) continue;
            PaintStain(tile, mode);
            painted = true;
        }
    }
    return painted;
}

// Slush may cover a blob centre that has at least 4 floor and 2 wall tiles
// within walking distance 2.
bool IsSlushCentre(const Floor& floor, int32_t x, int32_t y) {
    int32_t open = 0;
    int32_t walls = 0;
    for (int32_t dx = -2; dx <= 2; ++dx) {
        for (int32_t dy = -2; dy <= 2; ++dy) {
            if (std::abs(dx) + std::abs(dy) > 2) continue;
            const char glyph = floor.At(x + dx, y + dy).glyph;
            if (glyph == kFloorGlyph) ++open;
            if (glyph == kWallGlyph) ++walls;
        }
    }
    return open >= 4 && walls >= 2;
}

void PlaceSlushBlob(Floor& floor) {
    XY centre;
    if (!DrawTileUntil(2, [&floor](int32_t x, int32_t y) { return IsSlushCentre(floor, x, y); }, centre)) return;
    for (int32_t dx = -2; dx <= 2; ++dx) {
        for (int32_t dy = -2; dy <= 2; ++dy) {
            const int32_t distance = std::abs(dx) + std::abs(dy);
            bool covered = true;
            if (distance == 3) {
                const int32_t roll = rng.Random(4);
                covered = roll == 0;
            } else if (distance == 4) {
                const int32_t first = rng.Random(4);
                const int32_t second = rng.Random(4);
                covered = first == 0 && second == 0;
            }
            Tile& tile = floor.At(centre.x + dx, centre.y + dy);
            if (covered && tile.glyph == kFloorGlyph) {
                tile.glyph = kSlushGlyph;
                tile.colour = kMagenta;
            }
        }
    }
}

}  // namespace

void Floor::StainFloorPatches(int32_t mode) {
    int32_t count = rng.Random(10);
    if (mode == kStainBlood) {
        const int32_t floodChance = rng.Random(5000);
        if (floodChance == 0) count += 100;
        if (feeling == kFeelingProvocative) count += 25;
        if (feeling == kFeelingCalm || count < 1) return;
    } else {
        count = 1;
    }
    for (int32_t patch = 0; patch < count; ++patch) {
        // A patch needs a spot 3 tiles in from the top and left that paints something.
        bool painted = false;
        for (int32_t tries = 0; tries < kTileDrawLimit && !painted; ++tries) {
            const int32_t x = rng.Random(kFloorWidth) - 2;
            const int32_t y = rng.Random(kFloorHeight) - 2;
            if (x >= 3 && y >= 3) painted = TryStainPatch(*this, x, y, mode);
        }
        if (!painted) return;
    }
}

void Floor::PlaceSlush() {
    if (feeling == kFeelingHardSnow) return;
    const bool slushy = feeling == kFeelingSlushy;
    if (!slushy) {
        const int32_t opening = rng.Random(3);
        if (opening != 0) return;
    }
    if (At(0, 0).colour != kSnowyWalls) return;
    PlaceWithRisingOdds(slushy ? 1 : 3, [this] { PlaceSlushBlob(*this); });
}
