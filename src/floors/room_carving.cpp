// Rooms, carved straight into a floor or planned on a scratch grid: plain
// rooms, rare checkerboards of ice, and small rooms with walls inside.
#include "floors/floor.h"
#include "floors/local_random.h"
#include "floors/room_plan.h"
#include "floors/scratch_grid.h"
#include "floors/spot_search.h"
#include "shell/random_mother.h"

namespace {

// The wall cells of a small room's special shape, with its draws in order.
template <class Wall>
void ShapeWalls(int32_t w, int32_t h, Wall wall) {
    if (w == 3 && h == 3) {
        wall(1, 1);
    } else if (w == 3 && h == 4) {
        wall(1, 1), wall(1, 2);
    } else if (w == 4 && h == 3) {
        wall(1, 1), wall(2, 1);
    } else if (w == 4 && h == 4) {
        static constexpr int32_t kCells[4][2] = {{1, 1}, {2, 2}, {2, 1}, {1, 2}};
        for (const auto& cell : kCells) {
            const int32_t draw = rng.Random(3);
            if (draw != 0) wall(cell[0], cell[1]);
        }
    } else if (w == 4 && h == 5) {
        if (rng.Random(2) == 0) {
            wall(1, 1), wall(2, 1), wall(1, 3), wall(2, 3);
        } else {
            wall(1, 2), wall(2, 2);
            if (rng.Random(2) == 0) {
                wall(1, 1), wall(2, 3);
            } else {
                wall(2, 1), wall(1, 3);
            }
        }
    } else if (w == 5 && h == 4) {
        if (rng.Random(2) == 0) {
            wall(1, 1), wall(1, 2), wall(3, 1), wall(3, 2);
        } else {
            wall(2, 1), wall(2, 2);
            if (rng.Random(2) == 0) {
                wall(1, 1), wall(3, 2);
            } else {
                wall(1, 2), wall(3, 1);
            }
        }
    } else if (w == 5 && h == 5) {
        switch (rng.Random(6)) {
            case 0: wall(2, 1), wall(1, 2), wall(2, 2), wall(3, 2), wall(2, 3); break;
            case 1: wall(1, 1), wall(3, 1), wall(1, 3), wall(3, 3); break;
            case 2: wall(1, 1), wall(1, 2), wall(3, 2), wall(3, 3); break;
            case 3: wall(1, 1), wall(2, 1), wall(2, 3), wall(3, 3); break;
            case 4: wall(1, 1), wall(1, 2), wall(1, 3), wall(3, 1), wall(3, 2), wall(3, 3); break;
            default: wall(1, 1), wall(2, 1), wall(3, 1), wall(1, 3), wall(2, 3), wall(3, 3); break;
        }
    }
}

bool IsRim(const RoomPlan& room, int32_t i, int32_t j) {
    return i == 0 || j == 0 || i == room.w - 1 || j == room.h - 1;
}

}  // namespace

RoomPlan PlanRoom(int32_t x, int32_t y, int32_t w, int32_t h, bool checkerAllowed) {
    RoomPlan room;
    room.x = x;
    room.y = y;
    room.w = w;
    room.h = h;
    const int32_t checkerDraw = rng.Random(400);
    if (checkerDraw == 0 && checkerAllowed && w >= 5 && h >= 5) {
        room.checker = true;
        return room;
    }
    const int32_t shapeDraw = rng.Random(50);
    if (shapeDraw == 0 && w < 6 && h < 6)
        ShapeWalls(w, h, [&room](int32_t i, int32_t j) { room.shapeWalls[room.shapeWallCount++] = {i, j}; });
    return room;
}

// Down each column of the interior a parity runs from 2 (ice) upwards; with an
// even height it is held back by one per column so that the columns alternate.
bool IsCheckerIce(const RoomPlan& room, int32_t i, int32_t j) {
    const int32_t perColumn = (room.h - 2) - (room.h % 2 == 0 ? 1 : 0);
    const int32_t parity = 2 + (i - 1) * perColumn + (j - 1);
    return parity % 2 == 0;
}

void Floor::CarveRoom(int32_t x, int32_t y, int32_t w, int32_t h, bool noChecker) {
    const RoomPlan room = PlanRoom(x, y, w, h, !noChecker);
    for (int32_t i = 0; i < w; ++i) {
        for (int32_t j = 0; j < h; ++j) {
            if (!OnMap(x + i, y + j)) continue;
            const bool ice = room.checker && !IsRim(room, i, j) && IsCheckerIce(room, i, j);
            At(x + i, y + j).glyph = ice ? '\'' : '.';
        }
    }
    for (int32_t k = 0; k < room.shapeWallCount; ++k) {
        const int32_t cx = x + room.shapeWalls[k].x;
        const int32_t cy = y + room.shapeWalls[k].y;
        if (OnMap(cx, cy)) At(cx, cy).glyph = '#';
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

// A room at the end of a path. After a vertical path the room is shifted
// sideways, after a horizontal one up or down, so that the path meets it.
RoomPlan Floor::PlanScratchRoom(int32_t x, int32_t y) const {
    int32_t w = 0;
    int32_t h = 0;
    int32_t ox = 0;
    int32_t oy = 0;
    // From any position the room floor plans at, some size and shift fits;
    // the bound only guards a caller that asks from too near the edge.
    {
        LocalRandom random;
        for (int32_t draw = 0; draw < kSpotDrawLimit; ++draw) {
            w = random.Random(4) + 3;
            h = random.Random(4) + 3;
            ox = 0;
            oy = 0;
            if (openTileCount == 2 || openTileCount == 3) {
                ox = random.Random(w);
            } else if (openTileCount == 4 || openTileCount == 5) {
                oy = random.Random(h);
            }
            const int32_t right = x - ox + w;
            const int32_t bottom = y - oy + h;
            if (right >= 1 && right <= 78 && bottom >= 1 && bottom <= 17) break;
        }
    }
    return PlanRoom(x - ox, y - oy, w, h, true);
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
            if (held == '#' || held == previous) scratch.Set(room.x + i, room.y + j, letter);
        }
    }
    for (int32_t k = 0; k < room.shapeWallCount; ++k)
        scratch.Set(room.x + room.shapeWalls[k].x, room.y + room.shapeWalls[k].y, '#');
}
