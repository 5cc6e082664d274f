// placeholder: floor services until the dungeon is built.
#include "floors/dungeon_generation.h"
#include "floors/field_of_view.h"
#include "floors/floor.h"

bool Floor::IsBlocked(int32_t x, int32_t y) const { return !OnMap(x, y) || At(x, y).glyph == '#' || At(x, y).glyph == '\''; }
void Floor::MarkSeen(int32_t x, int32_t y) {
    if (OnMap(x, y)) At(x, y).inViewMark = 1;
}
void Floor::ClearTileMarks() {
    for (Tile& tile : tiles) tile.mark = 0;
}
void Floor::DrawFloor() {}
void Floor::RedrawSeenTiles() {}
void RefreshTopItems() {}
void ComputeFieldOfView(Floor*, int32_t, int32_t, int32_t) {}
void GenerateDungeon() {}
