#pragma once
// The characters of the floors file's maps that mean more than a glyph. Every
// other character of a map row becomes the tile's glyph as it stands.
#include <cstdint>

// The first character other than blanks of the line between two maps.
constexpr char kMapSeparator = '!';
constexpr char kMapSlush = ',';
// An item of a rolled category, or gold.
constexpr char kMapTreasure = 'a';
// Treasure or a feature: a better item, gold, a sage, a deep smith, an altar or a ball of light.
constexpr char kMapSpecialSpot = 'A';
constexpr char kMapHiddenTrap = '^';
// A monster of the floor's depth, never a variant; a strong one is always a variant.
constexpr char kMapMonster = 'm';
constexpr char kMapStrongMonster = 's';

// Monsters a map may mark before the floor gets no more: each 'm' takes one, each 's' two.
constexpr int32_t kMonsterBudget = 23;
constexpr int32_t kStrongMonsterCost = 2;
