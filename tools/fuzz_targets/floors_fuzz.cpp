// The prebuilt floors file: its run-length code, then the maps built into the
// floors that use them.
#include "floors/prebuilt_floors.h"
#include "fuzz_support.h"
#include "toolkit/random_mother.h"
#include "toolkit/run_length.h"
#include "world/floor.h"
#include "world/player.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FreshGame({2, 9, 16, 23, 30});
    const std::vector<uint8_t> packed(data, data + size);
    // Whatever the bytes, packing what they unpack to must give it back.
    const std::vector<uint8_t> raw = RunLengthUnpack(packed);
    if (RunLengthUnpack(RunLengthPack(raw)) != raw) FuzzFinding("packing the unpacked bytes does not give them back");

    std::string text;
    if (!UnpackPrebuiltMapBytes(packed, text)) return 0;
    // Which maps are built depends on the input, so that every map gets its turn.
    uint32_t seed = 0;
    for (uint8_t byte : packed) seed = seed * 31 + byte;
    rng.RandomInit(seed);
    std::vector<int32_t> maps;
    ChoosePrebuiltMaps(maps);
    constexpr int32_t kPrebuiltFloors[] = {2, 9, 16, 23, 30};
    for (size_t i = 0; i < maps.size(); ++i) floorArray[kPrebuiltFloors[i]].LoadPrebuiltFloor(text, maps[i], kPrebuiltFloors[i]);
    player.currentFloor = kPrebuiltFloors[0];
    if (!player.PlaceOnUpStairs()) FuzzFinding("a map that passed the check has no way in");
    floorArray[player.currentFloor].At(player.x, player.y).monsterPresent = 1;
    RequireSoundGame();
    return 0;
}
