// The twisted snowman: kicked once, it may hide loot and a monster.
#include "events/feature_loot.h"
#include "events/feature_tile.h"
#include "toolkit/message_log.h"
#include "toolkit/random_mother.h"
#include "world/monster.h"

void Player::KickSnowman() {
    Tile* here = FeatureTile();
    if (here == nullptr) return;
    Tile& tile = *here;
    if (tile.featureState == kFeatureSpent) {
        PrintWords("It is only a heap of snow. ");
        return;
    }
    tile.featureState = kFeatureSpent;
    PrintWords("You kick the snowman and it shatters into a heap of snow. ");
    const int32_t lootRoll = rng.Random(4);
    if (lootRoll != 0) {
        const float level = 1.43f * static_cast<float>(currentFloor) + 10.0f;
        if (LayFoundItem(tile, level)) {
            PrintWords("There was an item inside the snowman! ");
        } else {
            const int32_t depth = static_cast<int32_t>(1.43 * currentFloor);
            const int32_t extra = rng.Random(31 + 3 * depth);
            tile.gold += 36 + 3 * depth + extra;
            PrintWords("There was some money inside the snowman! ");
        }
    }
    const int32_t ambushRoll = rng.Random(3);
    int32_t x = 0;
    int32_t y = 0;
    if (ambushRoll == 0 || !FindAmbushTile(x, y)) return;
    PrintWords("An angry monster was hiding inside the snowman! ");
    SpawnMonster(x, y, currentFloor, false, kVariantRarely, kComputedLevel);
}
