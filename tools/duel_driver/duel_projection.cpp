#include "duel_projection.h"

#include <cstdio>
#include <vector>

#include "duel_floor_kinds.h"
#include "world/monster_abilities.h"
#include "world/monster_kind.h"
#include "world/player.h"

namespace {

// The game's experience rules for a kill: one pack monster in three gives
// nothing, and the chance of twice the experience grows by groups of seven floors.
constexpr double kPackShare = 2.0 / 3.0;
constexpr int32_t kFloorsPerGroup = 7;
constexpr double kDoubleChance[] = {0.01, 0.06, 0.12, 0.19, 0.35};

// An average kill on the floor: every kind the floor spawns is taken as often.
double ExperienceOfAKill(int32_t floor) {
    const std::vector<int32_t> kinds = KindsOfFloor(floor);
    if (kinds.empty()) return 0;
    double sum = 0;
    for (const int32_t k : kinds) {
        const MonsterKind& kind = monsterKinds[k];
        sum += static_cast<double>(kind.experience) * (kind.ability == kAbilityPack ? kPackShare : 1.0);
    }
    const int32_t group = floor / kFloorsPerGroup < 4 ? floor / kFloorsPerGroup : 4;
    return sum / static_cast<double>(kinds.size()) * (1.0 + kDoubleChance[group]);
}

}  // namespace

void PrintLevelProjection(double killsPerFloor, int32_t lastFloor) {
    // The thresholds as a new character has them; every level-up empties the
    // experience and doubles the threshold.
    const Player fresh;
    double threshold = static_cast<double>(fresh.levelThreshold);
    double experience = 0;
    double gathered = 0;
    int32_t level = fresh.level;
    std::printf("kills a floor %.1f\nfloor  exp a kill  gathered on arrival  level on arrival\n", killsPerFloor);
    for (int32_t floor = 0; floor <= lastFloor; ++floor) {
        std::printf("%5d  %10.0f  %19.0f  %16d\n", floor, ExperienceOfAKill(floor), gathered, level);
        // The floor's kills one at a time, as the game raises the level after each.
        const double perKill = ExperienceOfAKill(floor);
        for (double kill = 0; kill < killsPerFloor; kill += 1.0) {
            const double share = killsPerFloor - kill < 1.0 ? killsPerFloor - kill : 1.0;
            experience += perKill * share;
            gathered += perKill * share;
            if (experience >= threshold) {
                experience = 0;
                threshold *= 2;
                ++level;
            }
        }
    }
}
