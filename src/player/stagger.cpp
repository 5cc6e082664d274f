// A confused character's move: a random direction that is not into a wall, or staying put.
#include "player/commands.h"
#include "toolkit/message_log.h"
#include "toolkit/random_mother.h"
#include "toolkit/xy.h"
#include "world/command_keys.h"
#include "world/direction.h"
#include "world/player.h"
#include "world/terrain.h"

namespace {

// Draws enough for any sane map; a character walled in on every side draws 0 long before.
constexpr int32_t kMostDraws = 10000;

}  // namespace

int32_t Player::Stagger() {
    // By draw: stay, east, south, west, north, south-east, north-west, north-east, south-west.
    static constexpr int32_t kByDraw[9] = {kCommandRest,      kCommandEast,      kCommandSouth,
                                           kCommandWest,      kCommandNorth,     kCommandSouthEast,
                                           kCommandNorthWest, kCommandNorthEast, kCommandSouthWest};
    PrintWords("You stagger. ");
    for (int32_t draws = 0; draws < kMostDraws; ++draws) {
        const int32_t command = kByDraw[rng.Random(9)];
        if (command == kCommandRest) return kCommandRest;
        const XY step = DirectionStep(command);
        if (GlyphBesidePlayer(step.x, step.y) != kWallGlyph) return command;
    }
    return kCommandRest;
}
