#pragma once
// The prebuilt floor maps: plain text, checked and packed into "floors.hmd".
#include <string>
#include <vector>

#include "data_compiler/source_text.h"
#include "floors/prebuilt_floors.h"

constexpr int kMapRows = 19;
constexpr int kMapColumns = 80;

struct FloorMap {
    int firstLine = 0;              // source line of row 0
    std::vector<std::string> rows;  // the first 80 characters of each of the 19 rows
};

// Finds the maps as the game finds them: map 0 on the first line, map k on the
// line after the k-th separator (a line whose first character other than
// blanks, tabs and line ends is '!').
std::vector<FloorMap> ParseFloorSource(const std::string& text, const std::string& file, Diagnostics& diagnostics);
// Walls, stairs, reachability, legend and monster budget of every map.
void CheckFloorMaps(const std::vector<FloorMap>& maps, const std::string& file, Diagnostics& diagnostics);
// The monster budget of a map: 23 minus the 'm' cells minus twice the 's' cells.
int MonsterBudget(const FloorMap& map);
std::string SummarizeFloors(const std::vector<FloorMap>& maps);
