#pragma once
// What features hold for the finder: a new item of a kind for the depth, or gold
// when no kind fits or the tile is full; and the monsters that wait beside them.
#include <cstdint>

#include "world/floor.h"

// Lays one newly found item of a random kind for the level on the tile; false,
// laying nothing, when no kind fits or the tile already holds all it can.
bool LayFoundItem(Tile& tile, float level);
// The first tile around the character, columns outer and rows inner, that is
// plain floor with no monster and no sage; false when there is none.
bool FindAmbushTile(int32_t& x, int32_t& y);
