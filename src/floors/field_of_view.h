#pragma once
// What the player sees: marks the tiles in view from (x, y) within radius r.
#include <cstdint>

class Floor;

void ComputeFieldOfView(Floor* floor, int32_t x, int32_t y, int32_t r);
