// A move in one of the eight directions: into a monster it is an attack,
// anywhere else a step, unless something holds the character back.
#include "events/world_events.h"
#include "player/commands.h"
#include "skills/skill_def.h"
#include "toolkit/drawing.h"
#include "toolkit/message_log.h"
#include "toolkit/random_mother.h"
#include "world/command_keys.h"
#include "world/direction.h"
#include "world/monster.h"
#include "world/player.h"
#include "world/sage.h"

namespace {

int32_t Step(int32_t command) {
    switch (command) {
        case kCommandNorth: return player.StepNorth();
        case kCommandSouth: return player.StepSouth();
        case kCommandWest: return player.StepWest();
        case kCommandEast: return player.StepEast();
        case kCommandNorthWest: return player.StepNorthWest();
        case kCommandNorthEast: return player.StepNorthEast();
        case kCommandSouthWest: return player.StepSouthWest();
        default: return player.StepSouthEast();
    }
}

}  // namespace

int32_t MoveOrAttack(int32_t command) {
    Player& p = player;
    const XY step = DirectionStep(command);
    const XY target{p.x + step.x, p.y + step.y};
    if (FindMonsterAt(target.x, target.y, p.currentFloor) != nullptr) {
        // Horror that forbids the blow leaves the turn unused.
        return p.AttackUnlessHorrified(command) == 1 ? 1 : 0;
    }
    if (p.immobility > 0) {
        // Held in place, the character rests instead, without a word.
        CountRest();
        return 1;
    }
    if (IsSageNextToPlayer(step.x, step.y)) return 0;
    if (p.IsOverburdened()) return 0;
    if (!p.IsBerserkMoveAllowed(step.x, step.y)) return 0;
    if (Step(command) == 0) return 0;
    StepOnTile();
    return 1;
}
