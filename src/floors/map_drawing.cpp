// The map on screen and the player's memory of it. The map is drawn
// incrementally: walls in view are drawn once, and a tile that leaves view is
// drawn once more in its remembered form, dimmed unless something lies on it.
#include "toolkit/drawing.h"
#include "world/floor.h"
#include "world/player.h"
#include "world/sage.h"

namespace {

constexpr int32_t kConfusingFeeling = 6;
constexpr ColourCode kLandmarkStairColour = kBrown;

void DrawFirstItem(const Tile& tile, int32_t x, int32_t y) {
    DrawChar(tile.FirstItemGlyph(), x, y, tile.FirstItemColour());
}

// A staircase toward a floor with a known altar, smith or sage takes the landmark colour for good.
void ColourStairsByLandmark(Tile& tile, int32_t floorNumber) {
    if (tile.colour == kLandmarkStairColour) return;
    int32_t neighbour = -1;
    if (tile.glyph == kDownStairsGlyph) neighbour = floorNumber + 1;
    if (tile.glyph == kUpStairsGlyph && floorNumber > 0) neighbour = floorNumber - 1;
    if (neighbour >= 0 && FloorHasKnownLandmark(neighbour)) tile.colour = kLandmarkStairColour;
}

}  // namespace

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

void Floor::DrawFloor() {
    player.mapDrawnFlag = 1;
    const bool confusing = feeling == kConfusingFeeling;
    for (int32_t x = 0; x < kFloorWidth; ++x) {
        for (int32_t y = 0; y < kFloorHeight; ++y) {
            Tile& tile = At(x, y);
            tile.visibleNow = 0;
            // A confusing floor hides what lies out of sight.
            if (confusing && !tile.inViewMark && (!tile.items.empty() || tile.gold > 0)) {
                DrawChar(kBlankGlyph, x, y, kBlack);
            }

            if (tile.inViewMark) {
                if (tile.monsterPresent == 1) {
                    // The monster's own drawing covers the tile.
                } else if (!tile.items.empty()) {
                    DrawFirstItem(tile, x, y);
                } else if (tile.gold != 0) {
                    DrawChar(kGoldGlyph, x, y, kGoldColour);
                } else if (!tile.mark) {
                    ColourStairsByLandmark(tile, player.currentFloor);
                    DrawChar(tile.glyph, x, y, tile.colour);
                    if (tile.glyph == kWallGlyph) tile.mark = 1;
                }
                tile.rememberedDrawn = 0;
                tile.wasInView = 1;
                // What is remembered is what was seen: a tile in view for one
                // drawing only (a fast character's step between two turns'
                // top-item updates) must not be remembered as nothing.
                tile.RefreshTopItem();
                if (!confusing) tile.remembered = 1;
                tile.visibleNow = 1;
            } else if (tile.wasInView && !tile.rememberedDrawn) {
                if (tile.items.empty() && tile.gold == 0) {
                    if (confusing) {
                        DrawChar(kBlankGlyph, x, y, kBlack);
                    } else {
                        DrawChar(tile.glyph, x, y, kRememberedColour);
                    }
                    tile.mark = 0;
                } else if (confusing) {
                    DrawChar(kBlankGlyph, x, y, kBlack);
                } else if (tile.items.empty()) {
                    DrawChar(kGoldGlyph, x, y, kGoldColour);
                } else {
                    DrawFirstItem(tile, x, y);
                }
                tile.rememberedDrawn = 1;
                tile.visibleNow = 0;
            }
            tile.inViewMark = 0;
        }
    }
}

void Floor::RedrawSeenTiles() {
    ClearTileMarks();
    for (int32_t x = 0; x < kFloorWidth; ++x) {
        for (int32_t y = 0; y < kFloorHeight; ++y) {
            const Tile& tile = At(x, y);
            if (tile.remembered) DrawChar(tile.topGlyph, x, y, tile.topColour);
        }
    }
    player.mapDrawnFlag = 1;
}

void Floor::ForgetOrRevealMap(bool forget) {
    if (forget) {
        // Found traps are hidden again, in the floor colour of the floor's scheme.
        const ColourCode walls = At(0, 0).colour;
        for (Tile& tile : tiles) {
            tile.remembered = 0;
            if (tile.glyph != kFoundTrapGlyph) continue;
            tile.glyph = kFloorGlyph;
            if (walls == kIcyWalls) tile.colour = kIcyGround;
            if (walls == kStoneWalls || walls == kSnowyWalls) tile.colour = kSnowyGround;
        }
        return;
    }
    for (int32_t x = 0; x < kFloorWidth; ++x) {
        for (int32_t y = 0; y < kFloorHeight; ++y) {
            const char glyph = At(x, y).glyph;
            if (glyph != kFloorGlyph && glyph != kSlushGlyph && glyph != kBagGlyph) continue;
            if (x == 1 && y == 1) continue;
            for (int32_t i = x - 1; i <= x + 1; ++i) {
                for (int32_t j = y - 1; j <= y + 1; ++j) {
                    if (!OnMap(i, j)) continue;
                    At(i, j).remembered = 1;
                    At(i, j).RefreshTopItem();
                }
            }
        }
    }
}
