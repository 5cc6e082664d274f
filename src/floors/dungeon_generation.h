#pragma once
// Builds and populates all 35 floors of a new game.
#include <array>
#include <cstdint>

#include "floors/prebuilt_floors.h"

// The five prebuilt floors of a game, one per block of seven floors.
using PrebuiltFloorList = std::array<int32_t, kPrebuiltFloorCount>;

void GenerateDungeon();

// For a block whose placers put neither an altar nor a sage on its generated
// floors (floorNumber is its last generated floor, 7k+5): one of them is
// forced onto one of the block's generated floors.
void ForceAltarOrSage(int32_t floorNumber, const PrebuiltFloorList& prebuilt);
