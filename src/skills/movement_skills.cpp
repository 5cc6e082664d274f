// The skills that move someone: the character's dash of two tiles, and the
// shove that throws a monster back.
#include "player/commands.h"
#include "skills/skill_effects.h"
#include "toolkit/drawing.h"
#include "toolkit/message_log.h"
#include "world/floor.h"
#include "world/monster.h"
#include "world/player.h"

namespace {

constexpr int32_t kDashSteps = 2;

// Where nobody can be pushed or dash to: walls, ice blocks and deep smiths, and
// tiles where a monster or a sage stands.
bool IsBlockedFor(const Player& p, const Floor& floor, int32_t x, int32_t y) {
    if (IsSolidAt(floor, x, y) || floor.GlyphAt(x, y) == kDeepSmithGlyph) return true;
    return IsCreatureAt(p, x, y);
}

}  // namespace

int32_t PerformDash(Player& p) {
    const Direction direction = AskSkillDirection();
    Floor* floor = CurrentFloor();
    if (floor == nullptr) return 1;
    for (int32_t step = 0; step < kDashSteps; ++step) {
        const int32_t x = p.x + direction.step.x;
        const int32_t y = p.y + direction.step.y;
        // The deep smith blocks the dash as he blocks every step.
        if (IsBlockedFor(p, *floor, x, y)) {
            PrintWords("The way is blocked! ");
            return 1;
        }
        floor->At(p.x, p.y).monsterPresent = 0;
        p.x = x;
        p.y = y;
        floor->At(x, y).monsterPresent = 1;
        if (step == 0) PrintWords("You sprint with blazing speed. ");
    }
    return 1;
}

int32_t PerformKnockback(Player& p) {
    const Direction direction = AskSkillDirection();
    Floor* floor = CurrentFloor();
    const int32_t x = p.x + direction.step.x;
    const int32_t y = p.y + direction.step.y;
    Monster* monster = FindMonsterAt(x, y, p.currentFloor);
    if (floor == nullptr || monster == nullptr) {
        PrintWords("There's nothing to knock there! ");
        return 0;
    }
    FlashCharacter('*', x, y, kBrown, 50);
    const XY twoAway{x + direction.step.x, y + direction.step.y};
    const XY threeAway{twoAway.x + direction.step.x, twoAway.y + direction.step.y};
    XY landing{};
    if (!IsBlockedFor(p, *floor, twoAway.x, twoAway.y) && !IsBlockedFor(p, *floor, threeAway.x, threeAway.y)) {
        landing = threeAway;
    } else if (!IsBlockedFor(p, *floor, twoAway.x, twoAway.y)) {
        landing = twoAway;
    } else {
        PrintWords("The way is blocked! ");
        return 1;
    }
    floor->At(monster->x, monster->y).monsterPresent = 0;
    PlaceMonster(*monster, landing.x, landing.y);
    floor->At(landing.x, landing.y).monsterPresent = 1;
    monster->energy = monster->actThreshold - monster->speed;
    PrintWords("The monster is momentarily disoriented by your powerful shove. ");
    return 1;
}
