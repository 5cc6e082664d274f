#include "floors/dig_spots.h"

#include <algorithm>

void DigSpots::Build(const Floor& floor) {
    for (int32_t i = 1; i < kColumns; ++i) {
        const int32_t x = i - 1 - kMargin;
        int32_t column = 0;
        for (int32_t j = 1; j < kRows; ++j) {
            const int32_t y = j - 1 - kMargin;
            if (Floor::OnMap(x, y) && floor.At(x, y).glyph == '.') ++column;
            sums[i * kRows + j] = sums[(i - 1) * kRows + j] + column;
        }
    }
    wallsBesideFloor = 0;
    wallsBesideCorridor = 0;
    for (int32_t x = -1; x <= kFloorWidth; ++x) {
        for (int32_t y = -1; y <= kFloorHeight; ++y) {
            uint8_t kind = 0;
            if (Floor::OnMap(x, y) && floor.At(x, y).glyph == '#') {
                const int32_t near = OpenAround(x, y, 1);
                const bool blockOnMap = x >= 1 && y >= 1 && x <= kFloorWidth - 2 && y <= kFloorHeight - 2;
                if (blockOnMap && near >= 3) kind |= kBesideFloor;
                if (near == 3 && OpenAround(x, y, 2) == 5) kind |= kBesideCorridor;
            }
            kinds[(x + 1) * (kFloorHeight + 2) + y + 1] = kind;
            if (kind & kBesideFloor) ++wallsBesideFloor;
            if (kind & kBesideCorridor) ++wallsBesideCorridor;
        }
    }
}

bool DigSpots::IsSegmentClear(int32_t direction, int32_t length, int32_t x, int32_t y) const {
    if (length < 1) return true;
    const XY step = DirectionStep(direction);
    // The segment and its two sides make one block, three tiles across.
    const XY last = {x + step.x * (length - 1), y + step.y * (length - 1)};
    const XY side = {step.y != 0 ? 1 : 0, step.x != 0 ? 1 : 0};
    const int32_t left = std::max(std::min(x, last.x) - side.x, 0);
    const int32_t right = std::min(std::max(x, last.x) + side.x, kFloorWidth - 1);
    const int32_t top = std::max(std::min(y, last.y) - side.y, 0);
    const int32_t bottom = std::min(std::max(y, last.y) + side.y, kFloorHeight - 1);
    if (left > right || top > bottom) return true;
    return OpenInBlock(left, top, right + 1, bottom + 1) == 0;
}
