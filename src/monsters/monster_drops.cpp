// A slain monster's drops: a run of passes, each less likely than the one
// before, each leaving an item of about the monster's level or a little gold.
#include "monsters/monster_drops.h"

#include "floors/floor_population.h"
#include "items/worn_properties.h"
#include "player/surroundings.h"
#include "player/worn_gear.h"
#include "toolkit/random_mother.h"
#include "world/floor.h"
#include "world/monster.h"
#include "world/player.h"

namespace {

// Floors come in groups of seven; the deeper the group, the smaller the step by
// which each further drop becomes less likely.
constexpr int32_t kFloorsPerGroup = 7;
constexpr int32_t kDropSteps[] = {11, 10, 9, 8, 7};

int32_t DropStep() {
    int32_t group = player.currentFloor / kFloorsPerGroup;
    if (group < 0) group = 0;
    if (group > 4) group = 4;
    return kDropSteps[group];
}

void DropGold(Tile& tile, int32_t level) {
    const int32_t extra = rng.Random(3 * level + 1);
    tile.gold += 6 + extra + 3 * level;
}

}  // namespace

void DropMonsterLoot(const Monster& monster) {
    if (monster.level <= 0) return;
    Floor* floor = FloorAt(monster.floor);
    if (floor == nullptr || !Floor::OnMap(monster.x, monster.y)) return;
    Tile& tile = floor->At(monster.x, monster.y);
    const int32_t step = DropStep();
    int32_t odds = step;
    const int32_t first = rng.Random(odds);
    if (first >= 3) return;
    // Once shifted, the level stays shifted for the rest of this death's drops.
    int32_t shift = 0;
    for (;;) {
        const int32_t shiftRoll = rng.Random(20);
        if (shiftRoll == 2) {
            const int32_t third = rng.Random(3);
            shift = 3 * third - 3;
        }
        const int32_t kind = RandomItemKind(static_cast<float>(monster.level + shift), kAnyItemCategory);
        bool gold = false;
        if (RingHas(kPropertyGreed)) {
            const int32_t greed = rng.Random(3);
            gold = greed == 0;
        }
        if (gold || kind == kNoItemKind || static_cast<int32_t>(tile.items.size()) >= kMaxTileItems) {
            DropGold(tile, monster.level);
        } else {
            tile.PutItemOnTile(kind, kRollDurability, kRollBlessing, kNotIdentified, kMadeByGame, kRollPrefix, kNotEmpty);
        }
        odds += step;
        const int32_t again = rng.Random(odds);
        if (again >= 3) return;
    }
}
