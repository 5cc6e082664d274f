#include "floors/dig_spots.h"

#include <algorithm>

#include "floors/scratch_grid.h"

void DigSpots::Build(const Floor& floor) {
    ReadTiles(floor, 0, 0, kFloorWidth, kFloorHeight);
    SumOpenTiles();
    wallsBesideFloor = 0;
    wallsBesideCorridor = 0;
    for (uint8_t& kind : kinds) kind = 0;
    SortPlaces(floor, -1, -1, kFloorWidth + 1, kFloorHeight + 1);
}

void DigSpots::Update(const Floor& floor, const ScratchGrid& scratch) {
    if (scratch.ChangedCount() == 0) return;
    XY low = {kFloorWidth, kFloorHeight};
    XY high = {-1, -1};
    for (int32_t i = 0; i < scratch.ChangedCount(); ++i) {
        const XY cell = scratch.Changed(i);
        open[cell.x * kFloorHeight + cell.y] = floor.At(cell.x, cell.y).glyph == '.' ? 1 : 0;
        low = {std::min(low.x, cell.x), std::min(low.y, cell.y)};
        high = {std::max(high.x, cell.x), std::max(high.y, cell.y)};
    }
    SumOpenTiles();
    // A place's kind depends on the tiles up to two away from it.
    SortPlaces(floor, std::max(low.x - 2, -1), std::max(low.y - 2, -1), std::min(high.x + 3, kFloorWidth + 1),
               std::min(high.y + 3, kFloorHeight + 1));
}

void DigSpots::ReadTiles(const Floor& floor, int32_t left, int32_t top, int32_t right, int32_t bottom) {
    for (int32_t x = left; x < right; ++x)
        for (int32_t y = top; y < bottom; ++y) open[x * kFloorHeight + y] = floor.At(x, y).glyph == '.' ? 1 : 0;
}

// The margin holds no open tile, so its sums stay 0 along the top and left and
// repeat the map's along the bottom and right.
void DigSpots::SumOpenTiles() {
    for (int32_t i = kMargin + 1; i < kColumns; ++i) {
        const int32_t x = i - 1 - kMargin;
        int32_t* column = &sums[i * kRows];
        const int32_t* before = &sums[(i - 1) * kRows];
        int32_t running = 0;
        for (int32_t j = kMargin + 1; j < kRows; ++j) {
            const int32_t y = j - 1 - kMargin;
            if (x < kFloorWidth && y < kFloorHeight) running += open[x * kFloorHeight + y];
            column[j] = before[j] + running;
        }
    }
}

void DigSpots::SortPlaces(const Floor& floor, int32_t left, int32_t top, int32_t right, int32_t bottom) {
    for (int32_t x = left; x < right; ++x) {
        for (int32_t y = top; y < bottom; ++y) {
            uint8_t kind = 0;
            if (Floor::OnMap(x, y) && floor.At(x, y).glyph == '#') {
                const int32_t near = OpenAround(x, y, 1);
                const bool blockOnMap = x >= 1 && y >= 1 && x <= kFloorWidth - 2 && y <= kFloorHeight - 2;
                if (blockOnMap && near >= 3) kind |= kBesideFloor;
                if (near == 3 && OpenAround(x, y, 2) == 5) kind |= kBesideCorridor;
            }
            uint8_t& stored = kinds[(x + 1) * (kFloorHeight + 2) + y + 1];
            wallsBesideFloor += ((kind & kBesideFloor) ? 1 : 0) - ((stored & kBesideFloor) ? 1 : 0);
            wallsBesideCorridor += ((kind & kBesideCorridor) ? 1 : 0) - ((stored & kBesideCorridor) ? 1 : 0);
            stored = kind;
        }
    }
}
