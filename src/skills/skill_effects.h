#pragma once
// What the skills do once they are paid for, one function per effect, and the
// small pieces of map work those effects share.
#include <cstdint>

#include "world/direction.h"

class Floor;
class Player;
class Tile;

// ---- shared by the effects ----

// Asks for a direction until it is one of the eight around the character; a
// penetrating path is drawn with its line glyph.
Direction AskSkillDirection();

// The attribute boosts at a character level: how much they give for the full price,
// and that price on top of the one point the skill itself costs.
int32_t BoostSize(int32_t level);
int32_t BoostPrice(int32_t level);

// A wall or an ice block stops walks, dashes and shoves; off the map counts as wall.
bool IsSolidAt(const Floor& floor, int32_t x, int32_t y);
// New ice blocks and disarmed trap tiles blend in with the floor's own scheme,
// which the map's corner tile shows.
void ColourAsIceBlock(const Floor& floor, Tile& tile);
void ColourAsDisarmedTrap(const Floor& floor, Tile& tile);
// True when a monster or a sage stands on (x, y) of the character's floor.
bool IsCreatureAt(const Player& p, int32_t x, int32_t y);

// ---- the effects: each gives 1 when the turn was used ----

int32_t PerformMultistrike(Player& p);
int32_t PerformPenetratingStrike(Player& p);
int32_t PerformMultishot(Player& p);
int32_t PerformPenetratingShot(Player& p);
int32_t PerformTaunt(Player& p);
int32_t PerformDash(Player& p);
int32_t PerformKnockback(Player& p);
int32_t PerformYell(Player& p);
int32_t PerformCreateIceballs(Player& p);
int32_t PerformDestroyWalls(Player& p);
int32_t PerformDisarmTraps(Player& p);
int32_t PerformListen(Player& p);
int32_t PerformAttributeBoost(Player& p, int32_t effect);
