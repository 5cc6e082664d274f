#include "events/traps.h"

void RevealTrap(Tile& tile) {
    if (tile.trapKind < 1 || tile.trapKind > kTrapKindCount) return;
    tile.glyph = kFoundTrapGlyph;
    tile.colour = kTrapColour[tile.trapKind];
}
