// placeholder: floor services until the dungeon is built.
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
void Tile::PutItemOnTile(int32_t kind, int32_t durability, int32_t blessing, uint8_t identified, uint8_t, int32_t prefix,
                         uint8_t empty) {
    if (kind == -1 || static_cast<int32_t>(items.size()) >= kMaxTileItems) return;
    ItemData item;
    item.kind = kind;
    item.durability = durability;
    item.blessing = blessing == -2 ? 0 : blessing;
    item.identified = identified;
    item.prefix = prefix == -2 ? -1 : prefix;
    item.empty = empty;
    items.push_back(item);
}
void Floor::GenerateLayout(int32_t) {}
void Floor::PlaceStairs(int32_t) {}
void Floor::WallBorder() {}
void Floor::SetTileColours(int32_t) {}
int32_t RandomDirection() { return 2; }
