// The levitating ball of light takes the character to a training room out of
// time and space, and melts the floor when it lets go.
#include "events/event_area.h"
#include "events/world_events.h"
#include "floors/field_of_view.h"
#include "player/commands.h"
#include "toolkit/drawing.h"
#include "toolkit/message_log.h"
#include "world/game_hooks.h"

void EnterTrainingRoom() {
    Floor* floor = CurrentFloor();
    if (floor == nullptr || floor->GlyphAt(player.x, player.y) != kLightBallGlyph) return;
    PrintWords(
        "You carefully approach the weird levitating ball of light, but to your surprise it sucks you in before you "
        "manage to react. Kaleidoscopic colors swirl in your eyes until you emerge into a small windowless training "
        "room. Alone in this safe spot, removed from time and space, you are able to train peacefully for a while to "
        "improve one of your traits further. ");
    WaitForSpace();
    ClearScreen();
    player.ImproveTrait();
    Tile& tile = floor->At(player.x, player.y);
    tile.glyph = kSlushGlyph;
    tile.colour = kMagenta;
    ClearScreen();
    floor->RedrawSeenTiles();
    ComputeFieldOfView(floor, player.x, player.y, player.sightRadius);
    RedrawScreen();
    PrintWords(
        "After you're done training, you return back to the snowy dungeon to continue your quest. The light "
        "disappears behind you in a blast of energy that melts the floor underneath. ");
}
