#include "floors/demon_floors.h"

#include "toolkit/random_mother.h"
#include "world/monster.h"

int32_t DemonIndex(int32_t floorNumber) {
    if (floorNumber < 6 || floorNumber > 34 || (floorNumber + 1) % 7 != 0) return -1;
    return (floorNumber + 1) / 7 - 1;
}

namespace {
// The fixed maps' own characters; every other character is the tile's glyph.
constexpr char kMapSpikePit = '^';
constexpr char kMapDemon = '&';
constexpr char kMapMirror = 'P';

struct Region {
    int32_t xMin, xMax, yMin, yMax;
};

// The demon's blood-red surroundings on the first and the last demon floor.
bool RedRegion(int32_t floorNumber, int32_t variant, Region& region) {
    if (floorNumber == 6) {
        region = variant == 0 ? Region{0, 79, 17, 17} : Region{1, 1, 0, 18};
        return true;
    }
    if (floorNumber == 34) {
        region = variant == 0 ? Region{69, 78, 0, 18} : Region{4, 20, 3, 12};
        return true;
    }
    return false;
}
}  // namespace

void BuildSpecialFloor(int32_t floorNumber) {
    if (DemonIndex(floorNumber) < 0) return;
    const int32_t variant = rng.Random(2);
    Floor& floor = floorArray[floorNumber];
    for (int32_t y = 0; y < kFloorHeight; ++y) floor.ParseFixedMapRow(DemonFloorMapRow(floorNumber, variant, y), y, floorNumber);

    Region region{};
    if (!RedRegion(floorNumber, variant, region)) return;
    for (int32_t x = region.xMin; x <= region.xMax; ++x) {
        for (int32_t y = region.yMin; y <= region.yMax; ++y) {
            Tile& tile = floor.At(x, y);
            if (tile.glyph != kFloorGlyph) continue;
            const int32_t shade = rng.Random(2);
            tile.colour = shade == 0 ? kDriedBlood : kFreshBlood;
        }
    }
}

void Floor::ParseFixedMapRow(const std::string& row, int32_t y, int32_t floorNumber) {
    if (y < 0 || y >= kFloorHeight) return;
    // A short row reads as wall where it ends.
    auto cell = [&row](int32_t x) {
        return static_cast<size_t>(x) < row.size() ? row[static_cast<size_t>(x)] : kWallGlyph;
    };
    for (int32_t x = 0; x < kFloorWidth; ++x) {
        Tile& tile = At(x, y);
        const char c = cell(x);
        if (c == kMapSpikePit) {
            tile.glyph = kFloorGlyph;
            tile.trapKind = kTrapSpikePit;
        } else if (c == kMapDemon) {
            tile.glyph = kFloorGlyph;
            CreateUniqueDemon(x, y, floorNumber, kFloorsOwnDemon);
        } else {
            tile.glyph = c;
        }
    }
    for (int32_t x = 0; x < kFloorWidth; ++x) {
        Tile& tile = At(x, y);
        if (tile.glyph == kWallGlyph || tile.glyph == kMapMirror) {
            tile.colour = kIcyWalls;
        } else if (tile.glyph == kVeilSpiritGlyph) {
            tile.colour = kGrey;
        } else {
            tile.colour = kIcyGround;
        }
    }
    for (int32_t x = 0; x < kFloorWidth; ++x) {
        Tile& tile = At(x, y);
        if (tile.glyph == kMapMirror) {
            tile.glyph = kMirrorGlyph;
            tile.colour = kMirrorColour;
            tile.featureState = kFeatureUnused;
        } else if (tile.glyph == kVeilSpiritGlyph) {
            tile.featureState = kFeatureUnused;
        }
    }
}
