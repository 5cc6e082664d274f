#include "world/floor.h"

Floor floorArray[kFloorCount];

Floor::Floor() = default;

void Floor::ResetToNewFloor() {
    for (Tile& tile : tiles) tile = Tile();
    feeling = 0;
    weather = kWeatherNone;
}

bool Floor::IsBlocked(int32_t x, int32_t y) const {
    if (!OnMap(x, y)) return true;
    return BlocksSight(At(x, y).glyph);
}

void Floor::MarkSeen(int32_t x, int32_t y) {
    if (OnMap(x, y)) At(x, y).inViewMark = 1;
}

void Floor::ClearTileMarks() {
    for (Tile& tile : tiles) tile.mark = 0;
}

int32_t Floor::CountGlyphAround(int32_t x, int32_t y, int32_t radius, char glyph) const {
    int32_t count = 0;
    for (int32_t i = x - radius; i <= x + radius; ++i)
        for (int32_t j = y - radius; j <= y + radius; ++j)
            if (OnMap(i, j) && At(i, j).glyph == glyph) ++count;
    return count;
}
