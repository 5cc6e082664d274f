#pragma once
// Traps. The trap under the character goes off through TriggerTrap
// (events/world_events.h), which the step sequence runs once after every step; the
// kinds and their colours are in world/terrain.h.
#include "world/floor.h"

// Makes the trap on the tile known: '^' in the colour of its kind.
void RevealTrap(Tile& tile);
