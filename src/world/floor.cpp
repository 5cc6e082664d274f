#include "world/floor.h"

#include "world/sage.h"

Floor floorArray[kFloorCount];

Floor::Floor() = default;

namespace {
constexpr int32_t kConfusingFeeling = 6;
}

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

bool FloorHasKnownLandmark(int32_t f) {
    if (!IsFloorNumber(f)) return false;
    const Floor& floor = floorArray[f];
    if (floor.feeling == kConfusingFeeling) return false;
    for (int32_t x = 0; x < kFloorWidth; ++x) {
        for (int32_t y = 0; y < kFloorHeight; ++y) {
            const Tile& tile = floor.At(x, y);
            if (!tile.remembered) continue;
            if (tile.glyph == kAltarGlyph && tile.colour == kAltarColour) return true;
            if (tile.glyph == kDeepSmithGlyph) return true;
            if (IsSageAt(x, y, 0, 0, f)) return true;
        }
    }
    return false;
}
