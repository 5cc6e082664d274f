// Very rarely a whole horde of angry monsters gathers out of sight.
#include <cstdint>

#include "events/world_events.h"
#include "floors/tile_draws.h"
#include "player/commands.h"
#include "toolkit/message_log.h"
#include "toolkit/random_mother.h"
#include "world/floor.h"
#include "world/monster.h"
#include "world/player.h"
#include "world/sage.h"

namespace {

// The demons' own floors never see a horde.
bool IsDemonFloor(int32_t f) { return f == 6 || f == 13 || f == 20 || f == 27 || f == 34; }

// A horde needs a 3 by 3 block of plain, empty floor that the character cannot see.
bool IsHordeSpot(const Floor& floor, int32_t floorNumber, int32_t x, int32_t y) {
    for (int32_t dx = -1; dx <= 1; ++dx) {
        for (int32_t dy = -1; dy <= 1; ++dy) {
            const int32_t cx = x + dx;
            const int32_t cy = y + dy;
            if (!Floor::OnMap(cx, cy)) continue;
            const Tile& tile = floor.At(cx, cy);
            if (tile.glyph != kFloorGlyph || tile.visibleNow != 0 || IsSageAt(cx, cy, 0, 0, floorNumber) ||
                IsMonsterAt(cx, cy, floorNumber)) {
                return false;
            }
        }
    }
    return true;
}

bool FloorHasHordeSpot(const Floor& floor, int32_t floorNumber) {
    for (int32_t x = 0; x < kFloorWidth; ++x) {
        for (int32_t y = 0; y < kFloorHeight; ++y) {
            if (IsHordeSpot(floor, floorNumber, x, y)) return true;
        }
    }
    return false;
}

}  // namespace

void SummonAngryHorde() {
    Floor* floor = CurrentFloor();
    if (floor == nullptr) return;
    const int32_t f = player.currentFloor;
    if (floor->layoutType == kLayoutCorridorComplex || floor->layoutType == kLayoutPrebuilt) return;
    const char underfoot = floor->GlyphAt(player.x, player.y);
    if (underfoot == kSnowmanGlyph || underfoot == kWritingGlyph || IsDemonFloor(f)) return;
    const int32_t chance = rng.Random(floor->layoutType == kLayoutCavern ? 7500 : 10000);
    if (chance != 0 || !FloorHasHordeSpot(*floor, f)) return;

    PrintWords("You hear many monstrous, loud and angry sounds nearby! ");
    WaitForSpace();
    const auto fits = [floor, f](int32_t x, int32_t y) { return IsHordeSpot(*floor, f, x, y); };
    XY spot;
    if (!DrawTileUntil(0, fits, spot)) return;
    for (int32_t dx = -1; dx <= 1; ++dx) {
        for (int32_t dy = -1; dy <= 1; ++dy) {
            if (Floor::OnMap(spot.x + dx, spot.y + dy)) {
                SpawnMonster(spot.x + dx, spot.y + dy, f, false, kVariantNever, kComputedLevel);
            }
        }
    }
}
