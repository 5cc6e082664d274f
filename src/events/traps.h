#pragma once
// Traps. The trap under the character goes off through MessageLog::TriggerTrap
// (shell/message_log.h), which the step sequence runs once after every step; the
// kinds and their colours are in floors/terrain.h.
#include "floors/floor.h"

// Makes the trap on the tile known: '^' in the colour of its kind.
void RevealTrap(Tile& tile);
