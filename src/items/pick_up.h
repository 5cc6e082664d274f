#pragma once
// Taking what lies on the character's tile into the inventory.
#include <array>
#include <cstdint>

class Tile;

// The pick-up list keeps a mark per listed position (a tile lists at most 22).
using PickMarks = std::array<uint8_t, 26>;

// The tile's one item, with "You pick the <name> up. ".
void PickUpTheOnlyItem(Tile& tile);
// Every item of the tile, with "You pick up the items. ".
void PickUpEverything(Tile& tile);
// The items at the marked positions of the first `listed`; the others stay in
// their order. False, with nothing said or taken, when no mark is set.
bool PickUpMarked(Tile& tile, const PickMarks& marks, int32_t listed);
