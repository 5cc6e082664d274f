// A running quick move or quick rest, replayed one step per command read: what
// ends it before the step, the pause between steps, and the step itself.
#include "player/commands.h"
#include "toolkit/terminal.h"
#include "toolkit/xy.h"
#include "world/command_keys.h"
#include "world/direction.h"
#include "world/player.h"
#include "world/sage.h"
#include "world/terrain.h"

int32_t runStuckTurns = 0;
int32_t runLastX = 0;
int32_t runLastY = 0;

namespace {

constexpr int32_t kStuckPollLimit = 5;

// The checks made before each replayed step; afterwards runKey says whether the run goes on.
void CheckRunBeforeStep(Player& p) {
    if (p.IsHostileMonsterInSight()) p.runKey = kNoRunKey;
    const bool resting = IsBoundKey(p.runKey, kCommandRest);
    bool spaceHit = false;
    if (!resting) {
        p.CheckQuickMoveStop();
        // The pause between steps listens for the space bar, so that even a long one can be cut short.
        spaceHit = PauseUnlessKey(static_cast<uint32_t>(runDelayMs), kKeySpace);
    }
    // Any other key pressed during the run is swallowed here, one per step.
    if (spaceHit || PollKey() == kKeySpace) p.runKey = kNoRunKey;
    if (p.x == runLastX && p.y == runLastY && !IsBoundKey(p.runKey, kCommandRest)) {
        if (++runStuckTurns >= kStuckPollLimit) p.runKey = kNoRunKey;
    } else {
        runLastX = p.x;
        runLastY = p.y;
        runStuckTurns = 0;
    }
}

}  // namespace

int32_t Player::NextRunStep() {
    CheckRunBeforeStep(*this);
    if (runKey == kNoRunKey) return kRunEnded;
    if (IsBoundKey(runKey, kCommandRest)) return kCommandRest;
    for (int32_t command = kCommandNorth; command <= kCommandSouthEast; ++command) {
        if (!IsBoundKey(runKey, command)) continue;
        const XY step = DirectionStep(command);
        const char ahead = GlyphBesidePlayer(step.x, step.y);
        const char twoAhead = GlyphBesidePlayer(2 * step.x, 2 * step.y);
        // Stop before walking into a sage, a known trap or an ice block; the step itself is still made.
        if (IsSageAt(x, y, step.x, step.y, currentFloor) || twoAhead == kFoundTrapGlyph || ahead == kFoundTrapGlyph ||
            ahead == kIceBlockGlyph || twoAhead == kIceBlockGlyph) {
            runKey = kNoRunKey;
        }
        return command;
    }
    return kCommandNone;
}
