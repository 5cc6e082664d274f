// Sages on the map: the record, the look-ups that keep their tiles free, and drawing.
#include "floors/floor_feelings.h"
#include "toolkit/drawing.h"
#include "world/floor.h"
#include "world/player.h"
#include "world/sage.h"

std::vector<cSage> sages;

bool IsSageAt(int32_t x, int32_t y, int32_t dx, int32_t dy, int32_t floor) {
    const int32_t sx = x + dx;
    const int32_t sy = y + dy;
    for (const cSage& sage : sages) {
        if (sage.x == sx && sage.y == sy && sage.floor == floor) return true;
    }
    return false;
}

bool IsSageNextToPlayer(int32_t dx, int32_t dy) { return IsSageAt(player.x, player.y, dx, dy, player.currentFloor); }

void DrawSages() {
    for (cSage& sage : sages) sage.DrawSage();
}

void cSage::DrawSage() {
    if (x < 1 || x > 79 || y < 1 || y > 18 || floor != player.currentFloor) return;
    if (!IsFloorNumber(floor)) return;
    const Floor& map = floorArray[floor];
    const Tile& tile = map.At(x, y);
    const bool solid = BlocksSight(tile.glyph);
    if (tile.visibleNow == 1 && !solid && tile.rememberedDrawn == 0) {
        DrawChar(kSageGlyph, x, y, kSageColour);
        seen = 1;
    } else if (seen == 1 && !solid && map.feeling != kFeelingConfusing) {
        DrawChar(kSageGlyph, x, y, kRememberedColour);
    }
}
