// The roughly dug dungeon: straight corridors of 4 to 8 tiles dug out from the
// walls of what is already open, each ending in a room, like a mine.
#include <algorithm>

#include "floors/dig_spots.h"
#include "toolkit/random_mother.h"
#include "world/floor.h"

namespace {

constexpr int32_t kFreeSpotsPerPass = 5;
constexpr int32_t kLastIceDoorway = 39;

// Random(4) as a digging direction: 0 up, 1 down, 2 right, 3 left.
int32_t CorridorDirection(int32_t draw) {
    static constexpr int32_t kDirections[4] = {2, 3, 5, 4};
    return kDirections[draw];
}

// Doorways in straight corridors: every other one of the first 39 turns to ice.
void FreezeDoorways(Floor& floor) {
    int32_t counted = 1;
    for (int32_t x = 0; x < kFloorWidth; ++x) {
        for (int32_t y = 0; y < kFloorHeight; ++y) {
            Tile& tile = floor.At(x, y);
            if (!tile.doorCandidate || floor.CountGlyphAround(x, y, 1, kWallGlyph) != 6) continue;
            if (counted % 2 == 1) tile.glyph = kIceBlockGlyph;
            ++counted;
            if (counted > kLastIceDoorway) return;
        }
    }
}

bool BuildRoughDungeon(Floor& floor, DigSpots& spots, int32_t budget) {
    floor.CarveFirstRoom(false);

    spots.Build(floor);
    bool dug = false;
    int32_t spent = 0;
    while (spent < budget) {
        if (dug) spots.Build(floor);
        dug = false;
        // The first few spots of a pass are free; after them each one costs a unit.
        XY spot;
        int32_t drawn = 0;
        bool found = true;
        for (;;) {
            if (!floor.PickWallBesideFloor(spots, spot)) {
                found = false;
                break;
            }
            ++drawn;
            if (drawn > kFreeSpotsPerPass) ++spent;
            if (spent >= budget || floor.IsGoodDigSpot(spots, spot.x, spot.y)) break;
        }
        if (!found) break;

        XY end = spot;
        if (floor.TryDigCorridor(end)) {
            dug = true;
            const int32_t second = rng.Random(budget / 4);
            if (second == 0) floor.TryDigCorridor(end);
            int32_t roomW = rng.Random(4) + 3;
            int32_t roomH = rng.Random(4) + 3;
            while (!floor.AttachRoom(end.x, end.y, roomW, roomH)) {
                bool further = false;
                for (int32_t i = 0; i < 4 && !further; ++i) further = floor.TryDigCorridor(end);
                if (!further) break;
                roomW = rng.Random(4) + 3;
                roomH = rng.Random(4) + 3;
            }
        }
        ++spent;
    }

    floor.layoutType = kLayoutRoughlyDug;
    floor.WallBorder();
    if (!floor.PlaceStairs(kPlaceUpStairs) || !floor.PlaceStairs(kPlaceDownStairs)) return false;
    FreezeDoorways(floor);
    floor.SetTileColours(kRandomScheme);
    return true;
}

}  // namespace

// A floor without room for both stairs is dug again from the start.
void Floor::GenerateRoughDungeon(int32_t budget) {
    DigSpots spots;
    while (!BuildRoughDungeon(*this, spots, budget)) {
    }
}

// Off the map and on its outermost rows and columns count as not solid.
bool Floor::IsAreaSolid(int32_t x, int32_t y, int32_t w, int32_t h) const {
    for (int32_t i = x; i < x + w; ++i) {
        for (int32_t j = y; j < y + h; ++j) {
            if (i <= 0 || i >= kFloorWidth || j <= 0 || j >= kFloorHeight) return false;
            if (At(i, j).glyph == kFloorGlyph) return false;
        }
    }
    return true;
}

// The spot tests read the open-tile sums of the floor as it is before a dig;
// a block is solid when it holds no open tile and stays off the outermost rows
// and columns, which is what the sums count as one open tile.
bool Floor::IsGoodDigSpot(const DigSpots& spots, int32_t x, int32_t y) {
    auto solid = [&spots](int32_t ax, int32_t ay, int32_t w, int32_t h) {
        return spots.CountOpenInArea(ax, ay, w, h) == 0;
    };
    if (y + 6 <= 17 && solid(x - 1, y, 3, 6) && CanBranchCorridor(spots, x, y + 6, 3)) return true;
    if (y - 6 >= 2 && solid(x - 1, y - 6, 3, 6) && CanBranchCorridor(spots, x, y - 6, 2)) return true;
    if (x + 6 <= 78 && solid(x, y - 1, 6, 3) && CanBranchCorridor(spots, x + 6, y, 5)) return true;
    if (x - 6 >= 2 && solid(x - 6, y - 1, 6, 3) && CanBranchCorridor(spots, x - 6, y, 4)) return true;
    return false;
}

