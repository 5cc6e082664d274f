#include "duel_fight.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "duel_keys.h"
#include "floors/demon_floors.h"
#include "player/commands.h"
#include "player/surroundings.h"
#include "player/worn_gear.h"
#include "game/game.h"
#include "toolkit/message_log.h"
#include "toolkit/random_mother.h"
#include "world/command_keys.h"
#include "world/direction.h"
#include "world/floor.h"
#include "world/monster.h"
#include "world/monster_kind.h"
#include "world/terrain.h"
#include "world/unique_demon_names.h"
#include "world/variant_words.h"

namespace {

// The open room, its corners included, and the character's square in it.
constexpr int32_t kRoomLeft = 20;
constexpr int32_t kRoomRight = 44;
constexpr int32_t kRoomTop = 5;
constexpr int32_t kRoomBottom = 15;
constexpr int32_t kStartX = 26;
constexpr int32_t kStartY = 10;
constexpr int32_t kApart = 3;
// A fight that lasts this many passes is a draw (counted as not won).
constexpr int32_t kTurnCap = 600;
// A fight in which the foes' hit points reach no new low for this many passes
// has stalled (the blows no longer outrun their regeneration): a draw as well.
constexpr int32_t kStallTurns = 120;
// Below this many arrows the archer's quiver is filled again.
constexpr int32_t kFewArrows = 20;
// On the demon's own floor the character, coming from the way up, meets the
// demon this many squares before it: about where a character's sight finds it.
constexpr int32_t kMeetingDistance = 6;
constexpr int32_t kFar = 1 << 30;

// A bare floor with the room open and every tile of it in view, as if lit and seen.
void PrepareFloor(int32_t floor) {
    Floor& map = floorArray[floor];
    map = Floor{};
    map.layoutType = kLayoutRooms;
    for (int32_t x = kRoomLeft; x <= kRoomRight; ++x) {
        for (int32_t y = kRoomTop; y <= kRoomBottom; ++y) {
            Tile& tile = map.At(x, y);
            tile.glyph = kFloorGlyph;
            tile.visibleNow = 1;
            tile.remembered = 1;
        }
    }
}

// The number of steps from every square of the floor to the goal, over the
// squares a character can walk (and, with `throughIce`, the ice blocks it can
// kick its way through); kFar where the goal cannot be reached.
std::vector<int32_t> StepsTo(int32_t floor, XY goal, bool throughIce) {
    const Floor& map = floorArray[floor];
    std::vector<int32_t> steps(static_cast<size_t>(kFloorWidth * kFloorHeight), kFar);
    const auto index = [](int32_t x, int32_t y) { return static_cast<size_t>(y * kFloorWidth + x); };
    std::vector<XY> frontier{goal};
    steps[index(goal.x, goal.y)] = 0;
    for (size_t next = 0; next < frontier.size(); ++next) {
        const XY at = frontier[next];
        for (int32_t dx = -1; dx <= 1; ++dx) {
            for (int32_t dy = -1; dy <= 1; ++dy) {
                const int32_t x = at.x + dx;
                const int32_t y = at.y + dy;
                if (!Floor::OnMap(x, y) || steps[index(x, y)] != kFar) continue;
                const char glyph = map.At(x, y).glyph;
                if (!IsWalkable(glyph) && !(throughIce && glyph == kIceBlockGlyph)) continue;
                steps[index(x, y)] = steps[index(at.x, at.y)] + 1;
                frontier.push_back(XY{x, y});
            }
        }
    }
    return steps;
}

int32_t StepsAt(const std::vector<int32_t>& steps, int32_t x, int32_t y) {
    return Floor::OnMap(x, y) ? steps[static_cast<size_t>(y * kFloorWidth + x)] : kFar;
}

Monster* FloorDemon(int32_t floor) {
    for (Monster* m = monsterListHead; m != nullptr; m = m->next) {
        if (m->floor == floor && IsUniqueDemon(m->name)) return m;
    }
    return nullptr;
}

// The demon's own floor, built by the game (one of its two maps, the demon on
// its square), and the square where the character meets the demon: on the
// shortest way from the staircase up to the demon, kMeetingDistance squares
// before it (the staircase itself when the way is shorter).
XY PrepareDemonFloor(int32_t floor) {
    floorArray[floor] = Floor{};
    BuildSpecialFloor(floor);
    const Monster* demon = FloorDemon(floor);
    XY at = FindStaircase(floor, false);
    if (demon == nullptr || at.x < 0) return XY{kStartX, kStartY};
    const std::vector<int32_t> steps = StepsTo(floor, XY{demon->x, demon->y}, true);
    while (StepsAt(steps, at.x, at.y) > kMeetingDistance && StepsAt(steps, at.x, at.y) < kFar) {
        XY best = at;
        for (int32_t dx = -1; dx <= 1; ++dx) {
            for (int32_t dy = -1; dy <= 1; ++dy) {
                if (StepsAt(steps, at.x + dx, at.y + dy) < StepsAt(steps, best.x, best.y)) best = XY{at.x + dx, at.y + dy};
            }
        }
        at = best;
    }
    return at;
}

// Spawns the kind by the game's own spawning: every other kind is hidden for the
// moment (a kind without hit points is never chosen), and the wanted level is the
// one whose match is the kind's own level, so the draw can only fall on it.
void SpawnKind(int32_t kind, int32_t x, int32_t y, int32_t floor) {
    static MonsterKindTable hidden;
    const MonsterKindTable kept = monsterKinds;
    hidden = monsterKinds;
    for (int32_t k = 0; k < kMonsterKindCount; ++k) {
        if (k != kind) hidden.kinds[k].hitPoints = 0;
    }
    monsterKinds = hidden;
    SpawnMonster(x, y, floor, true, kVariantNever, kept.kinds[kind].level - 1);
    monsterKinds = kept;
}

Monster* NearestFoe() {
    Monster* nearest = nullptr;
    int32_t best = 1 << 30;
    for (Monster* m = monsterListHead; m != nullptr; m = m->next) {
        if (m->floor != player.currentFloor || m->alive == 0 || m->hp < 1) continue;
        const int32_t distance = std::max(std::abs(m->x - player.x), std::abs(m->y - player.y));
        if (distance < best) {
            best = distance;
            nearest = m;
        }
    }
    return nearest;
}

// The step toward the foe: the first of a shortest way over walkable squares,
// or the straight step when there is no such way.
int32_t CommandToward(const Monster& foe) {
    XY step{(foe.x > player.x) - (foe.x < player.x), (foe.y > player.y) - (foe.y < player.y)};
    const std::vector<int32_t> steps = StepsTo(player.currentFloor, XY{foe.x, foe.y}, false);
    int32_t best = StepsAt(steps, player.x, player.y);
    for (int32_t dx = -1; dx <= 1; ++dx) {
        for (int32_t dy = -1; dy <= 1; ++dy) {
            if (StepsAt(steps, player.x + dx, player.y + dy) < best) {
                best = StepsAt(steps, player.x + dx, player.y + dy);
                step = XY{dx, dy};
            }
        }
    }
    for (int32_t command = kCommandNorth; command <= kCommandSouthEast; ++command) {
        const XY d = DirectionStep(command);
        if (d.x == step.x && d.y == step.y) return command;
    }
    return kCommandRest;
}

// Whether the character sees what the game's field of view gives it (on the
// demon's floor) or the whole open room (against the kinds).
bool sightFromTheGame = false;

// One action: a shooter shoots the nearest foe, anyone else strikes it or steps toward it.
void Act(bool shoots) {
    if (sightFromTheGame) UpdatePlayerView();
    Monster* foe = NearestFoe();
    int32_t used = 0;
    if (foe != nullptr && shoots && MainWeaponIsRanged()) {
        if (player.ArrowCount() < kFewArrows) player.AddArrows(100);
        player.target = foe;
        // A foe the bow cannot take as its target (one out of sight) opens the
        // target cursor; the queued 'z' closes it again, and the archer closes in.
        ClearKeys();
        QueueKeys("z");
        used = player.Shoot();
        ClearKeys();
        if (used == 0) used = MoveOrAttack(CommandToward(*foe));
    } else if (foe != nullptr) {
        used = MoveOrAttack(CommandToward(*foe));
    }
    if (used == 0) CountRest();
}

// The player's share of a pass, as the main loop runs it, with Act for the commands.
void RunCharacterTurn(bool shoots) {
    if (player.dizziness > 0 && player.immobility > 0) player.dizziness = 0;
    while (player.AccumulateEnergy()) {
        player.acted = 1;
        player.RecomputePlayerStats();
        if (player.sleep == 0 && player.paralysis == 0) Act(shoots);
        PurgeDeadMonsters();
        player.RegeneratePlayer();
        player.CountPlayerTurn();
        if (player.deathsAverted > 0) return;
    }
}

// The character's ailments of a pass, in the world update's order.
void TickAilments() {
    Player& p = player;
    p.TickPoison();
    p.TickBleeding();
    p.TickFever();
    p.TickSickness();
    p.TickDizziness();
    p.TickSleep();
    p.TickParalysis();
    p.TickClumsiness();
    p.TickFrostbite();
    p.TickSlowness();
    p.TickImmobility();
    p.TickHorror();
    p.TickBerserk();
}

// The hit points of the foes that began the fight and still stand; 0 once none is left.
int64_t HitPointsLeft(const std::set<std::string>& names) {
    int64_t total = 0;
    for (const Monster* m = monsterListHead; m != nullptr; m = m->next) {
        if (m->floor == player.currentFloor && m->alive != 0 && m->hp >= 1 && names.count(m->name) != 0) total += m->hp;
    }
    return total;
}

}  // namespace

