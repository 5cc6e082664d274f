// The monster data file: read, then used as the game uses it (monsters of
// every depth spawned from it and described).
#include "fuzz_support.h"
#include "monsters/monster_descriptions.h"
#include "world/floor.h"
#include "world/monster.h"
#include "world/monster_kind.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FreshGame({0, 4, 11, 18, 25});
    if (monsterKinds.ReadMonsterKinds(WriteFuzzInput("monsters.hmd", data, size)) != DataFileResult::kRead) return 0;
    constexpr int32_t kDepths[] = {0, 4, 11, 18, 25};
    for (int32_t floor : kDepths) OpenFloor(floor);
    PlaceCharacter(0, 1, 1);
    // One monster a spot, plain and as variants (a whole floor's search would
    // spend its long run of misses on data that fits no depth).
    for (int32_t floor : kDepths) {
        for (int32_t spot = 0; spot < 6; ++spot) {
            SpawnMonster(10 + 10 * spot, 9, floor, true, spot % 2 == 0 ? kVariantNever : kVariantAlways, kComputedLevel);
        }
    }
    for (Monster* monster = monsterListHead; monster != nullptr; monster = monster->next) FillMonsterDescriptions(monster->name);
    RequireSoundGame();
    return 0;
}
