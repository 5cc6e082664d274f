#pragma once
// A room decided but not yet carved: its block and its pattern, every draw of
// it already taken. The floor carves it, or a scratch grid marks it.
#include <cstdint>

#include "shell/xy.h"

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

// Draws the pattern of a w x h room at (x, y): now and then a checkerboard (when
// allowed and the room is at least 5 x 5), else a plain room that a small room
// may give a special shape.
RoomPlan PlanRoom(int32_t x, int32_t y, int32_t w, int32_t h, bool checkerAllowed);

// The cells of a checkerboard's interior alternate, the first one being ice.
bool IsCheckerIce(const RoomPlan& room, int32_t i, int32_t j);
