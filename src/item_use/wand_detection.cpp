// The detection wand shows the floor's traps, monsters and items, one picture
// after another; only the traps stay known afterwards.
#include "item_use/zap_wand.h"
#include "toolkit/drawing.h"
#include "toolkit/message_log.h"
#include "world/floor.h"
#include "world/player.h"

namespace {

// The trap kind stays; the map now shows the trap in its colour.
void RevealTraps() {
    for (Tile& tile : PlayersFloor().tiles) {
        if (tile.trapKind <= kNoTrap || tile.trapKind > kTrapKindCount) continue;
        tile.glyph = kFoundTrapGlyph;
        tile.colour = kTrapColour[tile.trapKind];
    }
}

// The messages of one sense, then its picture until the space bar.
void Sense(void (*draw)(), ColourCode promptColour) {
    WaitForSpace();
    ClearScreen();
    draw();
    DrawText("Press space.", 33, 23, promptColour);
    WaitForSpaceOnly();
}

}  // namespace

void ZapDetection(int32_t kind) {
    QuietRedraw();
    IdentifyWand(kind);
    PrintWords("You sense the special objects in this level. ");
    PrintWords("You sense the presence of traps! ");
    RevealTraps();
    Sense(DrawSensedTraps, kLightCyan);
    QuietRedraw();
    PrintWords("You sense the presence of monsters! ");
    Sense(DrawSensedMonsters, kLightCyan);
    QuietRedraw();
    PrintWords("You sense the presence of items! ");
    Sense(DrawSensedItems, kCyan);
    QuietRedraw();
}
