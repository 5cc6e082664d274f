// A new game's dungeon: all 35 floors built at once, in floor order, each a
// fixed demon floor, a prebuilt floor or a generated and furnished one.
#include "floors/dungeon_generation.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "floors/demon_floors.h"
#include "floors/floor_features.h"
#include "floors/prebuilt_floors.h"
#include "toolkit/drawing.h"
#include "toolkit/random_mother.h"
#include "world/floor.h"
#include "world/player.h"

namespace {

constexpr int32_t kBlockLength = 7;

bool IsPrebuilt(const PrebuiltFloorList& prebuilt, int32_t floorNumber) {
    return std::find(prebuilt.begin(), prebuilt.end(), floorNumber) != prebuilt.end();
}

// The placers of a generated floor, in their order; how many altars and sages they placed.
int32_t FurnishFloor(Floor& floor, int32_t floorNumber) {
    floor.PlaceDeepSmith(floorNumber);
    floor.PlaceLightBalls();
    floor.PlaceMasks();
    floor.PlaceCampfires();
    floor.PlaceBloodStands();
    floor.PlaceMirrors();
    floor.PlaceIcyPools();
    floor.PlaceSnowmen();
    floor.PlaceMagicWritings();
    floor.PlaceVeilSpirits();
    floor.PlaceBags();
    const int32_t altars = floor.PlaceAltar(floorNumber, false) ? 1 : 0;
    const int32_t sageCount = floor.PlaceSage(floorNumber, false) ? 1 : 0;
    floor.PlaceHiddenTraps();
    floor.BuryItemsInSnow();
    floor.ChooseFeeling(floorNumber + 1);
    floor.ScatterItemsAndGold(floorNumber + 1);
    floor.SpawnFloorMonsters(floorNumber, kFloorsOwnMonsterCount);
    floor.StainFloorPatches(kStainBlood);
    floor.PlaceSlush();
    return altars + sageCount;
}

bool PlaceForced(int32_t floorNumber, int32_t pick) {
    Floor& floor = floorArray[floorNumber];
    return pick == 0 ? floor.PlaceSage(floorNumber, true) : floor.PlaceAltar(floorNumber, true);
}

void DrawProgressMark(int32_t floorNumber) {
    constexpr char kProgressMark = '.';
    DrawChar(kProgressMark, floorNumber + 22, 12, kLightCyan);
    RefreshScreen();
}

}  // namespace

void ForceAltarOrSage(int32_t floorNumber, const PrebuiltFloorList& prebuilt) {
    const int32_t back = rng.Random(6);
    int32_t target = floorNumber - back;
    for (int32_t tries = 0; tries < 1000 && IsPrebuilt(prebuilt, target); ++tries) {
        const int32_t again = rng.Random(6);
        target = floorNumber - again;
    }
    const int32_t pick = rng.Random(2);
    if (!IsPrebuilt(prebuilt, target) && PlaceForced(target, pick)) return;
    // The floor drawn has no room for it (narrow corridors): the first other
    // generated floor of the block that has an open spot takes it, so that the
    // block keeps its altar or sage.
    for (int32_t f = floorNumber - 5; f <= floorNumber; ++f) {
        if (f == target || IsPrebuilt(prebuilt, f) || !HasOpenSpot(floorArray[f])) continue;
        if (PlaceForced(f, pick)) return;
    }
}

DungeonPlan StartDungeon() {
    DungeonPlan plan;
    for (int32_t block = 0; block < kPrebuiltFloorCount; ++block) {
        const int32_t offset = rng.Random(2);
        plan.prebuilt[static_cast<size_t>(block)] = kBlockLength * block + 2 + offset;
    }
    ChoosePrebuiltMaps(plan.maps);
    plan.shortcut = player.startMode == 1;
    return plan;
}

void GenerateDungeonFloor(DungeonPlan& plan, int32_t f) {
    const PrebuiltFloorList& prebuilt = plan.prebuilt;
    Floor& floor = floorArray[f];
    if (f % kBlockLength == 0) plan.blockCounter = 0;
    const bool shortcutBlock = plan.shortcut && f < kBlockLength;
    if (DemonIndex(f) >= 0) {
        BuildSpecialFloor(f);
        floor.ScatterItemsAndGold(f + 1);
        floor.SpawnFloorMonsters(f, kFloorsOwnMonsterCount);
    } else if (IsPrebuilt(prebuilt, f)) {
        // The maps are unpacked for the first prebuilt floor and dropped after the last.
        if (f == prebuilt.front()) UnpackPrebuiltMaps(plan.mapsText);
        floor.LoadPrebuiltFloor(plan.mapsText, plan.maps[static_cast<size_t>(f / kBlockLength)], f);
        if (f == prebuilt.back()) plan.mapsText.clear();
    } else {
        floor.GenerateLayout(f);
        if (!shortcutBlock) plan.blockCounter += FurnishFloor(floor, f);
    }
    const bool lastGeneratedOfBlock = f % kBlockLength == kBlockLength - 2;
    if (lastGeneratedOfBlock && plan.blockCounter == 0 && !shortcutBlock) ForceAltarOrSage(f, prebuilt);
    DrawProgressMark(f);
}

void GenerateDungeon() {
    DungeonPlan plan = StartDungeon();
    for (int32_t f = 0; f < kFloorCount; ++f) GenerateDungeonFloor(plan, f);
}
