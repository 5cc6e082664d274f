#pragma once
// A flood over a map held a column at a time as bits: bit y of a column's word
// is the tile in row y. The cavern asks it whether its open tiles make one cave.
#include <array>
#include <cstdint>

#include "world/floor.h"

using ColumnBits = std::array<uint32_t, kFloorWidth>;

// Whether the tiles set in `tiles` are all joined, diagonal steps included
// (true when none is set).
bool IsOneConnectedArea(const ColumnBits& tiles);
