// Rooms, carved straight into a floor or planned on a scratch grid: plain
// rooms, rare checkerboards of ice, and small rooms with walls inside.
#include "floors/room_plan.h"
#include "floors/scratch_grid.h"
#include "toolkit/random_mother.h"
#include "world/floor.h"

namespace {

bool IsRim(const RoomPlan& room, int32_t i, int32_t j) {
    return i == 0 || j == 0 || i == room.w - 1 || j == room.h - 1;
}

}  // namespace

// Down each column of the interior a parity runs from 2 (ice) upwards; with an
// even height it is held back by one per column so that the columns alternate.
bool IsCheckerIce(const RoomPlan& room, int32_t i, int32_t j) {
    const int32_t perColumn = (room.h - 2) - (room.h % 2 == 0 ? 1 : 0);
    const int32_t parity = 2 + (i - 1) * perColumn + (j - 1);
    return parity % 2 == 0;
}

void Floor::CarveRoom(int32_t x, int32_t y, int32_t w, int32_t h, bool noChecker) {
    const RoomPlan room = PlanRoom(x, y, w, h, !noChecker, rng);
    for (int32_t i = 0; i < w; ++i) {
        for (int32_t j = 0; j < h; ++j) {
            if (!OnMap(x + i, y + j)) continue;
            const bool ice = room.checker && !IsRim(room, i, j) && IsCheckerIce(room, i, j);
            At(x + i, y + j).glyph = ice ? kIceBlockGlyph : kFloorGlyph;
        }
    }
    for (int32_t k = 0; k < room.shapeWallCount; ++k) {
        const int32_t cx = x + room.shapeWalls[k].x;
        const int32_t cy = y + room.shapeWalls[k].y;
        if (OnMap(cx, cy)) At(cx, cy).glyph = kWallGlyph;
    }
}

void Floor::CarveFirstRoom(bool noChecker) {
    ResetToNewFloor();
    openTileCount = 0;
    const int32_t x = rng.Random(80) / 2 + 20;
    const int32_t y = rng.Random(19) / 2 + 4;
    const int32_t w = rng.Random(3) + 3;
    const int32_t h = rng.Random(3) + 3;
    CarveRoom(x, y, w, h, noChecker);
}

// The room's cells that hold wall or the previous letter take the letter; in a
// checkerboard the rim and the would-be ice cells are marked, so the others stay
// wall. A special shape turns its cells back to wall.
void Floor::MarkScratchRoom(const RoomPlan& room, ScratchGrid& scratch, char letter) const {
    const char previous = static_cast<char>(letter - 1);
    for (int32_t i = 0; i < room.w; ++i) {
        for (int32_t j = 0; j < room.h; ++j) {
            if (room.checker && !IsRim(room, i, j) && !IsCheckerIce(room, i, j)) continue;
            const char held = scratch.At(room.x + i, room.y + j);
            if (held == kWallGlyph || held == previous) scratch.Set(room.x + i, room.y + j, letter);
        }
    }
    for (int32_t k = 0; k < room.shapeWallCount; ++k)
        scratch.Set(room.x + room.shapeWalls[k].x, room.y + room.shapeWalls[k].y, kWallGlyph);
}