DuelResult RunDuel(const Player& character, bool shoots, int32_t floor, int32_t opponent, uint32_t seed) {
    FreeAllMonsters();
    monsterListHead = nullptr;
    rng.RandomInit(seed);
    const bool demonFight = opponent == kFloorDemon;
    XY start{kStartX, kStartY};
    if (demonFight) {
        start = PrepareDemonFloor(floor);
    } else {
        PrepareFloor(floor);
    }
    player = character;
    player.currentFloor = floor;
    player.x = start.x;
    player.y = start.y;
    player.target = nullptr;
    // A death is taken back by the sage's insurance, which tells the table that the character lost.
    player.insured = 1;
    player.deathsAverted = 0;
    // The level stays what the table asks for: a kill in a pack fight raises nobody.
    player.levelThreshold = INT64_MAX;
    floorArray[floor].At(start.x, start.y).monsterPresent = 1;
    sightFromTheGame = demonFight;
    if (sightFromTheGame) {
        UpdatePlayerView();
        RedrawEndOfTurn();
    }

    if (!demonFight) {
        const bool rangedFoe = monsterKinds[opponent].ranged != 0;
        SpawnKind(opponent, kStartX + (shoots || rangedFoe ? kApart : 1), kStartY, floor);
    }
    std::set<std::string> names;
    for (Monster* m = monsterListHead; m != nullptr; m = m->next) {
        m->awake = 1;
        m->hunting = 1;
        names.insert(m->name);
    }

    DuelResult result;
    int64_t lowest = HitPointsLeft(names);
    int32_t lowestAt = 0;
    for (result.turns = 1; result.turns <= kTurnCap && result.turns - lowestAt <= kStallTurns; ++result.turns) {
        RunCharacterTurn(shoots);
        // The game looks again once the character has acted, before the world and the monsters move.
        if (sightFromTheGame) UpdatePlayerView();
        if (player.deathsAverted == 0) TickAilments();
        if (player.deathsAverted == 0) RunMonsterPhase();
        messageLog.FlushMessages(true);
        // The end of the pass draws the floor, and what it draws in view is what the monsters see next.
        if (sightFromTheGame) RedrawEndOfTurn();
        if (player.deathsAverted > 0) return result;
        const int64_t left = HitPointsLeft(names);
        if (left == 0) {
            result.won = true;
            result.hpLeft = player.hp;
            return result;
        }
        if (left < lowest) {
            lowest = left;
            lowestAt = result.turns;
        }
    }
    result.hpLeft = player.hp;
    return result;
}
