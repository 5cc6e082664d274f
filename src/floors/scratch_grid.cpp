#include "floors/scratch_grid.h"

void ScratchGrid::CopyFloor(const Floor& floor) {
    for (int32_t i = 0; i < kFloorWidth * kFloorHeight; ++i) {
        cells[i] = floor.tiles[i].glyph;
        touched[i] = 0;
    }
    changedCount = 0;
}

void ScratchGrid::RefreshFromFloor(const Floor& floor) {
    for (int32_t i = 0; i < changedCount; ++i) {
        const int32_t cell = changed[i];
        cells[cell] = floor.tiles[cell].glyph;
        touched[cell] = 0;
    }
    changedCount = 0;
}

int32_t ScratchGrid::CountAround(int32_t x, int32_t y, int32_t radius, char glyph) const {
    int32_t count = 0;
    for (int32_t i = x - radius; i <= x + radius; ++i)
        for (int32_t j = y - radius; j <= y + radius; ++j)
            if (At(i, j) == glyph) ++count;
    return count;
}
