#pragma once
// A scratch copy of a floor's glyphs, in which the room and corridor generators
// plan a new path with marker letters before they dig it into the floor.
//
// An attempt starts from a fresh copy of the floor. Copying all 1,520 glyphs for
// each of thousands of attempts is most of a generator's time, so the grid keeps
// a list of the cells it changed and restores just those; as long as the floor
// itself changes only where the grid was marked, that gives the same copy.
#include <cstdint>

#include "world/floor.h"

// One straight stretch of a planned path.
struct PathSegment {
    XY from;
    int32_t direction = 0;
    int32_t length = 0;
};

class ScratchGrid {
public:
    // A full copy of the floor's glyphs.
    void CopyFloor(const Floor& floor);
    // The copy again, for a floor that has changed at most where this grid was marked.
    void RefreshFromFloor(const Floor& floor);

    // Off the map reads as wall.
    char At(int32_t x, int32_t y) const { return Floor::OnMap(x, y) ? cells[x * kFloorHeight + y] : kWallGlyph; }
    // Writes a cell on the map; off the map nothing happens.
    void Set(int32_t x, int32_t y, char glyph) {
        if (!Floor::OnMap(x, y)) return;
        const int32_t cell = x * kFloorHeight + y;
        if (!touched[cell]) {
            touched[cell] = 1;
            changed[changedCount++] = static_cast<int16_t>(cell);
        }
        cells[cell] = glyph;
    }
    // A cell holds a marker when it is neither wall nor floor.
    static bool IsMarker(char glyph) { return glyph != kWallGlyph && glyph != kFloorGlyph; }
    // How many cells of the (2*radius+1)-square block around (x, y) hold the glyph (off the map: wall).
    int32_t CountAround(int32_t x, int32_t y, int32_t radius, char glyph) const;

    // The cells written since the last copy, in the order first written (each once).
    int32_t ChangedCount() const { return changedCount; }
    XY Changed(int32_t i) const { return {changed[i] / kFloorHeight, changed[i] % kFloorHeight}; }

private:
    char cells[kFloorWidth * kFloorHeight] = {};
    uint8_t touched[kFloorWidth * kFloorHeight] = {};
    int16_t changed[kFloorWidth * kFloorHeight] = {};
    int32_t changedCount = 0;
};
