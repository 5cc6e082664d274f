#pragma once
// A room decided but not yet carved: its block and its pattern, every draw of
// it already taken. The floor carves it, or a scratch grid marks it.
#include <cstdint>

#include "toolkit/xy.h"

struct RoomPlan {
    int32_t x = 0;  // top-left tile
    int32_t y = 0;
    int32_t w = 0;
    int32_t h = 0;
    bool checker = false;  // a checkerboard of ice inside an open rim
    // Walls of a small room's special shape, as offsets from the top-left tile.
    int32_t shapeWallCount = 0;
    XY shapeWalls[6];
};

// The wall cells of a small room's special shape, with its draws in order.
template <class Generator, class Wall>
void ShapeWalls(int32_t w, int32_t h, Generator& random, Wall wall) {
    if (w == 3 && h == 3) {
        wall(1, 1);
    } else if (w == 3 && h == 4) {
        wall(1, 1), wall(1, 2);
    } else if (w == 4 && h == 3) {
        wall(1, 1), wall(2, 1);
    } else if (w == 4 && h == 4) {
        static constexpr int32_t kCells[4][2] = {{1, 1}, {2, 2}, {2, 1}, {1, 2}};
        for (const auto& cell : kCells) {
            const int32_t draw = random.Random(3);
            if (draw != 0) wall(cell[0], cell[1]);
        }
    } else if (w == 4 && h == 5) {
        if (random.Random(2) == 0) {
            wall(1, 1), wall(2, 1), wall(1, 3), wall(2, 3);
        } else {
            wall(1, 2), wall(2, 2);
            if (random.Random(2) == 0) {
                wall(1, 1), wall(2, 3);
            } else {
                wall(2, 1), wall(1, 3);
            }
        }
    } else if (w == 5 && h == 4) {
        if (random.Random(2) == 0) {
            wall(1, 1), wall(1, 2), wall(3, 1), wall(3, 2);
        } else {
            wall(2, 1), wall(2, 2);
            if (random.Random(2) == 0) {
                wall(1, 1), wall(3, 2);
            } else {
                wall(1, 2), wall(3, 1);
            }
        }
    } else if (w == 5 && h == 5) {
        switch (random.Random(6)) {
            case 0: wall(2, 1), wall(1, 2), wall(2, 2), wall(3, 2), wall(2, 3); break;
            case 1: wall(1, 1), wall(3, 1), wall(1, 3), wall(3, 3); break;
            case 2: wall(1, 1), wall(1, 2), wall(3, 2), wall(3, 3); break;
            case 3: wall(1, 1), wall(2, 1), wall(2, 3), wall(3, 3); break;
            case 4: wall(1, 1), wall(1, 2), wall(1, 3), wall(3, 1), wall(3, 2), wall(3, 3); break;
            default: wall(1, 1), wall(2, 1), wall(3, 1), wall(1, 3), wall(2, 3), wall(3, 3); break;
        }
    }
}

// Draws the pattern of a w x h room at (x, y): now and then a checkerboard (when
// allowed and the room is at least 5 x 5), else a plain room that a small room
// may give a special shape. Any generator: the game's, or a local copy of it.
template <class Generator>
RoomPlan PlanRoom(int32_t x, int32_t y, int32_t w, int32_t h, bool checkerAllowed, Generator& random) {
    RoomPlan room;
    room.x = x;
    room.y = y;
    room.w = w;
    room.h = h;
    const int32_t checkerDraw = random.Random(400);
    if (checkerDraw == 0 && checkerAllowed && w >= 5 && h >= 5) {
        room.checker = true;
        return room;
    }
    const int32_t shapeDraw = random.Random(50);
    if (shapeDraw == 0 && w < 6 && h < 6)
        ShapeWalls(w, h, random, [&room](int32_t i, int32_t j) { room.shapeWalls[room.shapeWallCount++] = {i, j}; });
    return room;
}

// The cells of a checkerboard's interior alternate, the first one being ice.
bool IsCheckerIce(const RoomPlan& room, int32_t i, int32_t j);
