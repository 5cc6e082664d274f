// What every layout generator does last: wall the border, put the stairs and
// paint the colour scheme.
#include "floors/spot_search.h"
#include "toolkit/random_mother.h"
#include "world/floor.h"

bool Floor::PlaceStairs(int32_t mode) {
    if (mode != kPlaceUpStairs && mode != kPlaceDownStairs) return false;
    auto fits = [this, mode](int32_t x, int32_t y) {
        if (GlyphAt(x, y) != kFloorGlyph || !OnMap(x, y)) return false;
        if (CountGlyphAround(x, y, 1, kFloorGlyph) < 8) return false;
        return mode == kPlaceUpStairs || CountGlyphAround(x, y, 3, kUpStairsGlyph) == 0;
    };
    XY spot;
    if (!SearchSpot(-1, fits, spot)) return false;
    At(spot.x, spot.y).glyph = mode == kPlaceUpStairs ? kUpStairsGlyph : kDownStairsGlyph;
    return true;
}

void Floor::WallBorder() {
    for (int32_t x = 0; x < kFloorWidth; ++x) {
        for (int32_t y = 0; y < kFloorHeight; ++y) {
            const bool onBorder = x == 0 || y == 0 || x == kFloorWidth - 1 || y == kFloorHeight - 1;
            if (onBorder && At(x, y).glyph == kFloorGlyph) At(x, y).glyph = kWallGlyph;
        }
    }
}

void Floor::SetTileColours(int32_t mode) {
    const int32_t draw = rng.Random(9);
    ColourScheme scheme;
    if (mode == kStoneScheme) {
        scheme = kStoneScheme;
    } else if (mode == kSnowyScheme) {
        scheme = kSnowyScheme;
    } else if (mode == kIcyScheme) {
        scheme = kIcyScheme;
    } else {
        scheme = draw < 2 ? kIcyScheme : draw < 5 ? kSnowyScheme : kStoneScheme;
    }
    const ColourCode wall = scheme == kStoneScheme ? kStoneWalls : scheme == kSnowyScheme ? kSnowyWalls : kIcyWalls;
    const ColourCode open = scheme == kIcyScheme ? kIcyGround : kSnowyGround;
    for (Tile& tile : tiles) {
        if (tile.glyph == kWallGlyph) {
            tile.colour = wall;
        } else if (tile.glyph == kFloorGlyph || tile.glyph == kIceBlockGlyph || IsStairs(tile.glyph)) {
            tile.colour = open;
        }
    }
}
