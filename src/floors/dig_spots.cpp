#include "floors/dig_spots.h"

#include <algorithm>

#include "floors/scratch_grid.h"

void DigSpots::Build(const Floor& floor) {
    XY low = {kFloorWidth, kFloorHeight};
    XY high = {-1, -1};
    for (int32_t x = 0; x < kFloorWidth; ++x)
        for (int32_t y = 0; y < kFloorHeight; ++y) ReadTile(floor, x, y, low, high);
    if (!built) {
        low = {0, 0};
        high = {kFloorWidth - 1, kFloorHeight - 1};
        built = true;
    }
    Refresh(low, high);
}

void DigSpots::Update(const Floor& floor, const ScratchGrid& scratch) {
    XY low = {kFloorWidth, kFloorHeight};
    XY high = {-1, -1};
    for (int32_t i = 0; i < scratch.ChangedCount(); ++i) {
        const XY cell = scratch.Changed(i);
        ReadTile(floor, cell.x, cell.y, low, high);
    }
    Refresh(low, high);
}

void DigSpots::ReadTile(const Floor& floor, int32_t x, int32_t y, XY& low, XY& high) {
    const uint8_t state = TileState(floor.At(x, y).glyph);
    uint8_t& stored = tiles[x * kFloorHeight + y];
    if (state == stored) return;
    stored = state;
    low = {std::min(low.x, x), std::min(low.y, y)};
    high = {std::max(high.x, x), std::max(high.y, y)};
}

void DigSpots::Refresh(XY low, XY high) {
    if (high.x < low.x) return;
    ++floorVersion;
    SumOpenTiles(low.x);
    // A place's kind depends on the tiles up to two away from it.
    SortPlaces(std::max(low.x - 2, -1), std::max(low.y - 2, -1), std::min(high.x + 3, kFloorWidth + 1),
               std::min(high.y + 3, kFloorHeight + 1));
    besideFloorBits.Read(WallsBesideFloorTable());
    besideCorridorBits.Read(WallsBesideCorridorTable());
}

// The margin holds no open tile, so its sums stay 0 along the top and left and
// repeat the map's along the bottom and right. A tile counts in the sums of the
// columns after its own only, so those before the first changed column stay.
void DigSpots::SumOpenTiles(int32_t firstChangedColumn) {
    for (int32_t i = firstChangedColumn + kMargin + 1; i < kColumns; ++i) {
        const int32_t x = i - 1 - kMargin;
        int32_t* column = &sums[i * kRows];
        const int32_t* before = &sums[(i - 1) * kRows];
        if (x >= kFloorWidth) {
            for (int32_t j = kMargin + 1; j < kRows; ++j) column[j] = before[j];
            continue;
        }
        const uint8_t* tile = &tiles[x * kFloorHeight];
        int32_t running = 0;
        for (int32_t y = 0; y < kFloorHeight; ++y) {
            running += tile[y] & kOpen;
            column[y + kMargin + 1] = before[y + kMargin + 1] + running;
        }
        for (int32_t j = kFloorHeight + kMargin + 1; j < kRows; ++j) column[j] = before[j] + running;
    }
}

void DigSpots::SortPlaces(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    for (int32_t x = left; x < right; ++x) {
        for (int32_t y = top; y < bottom; ++y) {
            uint8_t kind = 0;
            if (Floor::OnMap(x, y) && (tiles[x * kFloorHeight + y] & kWall)) {
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

uint8_t DigSpots::WorkOutClearRun(int32_t direction, int32_t x, int32_t y) const {
    int32_t length = 0;
    while (length < kLongestClearRun && IsSegmentClear(direction, length + 1, x, y)) ++length;
    return static_cast<uint8_t>(length);
}
