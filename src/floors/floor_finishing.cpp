// What every layout generator does last: wall the border, put the stairs and
// paint the colour scheme; and the digging direction they all draw.
#include "floors/floor.h"
#include "floors/local_random.h"
#include "floors/spot_search.h"
#include "shell/random_mother.h"

bool Floor::PlaceStairs(int32_t mode) {
    if (mode != 2 && mode != 3) return false;
    auto fits = [this, mode](int32_t x, int32_t y) {
        if (GlyphAt(x, y) != '.' || !OnMap(x, y)) return false;
        if (CountGlyphAround(x, y, 1, '.') < 8) return false;
        return mode == 2 || CountGlyphAround(x, y, 3, '<') == 0;
    };
    XY spot;
    if (!SearchSpot(-1, fits, spot)) return false;
    At(spot.x, spot.y).glyph = mode == 2 ? '<' : '>';
    return true;
}

void Floor::WallBorder() {
    for (int32_t x = 0; x < kFloorWidth; ++x) {
        for (int32_t y = 0; y < kFloorHeight; ++y) {
            const bool onBorder = x == 0 || y == 0 || x == kFloorWidth - 1 || y == kFloorHeight - 1;
            if (onBorder && At(x, y).glyph == '.') At(x, y).glyph = '#';
        }
    }
}

void Floor::SetTileColours(int32_t mode) {
    enum Scheme { kGrey, kWhite, kCyan };
    const int32_t draw = rng.Random(9);
    Scheme scheme;
    if (mode == 0) {
        scheme = kGrey;
    } else if (mode == 1) {
        scheme = kWhite;
    } else if (mode == 2) {
        scheme = kCyan;
    } else {
        scheme = draw < 2 ? kCyan : draw < 5 ? kWhite : kGrey;
    }
    const ColourCode wall = scheme == kGrey ? 7 : scheme == kWhite ? 15 : 3;
    const ColourCode open = scheme == kCyan ? 11 : 15;
    for (Tile& tile : tiles) {
        if (tile.glyph == '#') {
            tile.colour = wall;
        } else if (tile.glyph == '.' || tile.glyph == '\'' || tile.glyph == '<' || tile.glyph == '>') {
            tile.colour = open;
        }
    }
}

int32_t RandomDirection() { return RandomDirection(rng); }
