#include "floors/dig_spots.h"

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
