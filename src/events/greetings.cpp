// The folk beside the character greet it once each time it comes near.
#include <cstdint>

#include "events/event_area.h"
#include "events/world_events.h"
#include "player/commands.h"
#include "toolkit/message_log.h"
#include "world/sage.h"

void GreetNpc() {
    for (int32_t dx = -1; dx <= 1; ++dx) {
        for (int32_t dy = -1; dy <= 1; ++dy) {
            const bool smith = GlyphBesidePlayer(dx, dy) == kDeepSmithGlyph;
            if (!smith && !IsSageNextToPlayer(dx, dy)) continue;
            if (player.besideNpc == 0) {
                PrintWords(smith ? "The smith waves a hello to you. " : "The sage nods a greeting to you. ");
                PrintChatHint();
            }
            player.besideNpc = 1;
            return;
        }
    }
    player.besideNpc = 0;
}
