// Turning a run at a simple corridor bend: where exactly three floor tiles
// make up the bend (the character's own, the one it came from and one to the side).
#include "player/commands.h"
#include "world/command_keys.h"
#include "world/direction.h"
#include "world/floor.h"
#include "world/player.h"

namespace {

bool IsFloorBeside(int32_t dx, int32_t dy) { return GlyphBesidePlayer(dx, dy) == kFloorGlyph; }

// Turns the run sideways, to the first side and then, when the second is open too, to the second.
void TurnToOpenSide(int32_t firstSide, int32_t secondSide) {
    for (int32_t side : {firstSide, secondSide}) {
        const XY step = DirectionStep(side);
        if (IsFloorBeside(step.x, step.y)) player.runKey = RunKeyOf(side);
    }
}

}  // namespace

int32_t Player::FollowCorridor() {
    if (runKey == kNoRunKey) return 0;
    if (FloorTilesAround() != 3 || !IsFloorBeside(0, 0)) {
        runKey = kNoRunKey;
        return 0;
    }
    if ((IsBoundKey(runKey, kCommandNorth) && IsFloorBeside(0, 1)) ||
        (IsBoundKey(runKey, kCommandSouth) && IsFloorBeside(0, -1))) {
        TurnToOpenSide(kCommandEast, kCommandWest);
    } else if ((IsBoundKey(runKey, kCommandWest) && IsFloorBeside(1, 0)) ||
               (IsBoundKey(runKey, kCommandEast) && IsFloorBeside(-1, 0))) {
        TurnToOpenSide(kCommandSouth, kCommandNorth);
    } else {
        runKey = kNoRunKey;
    }
    for (int32_t command = kCommandNorth; command <= kCommandEast; ++command) {
        if (IsBoundKey(runKey, command)) return command;
    }
    runKey = kNoRunKey;
    return 0;
}
