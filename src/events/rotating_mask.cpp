// A rotating mask melds into a character who is not already raging, and waits
// inside for a fight.
#include "events/event_area.h"
#include "events/world_events.h"
#include "player/commands.h"
#include "toolkit/message_log.h"

void MeetRotatingMask() {
    Floor* floor = CurrentFloor();
    if (floor == nullptr || floor->GlyphAt(player.x, player.y) != kMaskGlyph) return;
    if (player.berserkTurns >= 1 || player.berserkBoon == kBoonMaskWaiting) {
        PrintWords("The mask ignores you. ");
        return;
    }
    PrintWords(
        "As you approach the moving mask on the ground, its rotation starts to slow and then stops. The mask rises up "
        "facing you. There's a quick red glint in the eye holes before the mask dashes toward you, hits your face and "
        "melds into you. Nothing seems to happen, you're only left with a feeling of anticipation. ");
    // The rage may start before the next key is read and take the controls away:
    // the player reads this to its end first.
    messageLog.FlushWithMore();
    player.berserkBoon = kBoonMaskWaiting;
    player.berserkTurns = 0;
    player.TickBerserk();
    Tile& tile = floor->At(player.x, player.y);
    tile.glyph = kFloorGlyph;
    tile.colour = floor->At(0, 0).colour == kIcyWalls ? kIcyGround : kSnowyGround;
}
