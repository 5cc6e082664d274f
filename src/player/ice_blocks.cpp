// Kicking an ice block: it may shatter, more easily on slushy floors and
// hardly at all on floors of hard snow.
#include "floors/floor_feelings.h"
#include "player/commands.h"
#include "toolkit/message_log.h"
#include "toolkit/random_mother.h"
#include "world/floor.h"

void KickIceBlock(Floor& floor, int32_t x, int32_t y) {
    const int32_t roll = rng.Random(20);
    int32_t threshold = 10;
    if (floor.feeling == kFeelingHardSnow) threshold = 3;
    if (floor.feeling == kFeelingSlushy) threshold = 19;
    if (roll < threshold) {
        PrintWords("You smash the iceblock into pieces! ");
        floor.At(x, y).glyph = kFloorGlyph;
    } else {
        PrintWords("You kick the iceblock, but it doesn't shatter yet. ");
    }
}
