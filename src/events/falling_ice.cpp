// Ice and snow that come down on the character: a stalactite, a quake that
// drops ice blocks across the floor, and an avalanche from a nearby wall.
#include <cstdint>

#include "events/event_area.h"
#include "events/world_events.h"
#include "floors/floor_feelings.h"
#include "floors/tile_draws.h"
#include "player/commands.h"
#include "toolkit/message_log.h"
#include "toolkit/random_mother.h"
#include "world/monster.h"
#include "world/sage.h"

namespace {

// Where falling ice may land: open floor with nobody and nothing on it.
bool IsClearFloor(const Floor& floor, int32_t x, int32_t y) {
    const Tile& tile = floor.At(x, y);
    return tile.glyph == kFloorGlyph && !IsMonsterAt(x, y, player.currentFloor) &&
           !IsSageAt(x, y, 0, 0, player.currentFloor) && tile.items.empty();
}

// Damage of 1 to 3L + 3 from something heavy falling on the character.
void CrushPlayer(const char* cause) {
    const int32_t damage = rng.Random(3 * player.level + 3);
    player.hp -= damage + 1;
    player.CheckPlayerDeath(cause, kDungeonKiller);
}

}  // namespace

void DropStalactite() {
    const Floor* floor = CurrentFloor();
    if (floor == nullptr) return;
    const int32_t fall = rng.Random(floor->feeling == kFeelingStalactites ? 350 : 12500);
    if (fall != 0) return;
    PrintWords(
        "You hear a crack! Before you are able to react, an icy stalactite is already on its way down. *Crash* and "
        "you faint. ");
    WaitForSpace();
    const int32_t faint = rng.Random(250);
    player.sleep += 150 + faint;
    CrushPlayer("HE was crushed by a falling stalactite.");
}

void ShakeLevel() {
    Floor* floor = CurrentFloor();
    if (floor == nullptr) return;
    const bool stalactites = floor->feeling == kFeelingStalactites;
    const int32_t roll = rng.Random(10);
    int32_t blocks = roll + 5;
    if (stalactites) blocks += 20;
    const int32_t quake = rng.Random(stalactites ? 500 : 15000);
    if (quake != 0) return;
    PrintWords("Something shakes the whole dungeon level. You hear something crashing the ground. ");
    WaitForSpace();
    const auto fits = [floor](int32_t x, int32_t y) {
        return IsClearFloor(*floor, x, y) && !(x == player.x && y == player.y);
    };
    for (int32_t block = 0; block < blocks; ++block) {
        XY spot;
        if (!DrawTileUntil(0, fits, spot)) return;
        Tile& tile = floor->At(spot.x, spot.y);
        tile.glyph = kIceBlockGlyph;
        PaintIceBlock(*floor, tile);
    }
}

void TriggerAvalanche() {
    Floor* floor = CurrentFloor();
    if (floor == nullptr) return;
    const int32_t rumble = rng.Random(15000);
    if (rumble != 0) return;
    bool wallInView = false;
    bool floorInView = false;
    ForEachCellAround(player.sightRadius, [&](int32_t x, int32_t y) {
        const Tile& tile = floor->At(x, y);
        if (tile.visibleNow == 0) return;
        wallInView = wallInView || tile.glyph == kWallGlyph;
        floorInView = floorInView || tile.glyph == kFloorGlyph;
    });
    if (!wallInView || !floorInView) return;
    PrintWords(
        "A deep rumbling sound is all that warns you before the high wall nearby starts to avalanche toward you, with "
        "a seemingly malicious intent! You're hit by a huge snowball. ");
    WaitForSpace();
    ForEachCellAround(player.sightRadius, [floor](int32_t x, int32_t y) {
        Tile& tile = floor->At(x, y);
        if (tile.visibleNow == 0 || (x == player.x && y == player.y) || !IsClearFloor(*floor, x, y)) return;
        tile.glyph = kIceBlockGlyph;
        PaintIceBlock(*floor, tile);
    });
    CrushPlayer("HE was crushed by an avalanche.");
}
