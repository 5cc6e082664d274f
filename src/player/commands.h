#pragma once
// Pieces shared by the character's commands: the executor, the steps, the
// stairs and the quick move.
#include <array>
#include <cstdint>

class Floor;

// The floor the character is on; null off the floor array (the surface).
Floor* CurrentFloor();
// The glyph at (x + dx, y + dy) of the character's floor; off the map, or with
// no floor, it reads as wall.
char GlyphBesidePlayer(int32_t dx, int32_t dy);
// The '.' tiles of the 3 by 3 block around the character, its own tile included.
int32_t FloorTilesAround();
// The key of a command as a run key: its symbol, or "no run" when it is unbound.
uint8_t RunKeyOf(int32_t command);

// One rest's worth of regeneration counting.
void CountRest();
// Overwrites message rows first..last with the message log's blank line.
void BlankMessageRows(int32_t first, int32_t last);
// "You are too confused to do that" on row 19, outside the message log.
void RefuseWhileConfused();
// "You can't move! ", shown at once.
void RefuseWhileImmobile();

// Kicks the ice block at (x, y) of the floor; it shatters into floor, or holds.
void KickIceBlock(Floor& floor, int32_t x, int32_t y);

// Commands 2 to 9: attack the monster in that direction, or step there.
int32_t MoveOrAttack(int32_t command);
// Command 16: the equipment screen and what newly worn prefixes do.
int32_t ChangeEquipment();
// The prefixes of the items in the slots whose prefixes take effect when put on
// (main and second weapon, shield, chest, boots, helmet, leggings, gauntlets); -1 where there is none.
using WornPrefixes = std::array<int32_t, 8>;
WornPrefixes RememberWornPrefixes();
// After the equipment changed: each item now in those slots whose prefix was
// not among the remembered ones takes effect, and the player is told.
void ApplyNewlyWornPrefixes(const WornPrefixes& before);
// What the monsters of a floor did while the player was elsewhere: 25 rounds of
// their ticks and regeneration, before the player arrives there by the stairs.
void CatchUpArrivalFloor(int32_t floor);
// Puts the character on the first tile of its floor with the glyph, scanning
// column by column, and marks the tile occupied; false, with nothing changed, when there is none.
bool PlaceOnFirstGlyph(char glyph);
