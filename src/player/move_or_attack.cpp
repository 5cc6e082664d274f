// A move in one of the eight directions: into a monster it is an attack,
// anywhere else a step, unless something holds the character back.
#include "folk/sage.h"
#include "monsters/monster.h"
#include "player/commands.h"
#include "player/player.h"
#include "shell/drawing.h"
#include "shell/key_bindings.h"
#include "shell/message_log.h"
#include "shell/random_mother.h"
#include "skills/skill_def.h"

namespace {

// True while the monster is still the one on the tile. The record is only
// compared, never read: the blow before may have killed and freed it.
bool StillStandsOn(const Monster* monster, XY target) {
    return FindMonsterAt(target.x, target.y, player.currentFloor) == monster;
}

// Two blows, the second only when the first left the monster where it was.
void StrikeTwice(Monster* monster, XY target) {
    player.MeleeAttack(monster, false);
    if (StillStandsOn(monster, target)) player.MeleeAttack(monster, false);
}

int32_t Attack(Monster* monster, XY target) {
    Player& p = player;
    if (p.horror > 0 && monster->ability == kAbilityFear) {
        PrintWords("You're too horrified to hit that monster! ");
        messageLog.FlushMessages(false);
        return 0;
    }
    const int32_t prepared = p.preparedSkill;
    if (prepared == kSkillDoubleStrike || prepared == kSkillMadStrike) {
        constexpr char kStrikeMark = '*';
        DrawChar(kStrikeMark, target.x, target.y, kMagenta);
        RefreshScreen();
        WaitMilliseconds(50);
        StrikeTwice(monster, target);
        if (prepared == kSkillMadStrike && rng.Random(3) == 0) {
            const int32_t extra = rng.Random(3);
            p.dizziness += 2 + extra;
        }
        p.preparedSkill = 0;
        return 1;
    }
    if (p.berserkBoon == kBoonSwifter) {
        StrikeTwice(monster, target);
    } else {
        p.MeleeAttack(monster, true);
    }
    return 1;
}

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
    Monster* monster = FindMonsterAt(target.x, target.y, p.currentFloor);
    if (monster != nullptr) return Attack(monster, target);
    if (p.immobility > 0) {
        // Held in place, the character rests instead, without a word.
        CountRest();
        return 1;
    }
    if (IsSageNextToPlayer(step.x, step.y)) return 0;
    if (p.IsOverburdened()) return 0;
    if (!p.IsBerserkMoveAllowed(step.x, step.y)) return 0;
    if (Step(command) == 0) return 0;
    messageLog.StepOnTile();
    return 1;
}
