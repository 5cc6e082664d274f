#include "events/slot_draws.h"

#include "toolkit/random_mother.h"
#include "world/player.h"

int32_t DrawWornItem(std::span<const int32_t> table, int32_t draws, bool (*fits)(const ItemData&)) {
    const Player& p = player;
    const int32_t size = static_cast<int32_t>(table.size());
    for (int32_t draw = 0; draw < draws; ++draw) {
        const int32_t slot = table[rng.Random(size)];
        const int32_t index = p.equipSlots[slot];
        if (index < 0 || index >= static_cast<int32_t>(p.inventory.size())) continue;
        if (fits(p.inventory[index])) return index;
    }
    return -1;
}

bool AnyItem(const ItemData&) { return true; }
