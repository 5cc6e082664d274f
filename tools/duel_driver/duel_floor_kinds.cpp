#include "duel_floor_kinds.h"

#include "world/monster_kind.h"

std::vector<int32_t> KindsOfFloor(int32_t floor) {
    const float depth = static_cast<float>(floor) * 1.43f;
    const int32_t low = static_cast<int32_t>(depth) + 1;
    const int32_t high = depth > static_cast<float>(low - 1) ? low + 1 : low;
    std::vector<int32_t> kinds;
    for (int32_t k = 0; k < kMonsterKindCount; ++k) {
        const MonsterKind& kind = monsterKinds[k];
        if (kind.hitPoints > 0 && kind.level >= low - 2 && kind.level <= high + 2) kinds.push_back(k);
    }
    return kinds;
}
