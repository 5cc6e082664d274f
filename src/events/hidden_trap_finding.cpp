// The ring of trap sight shows the hidden traps around the character's feet.
#include <cstdint>

#include "events/world_events.h"
#include "items/worn_properties.h"
#include "player/commands.h"
#include "player/worn_gear.h"
#include "toolkit/message_log.h"
#include "world/floor.h"
#include "world/player.h"

void FindHiddenTrap() {
    Floor* floor = CurrentFloor();
    if (floor == nullptr || !RingHas(kPropertyTrapSight)) return;
    for (int32_t dx = -1; dx <= 1; ++dx) {
        for (int32_t dy = -1; dy <= 1; ++dy) {
            const int32_t x = player.x + dx;
            const int32_t y = player.y + dy;
            if (!Floor::OnMap(x, y)) continue;
            Tile& tile = floor->At(x, y);
            if (tile.glyph != kFloorGlyph || tile.trapKind < 1 || tile.trapKind > kTrapKindCount) continue;
            PrintWords("You find a hidden trap! ");
            tile.glyph = kFoundTrapGlyph;
            tile.colour = kTrapColour[tile.trapKind];
        }
    }
}
