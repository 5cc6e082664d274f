#pragma once
// The five demon floors (6, 13, 20, 27 and 34), laid out from fixed maps that
// are part of the program: two maps per floor, one of them chosen per game.
#include <cstdint>

#include "world/floor.h"

// 0..4 for the demon floors 6, 13, 20, 27 and 34; -1 for any other floor.
int32_t DemonIndex(int32_t floorNumber);
// Row y of the map of a demon floor in variant 0 or 1 (80 characters); null otherwise.
const char* DemonFloorMapRow(int32_t floorNumber, int32_t variant, int32_t y);
// Builds that floor of floorArray when it is a demon floor; any other floor is left alone.
void BuildSpecialFloor(int32_t floorNumber);
