#pragma once
// The ordinary kinds a floor spawns, as the duel table and the level
// projection count them.
#include <cstdint>
#include <vector>

// Kind indexes: the wanted level of floor f is 1.43 f, rounded down or, as
// often as its fraction says, up; a kind matches one level above the wanted
// one, within two levels either way (the level jitter's rare swings aside).
std::vector<int32_t> KindsOfFloor(int32_t floor);
