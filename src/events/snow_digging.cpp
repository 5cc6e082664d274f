// Something buried in the deep snow may turn up under the character's feet.
#include <cstdint>

#include "events/world_events.h"
#include "floors/floor_population.h"
#include "items/worn_properties.h"
#include "player/commands.h"
#include "player/worn_gear.h"
#include "toolkit/message_log.h"
#include "toolkit/random_mother.h"
#include "world/floor.h"
#include "world/player.h"

void DigUpItem() {
    Floor* floor = CurrentFloor();
    if (floor == nullptr) return;
    Tile& tile = floor->At(player.x, player.y);
    if (tile.glyph != kFloorGlyph || tile.colour != kSnowyGround || tile.featureState != kBuriedItemState) return;
    const int32_t dig = rng.Random(3);
    if (dig != 0) return;
    tile.featureState = 0;
    const int32_t f = player.currentFloor;
    const int32_t kind = RandomItemKind(1.43f * static_cast<float>(f), kAnyItemCategory);
    bool gold = kind == kNoItemKind || static_cast<int32_t>(tile.items.size()) >= kMaxTileItems;
    if (!gold && RingHas(kPropertyGreed)) {
        const int32_t greed = rng.Random(3);
        gold = greed == 0;
    }
    if (gold) {
        const int32_t depthTerm = static_cast<int32_t>(3 * 1.43 * f);
        const int32_t extra = rng.Random(1 + depthTerm);
        tile.gold += 6 + depthTerm + extra;
    } else {
        tile.PutItemOnTile(kind, kRollDurability, kRollBlessing, kNotIdentified, kMadeByGame, kRollPrefix,
                           kNotEmpty);
    }
    PrintWords("You stumble on something you didn't notice before in the deep snow. You dig it up. ");
    DescribeItemsHere();
    WaitForSpace();
}
