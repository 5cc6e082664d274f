// The icy pool: a dive for the item at its bottom costs body heat by the
// pool's depth and may bring a frostbite; either way the pool freezes over.
#include "events/feature_loot.h"
#include "events/feature_tile.h"
#include "events/frostbite_onset.h"
#include "events/world_events.h"
#include "toolkit/message_log.h"
#include "toolkit/random_mother.h"

namespace {

// A pool's state is its depth code while open.
struct PoolDepth {
    int32_t state;
    int32_t cost;       // body heat the dive takes
    int32_t bonus;      // deeper pools hold better finds
    int32_t frostbite;  // turns of frostbite the dive gives
};

constexpr PoolDepth kPoolDepths[] = {
    {4, 4000, 5, 300},
    {6, 6000, 10, 500},
    {8, 8000, 15, 700},
};

const PoolDepth* DepthOf(int32_t state) {
    for (const PoolDepth& depth : kPoolDepths) {
        if (depth.state == state) return &depth;
    }
    return nullptr;
}

void SoakClothes() {
    if (player.WetClothes(250, 5)) PrintWords("Your clothes are dripping wet. ");
}

}  // namespace

void Player::DiveIntoPool() {
    Tile* here = FeatureTile();
    if (here == nullptr) return;
    Tile& tile = *here;
    if (bodyTemperature <= 0) {
        PrintWords("It would be foolish to dive, you're already cold enough! ");
        return;
    }
    // Any state but an open pool's depth counts as frozen.
    const PoolDepth* depth = DepthOf(tile.featureState);
    if (depth == nullptr) {
        PrintWords("The pool is frozen solid. ");
        return;
    }
    PrintWords("You jump into the pool of subzero water and head for the item. ");
    bodyTemperature -= depth->cost;
    if (bodyTemperature < 0) {
        bodyTemperature = -1;
        tile.featureState = kFeatureSpent;
        PrintWords(
            "You realize midway that the pool is too deep for your current body temperature. You decide not to risk "
            "it and quickly get out of the icy water. Immediately after getting out of the pool the water freezes "
            "all over, making it impossible to go back. ");
        SoakClothes();
        return;
    }
    PrintWords(
        "You manage to haul the item to the surface with you. Immediately after getting out of the pool the water "
        "freezes all over, making it impossible to go back. ");
    SoakClothes();
    if (frostbite == 0) {
        BeginFrostbite(depth->frostbite);
    } else {
        frostbite += depth->frostbite;
    }
    const float level = 1.43f * static_cast<float>(currentFloor) + static_cast<float>(depth->bonus);
    if (!LayFoundItem(tile, level)) {
        const int32_t worth = 3 * (depth->bonus + static_cast<int32_t>(1.43 * currentFloor));
        const int32_t extra = rng.Random(worth + 1);
        tile.gold += 6 + worth + extra;
    }
    tile.featureState = kFeatureSpent;
    DescribeItemsHere();
}
