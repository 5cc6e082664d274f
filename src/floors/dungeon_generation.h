#pragma once
// Builds and populates all 35 floors of a new game.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "floors/prebuilt_floors.h"

// The five prebuilt floors of a game, one per block of seven floors.
using PrebuiltFloorList = std::array<int32_t, kPrebuiltFloorCount>;

void GenerateDungeon();

// GenerateDungeon a floor at a time, for whoever must watch each floor (the
// benchmark times them): StartDungeon makes the draws that come before the
// first floor, then GenerateDungeonFloor builds floors 0 to 34 in order.
struct DungeonPlan {
    PrebuiltFloorList prebuilt{};
    std::vector<int32_t> maps;
    std::string mapsText;  // unpacked from the first prebuilt floor to the last
    int32_t blockCounter = 0;  // altars and sages placed so far in the block of seven
    bool shortcut = false;
};
DungeonPlan StartDungeon();
void GenerateDungeonFloor(DungeonPlan& plan, int32_t floorNumber);

// For a block whose placers put neither an altar nor a sage on its generated
// floors (floorNumber is its last generated floor, 7k+5): one of them is
// forced onto one of the block's generated floors.
void ForceAltarOrSage(int32_t floorNumber, const PrebuiltFloorList& prebuilt);
