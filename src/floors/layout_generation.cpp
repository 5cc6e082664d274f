// Which layout a generated floor gets: rooms in the first block of seven
// floors, one of the other three layouts for each of the next three blocks
// (never the same twice in a game), and any of the four in the last block.
#include "toolkit/random_mother.h"
#include "world/floor.h"

int32_t layoutShuffle[3] = {0, 0, 0};
uint8_t layoutShufflePending = 1;

namespace {
constexpr int32_t kFloorsPerBlock = 7;

void ShuffleLayouts() {
    int32_t left[3] = {kLayoutRoughlyDug, kLayoutCavern, kLayoutCorridorComplex};
    int32_t leftCount = 3;
    for (int32_t i = 0; i < 3; ++i) {
        const int32_t pick = rng.Random(leftCount);
        layoutShuffle[i] = left[pick];
        for (int32_t j = pick; j + 1 < leftCount; ++j) left[j] = left[j + 1];
        --leftCount;
    }
    layoutShufflePending = 0;
}
}  // namespace

void Floor::GenerateLayout(int32_t floorNumber) {
    if (layoutShufflePending) ShuffleLayouts();
    const int32_t block = floorNumber < 0 ? 0 : floorNumber / kFloorsPerBlock;
    int32_t type = kLayoutRooms;
    if (block >= 1 && block <= 3) {
        type = layoutShuffle[block - 1];
    } else if (block >= 4) {
        const int32_t draw = rng.Random(4);
        type = draw + 1;
    }
    switch (type) {
        case kLayoutRooms: GenerateRoomFloor(); break;
        case kLayoutRoughlyDug: {
            const int32_t extra = rng.Random(2000);
            GenerateRoughDungeon(2000 + extra);
            break;
        }
        case kLayoutCavern: GenerateCavern(); break;
        default: GenerateCorridorComplex(); break;
    }
}