// Whether a corridor ending at (x, y), dug in direction d, could go on.
bool Floor::CanBranchCorridor(const DigSpots& spots, int32_t x, int32_t y, int32_t direction) {
    auto solid = [&spots](int32_t ax, int32_t ay, int32_t w, int32_t h) {
        return spots.CountOpenInArea(ax, ay, w, h) == 0;
    };
    int32_t ways = 0;
    if (direction != 2 && y + 4 <= 17 && solid(x - 1, y, 3, 4)) ++ways;
    if (direction != 3 && y - 4 >= 2 && solid(x - 1, y - 4, 3, 4)) ++ways;
    if (direction != 4 && x + 4 <= 78 && solid(x, y - 1, 4, 3)) ++ways;
    if (direction != 5 && x - 4 >= 2 && solid(x - 4, y - 1, 4, 3)) ++ways;
    const int32_t draw = rng.Random(10);
    return draw != 0 ? ways > 1 : ways >= 1;
}

bool Floor::TryDigCorridor(XY& position) {
    const int32_t length = rng.Random(5) + 4;
    const int32_t direction = CorridorDirection(rng.Random(4));
    const int32_t x = position.x;
    const int32_t y = position.y;
    bool room = false;
    switch (direction) {
        case 2: room = y - length >= 2 && IsAreaSolid(x - 1, y - length, 3, length); break;
        case 3: room = y + length <= 17 && IsAreaSolid(x - 1, y, 3, length); break;
        case 5: room = x + length <= 78 && IsAreaSolid(x, y - 1, length, 3); break;
        default: room = x - length >= 2 && IsAreaSolid(x - length, y - 1, length, 3); break;
    }
    if (!room) return false;
    position = DigCorridor(direction, length, x, y);
    openTileCount = direction;
    return true;
}

// Digs until the corridor would brush open ground: it breaks into an open area
// it meets head on, and stops one short of one it would only graze.
XY Floor::DigCorridor(int32_t direction, int32_t length, int32_t x, int32_t y) {
    const XY step = DirectionStep(direction);
    const XY side = {step.y != 0 ? 1 : 0, step.x != 0 ? 1 : 0};
    XY current = {x, y};
    bool doorwayMarked = false;
    for (int32_t s = 0; s <= length; ++s) {
        const XY ahead = {current.x + step.x, current.y + step.y};
        const bool aheadOpen = GlyphAt(ahead.x, ahead.y) == kFloorGlyph;
        const bool sideOpen = GlyphAt(ahead.x + side.x, ahead.y + side.y) == kFloorGlyph;
        const bool otherSideOpen = GlyphAt(ahead.x - side.x, ahead.y - side.y) == kFloorGlyph;
        if (aheadOpen && sideOpen && otherSideOpen) {
            if (OnMap(current.x, current.y)) At(current.x, current.y).glyph = kFloorGlyph;
            return ahead;
        }
        if (aheadOpen || sideOpen || otherSideOpen) {
            if (OnMap(current.x, current.y)) At(current.x, current.y).doorCandidate = 0;
            return current;
        }
        if (OnMap(current.x, current.y)) At(current.x, current.y).glyph = kFloorGlyph;
        current = ahead;
        if (s != 0 && s < length - 1 && !doorwayMarked) {
            const int32_t draw = rng.Random(100);
            if (draw != 0 && OnMap(current.x, current.y)) {
                At(current.x, current.y).doorCandidate = 1;
                doorwayMarked = true;
            }
        }
    }
    return current;
}

bool Floor::AttachRoom(int32_t x, int32_t y, int32_t w, int32_t h) {
    const int32_t last = openTileCount;
    // The room must keep covering the corridor's end: its size in the shifted
    // direction has to stay above the shift.
    int32_t widthBound = 0;
    int32_t heightBound = 0;
    if (last == 4 || last == 5) {
        const int32_t shift = rng.Random(h);
        y -= shift;
        heightBound = shift;
    } else if (last == 2 || last == 3) {
        const int32_t shift = rng.Random(w);
        x -= shift;
        widthBound = shift;
    }
    if (y < 1) {
        heightBound -= 1 - y;
        y = 1;
    }
    if (x < 1) {
        widthBound -= 1 - x;
        x = 1;
    }
    if (y + 3 > 18) y -= 2;
    if (x + 3 > 79) x -= 2;

    for (;;) {
        bool nearBorder = false;
        int32_t open = 0;
        for (int32_t i = x - 1; i < x + w + 2 && !nearBorder; ++i) {
            for (int32_t j = y - 1; j < y + h + 2; ++j) {
                if (i <= 0 || i >= kFloorWidth || j <= 0 || j >= kFloorHeight) {
                    nearBorder = true;
                    break;
                }
                if (At(i, j).glyph == kFloorGlyph) ++open;
            }
        }
        const int32_t allowed = (last == 3 || last == 5) ? 1 : std::max(w + 3, h + 3);
        if (!nearBorder && open <= allowed) {
            CarveRoom(x, y, w, h, false);
            return true;
        }
        const int32_t shrink = rng.Random(12);
        if (shrink < 4) {
            --w;
        } else if (shrink < 8) {
            --h;
        } else {
            --w;
            --h;
        }
        if (w <= widthBound || w < 4 || h <= heightBound || h < 4) return false;
    }
}
