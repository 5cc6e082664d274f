// Now and then a monster wanders in out of sight, more often deep down, less
// often for a seasoned character, and sometimes a powerful one.
#include <cstdint>

#include "events/world_events.h"
#include "floors/floor_feelings.h"
#include "floors/tile_draws.h"
#include "player/commands.h"
#include "toolkit/message_log.h"
#include "toolkit/random_mother.h"
#include "world/floor.h"
#include "world/monster.h"
#include "world/player.h"
#include "world/sage.h"

namespace {

// A wandering monster joins a floor that holds at most this many.
constexpr int32_t kCrowdedFloor = 30;

int32_t MonstersOnFloor(int32_t floor) {
    int32_t count = 0;
    for (const Monster* m = monsterListHead; m != nullptr; m = m->next) count += m->floor == floor ? 1 : 0;
    return count;
}

// The "one in n" of a wandering monster on floor f for a character of level L.
int32_t SpawnOdds(int32_t f, int32_t level) {
    int32_t n = 350 + 6 * f;
    if (level > 17) n = 350 + 6 * f + (17 - level) * 100;
    return n < 200 ? 200 : n;
}

// The "one in m" of the wanderer being a powerful variant; 0 or below: never.
int32_t PowerfulOdds(int32_t f, int32_t layoutType) {
    const int32_t depthTerm = static_cast<int32_t>(f / 2.5);
    return (layoutType == kLayoutCorridorComplex ? 18 : 25) - depthTerm;
}

}  // namespace

void SpawnWanderingMonster() {
    Floor* floor = CurrentFloor();
    if (floor == nullptr || floor->layoutType == kLayoutPrebuilt) return;
    const int32_t f = player.currentFloor;
    int32_t n = SpawnOdds(f, player.level);
    int32_t m = PowerfulOdds(f, floor->layoutType);
    const char underfoot = floor->GlyphAt(player.x, player.y);
    if (underfoot == kSnowmanGlyph || underfoot == kWritingGlyph || floor->feeling == kFeelingDull) return;
    if (floor->feeling == kFeelingExciting) {
        n = 100;
        m = 20;
    } else if (floor->feeling == kFeelingThreatening) {
        m -= 10;
    }
    const int32_t chance = rng.Random(n);
    if (chance != 0) return;
    if (MonstersOnFloor(f) > kCrowdedFloor) return;

    // Somewhere out of sight on open, empty floor.
    const auto fits = [floor, f](int32_t x, int32_t y) {
        const Tile& tile = floor->At(x, y);
        return tile.glyph == kFloorGlyph && tile.monsterPresent == 0 && tile.visibleNow == 0 &&
               !IsSageAt(x, y, 0, 0, f);
    };
    XY spot;
    if (!DrawTileUntil(1, fits, spot)) return;

    const int32_t powerful = rng.Random(m);
    if (powerful == 0 && floor->layoutType != kLayoutCavern) {
        SpawnMonster(spot.x, spot.y, f, false, kVariantAlways, kComputedLevel);
        PrintWords("You hear threatening thundering. Something powerful lurks nearby. ");
        WaitForSpace();
        return;
    }
    SpawnMonster(spot.x, spot.y, f, false, kVariantNever, kComputedLevel);
}
