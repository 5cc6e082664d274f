#pragma once
// The usual character level of a floor, carried forward from careful play:
// a careful player kills about the same number of monsters on every floor it
// clears (tools/careful_play measures it), so the experience it holds on
// arriving at a floor is that many kills on each floor above, each worth what
// the kinds of that floor give on average. The game's level thresholds turn
// the experience into a level.
#include <cstdint>

// Prints, for floors 0 to `lastFloor`, the experience of an average kill, the
// experience gathered on arriving there and the level it gives.
void PrintLevelProjection(double killsPerFloor, int32_t lastFloor);
