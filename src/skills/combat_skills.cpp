// The fighting actions among the skills: blows at everything around, arrows at
// everything in sight, strikes and shots that pass through a line of monsters,
// and the taunt that makes shooters come to blows.
#include "player/commands.h"
#include "player/worn_gear.h"
#include "skills/skill_def.h"
#include "skills/skill_effects.h"
#include "toolkit/drawing.h"
#include "toolkit/message_log.h"
#include "world/floor.h"
#include "world/monster.h"
#include "world/player.h"

namespace {

constexpr char kSkillMark = '*';
// A penetrating strike or shot reaches this many tiles.
constexpr int32_t kPenetratingReach = 4;
constexpr int32_t kTauntTurns = 6;

// Each map position of the square of the sight radius around the character, column by column.
template <typename Visit>
void ForEachInSight(const Player& p, Visit visit) {
    const int32_t r = p.sightRadius;
    for (int32_t dx = -r; dx <= r; ++dx) {
        for (int32_t dy = -r; dy <= r; ++dy) {
            const int32_t x = p.x + dx;
            const int32_t y = p.y + dy;
            if (!Floor::OnMap(x, y)) continue;
            if (!visit(x, y)) return;
        }
    }
}

// The monster on a tile in view now, or none.
Monster* VisibleMonsterAt(const Player& p, int32_t x, int32_t y) {
    const Floor* floor = CurrentFloor();
    if (floor == nullptr || floor->At(x, y).visibleNow == 0) return nullptr;
    return FindMonsterAt(x, y, p.currentFloor);
}

// Up to four tiles along the direction, until a wall or an ice block; hit is called for each monster met.
template <typename Hit>
void WalkPenetratingLine(Player& p, const Direction& direction, Hit hit) {
    Floor* floor = CurrentFloor();
    if (floor == nullptr) return;
    for (int32_t step = 1; step <= kPenetratingReach; ++step) {
        const int32_t x = p.x + step * direction.step.x;
        const int32_t y = p.y + step * direction.step.y;
        if (IsSolidAt(*floor, x, y)) return;
        if (floor->At(x, y).visibleNow != 0) {
            DrawChar(direction.lineGlyph, x, y, kLightGreen);
            RefreshScreen();
        }
        if (Monster* monster = FindMonsterAt(x, y, p.currentFloor)) {
            if (!hit(*monster)) return;
        }
        WaitMilliseconds(50);
    }
}

}  // namespace

int32_t PerformMultistrike(Player& p) {
    PrintWords("You swing round and try to hit everything around you. ");
    for (int32_t dx = -1; dx <= 1; ++dx) {
        for (int32_t dy = -1; dy <= 1; ++dy) {
            Monster* monster = FindMonsterAt(p.x + dx, p.y + dy, p.currentFloor);
            if (monster == nullptr) continue;
            FlashCharacter(kSkillMark, monster->x, monster->y, kCyan, 50);
            p.MeleeAttack(monster, false);
        }
    }
    return 1;
}

int32_t PerformMultishot(Player& p) {
    if (!MainWeaponIsRanged()) {
        PrintWords("You are unable to use this without a bow. The energy is wasted. ");
        return 0;
    }
    if (p.ArrowCount() < 2) {
        PrintWords("Not enough arrows. ");
        return 0;
    }
    PrintWords("You grab a few arrows and unleash hell. ");
    ForEachInSight(p, [&p](int32_t x, int32_t y) {
        if (p.ArrowCount() == 0) {
            PrintWords("You run out of arrows. ");
            return false;
        }
        Monster* monster = VisibleMonsterAt(p, x, y);
        if (monster != nullptr) {
            // A shot can cut the bow in half: the volley ends with it.
            if (!MainWeaponIsRanged()) return false;
            FlashCharacter(kSkillMark, x, y, kCyan, 50);
            p.ResolveShot(monster);
        }
        return true;
    });
    return 1;
}

int32_t PerformPenetratingStrike(Player& p) {
    const Direction direction = AskSkillDirection();
    WalkPenetratingLine(p, direction, [&p](Monster& monster) {
        p.MeleeAttack(&monster, false);
        return true;
    });
    return 1;
}

int32_t PerformPenetratingShot(Player& p) {
    if (p.ArrowCount() < 1) {
        PrintWords("You need an arrow. ");
        return 0;
    }
    // The shot needs an arrow only: without a bow it is driven by hand.
    const bool withBow = MainWeaponIsRanged();
    const Direction direction = AskSkillDirection();
    WalkPenetratingLine(p, direction, [&p, withBow](Monster& monster) {
        // A line longer than the quiver ends where the arrows do.
        if (p.ArrowCount() < 1) {
            PrintWords("You run out of arrows. ");
            return false;
        }
        // A shot can cut the bow in half: the line of shots ends with it.
        if (withBow && !MainWeaponIsRanged()) return false;
        p.preparedSkill = kSkillPenetratingShot;
        p.ResolveShot(&monster);
        return true;
    });
    p.preparedSkill = 0;
    return 1;
}

int32_t PerformTaunt(Player& p) {
    PrintWords("You provoke and insult everyone around you, and their mothers. ");
    ForEachInSight(p, [&p](int32_t x, int32_t y) {
        Monster* monster = VisibleMonsterAt(p, x, y);
        if (monster == nullptr) return true;
        if (IsUniqueDemon(monster->name)) {
            PrintWords("The demon laughs at you. ");
            return true;
        }
        FlashCharacter(kSkillMark, x, y, kLightRed, 50);
        if (monster->ranged == 1) {
            monster->ranged = 0;
            monster->tauntTurns = kTauntTurns;
        }
        return true;
    });
    return 1;
}
