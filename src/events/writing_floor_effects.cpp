// The magic writing's effects on the floor the character reads it on.
#include "events/bounded_draws.h"
#include "events/feature_loot.h"
#include "events/feature_tile.h"
#include "events/magic_writing.h"
#include "floors/floor_feelings.h"
#include "floors/floor_population.h"
#include "toolkit/drawing.h"
#include "toolkit/message_log.h"
#include "toolkit/random_mother.h"
#include "world/monster.h"
#include "world/sage.h"

namespace {

constexpr int32_t kAddedTraps = 5;
constexpr int32_t kAddedMonsters = 8;
constexpr int32_t kAddedItems = 3;
// Tiles the spawner may turn down before the floor is left with fewer new monsters.
constexpr int32_t kSpawnAttempts = 1000;

// A tile inside the border for new monsters and items: out of sight and plain floor.
bool IsHiddenFloor(const Floor& floor, int32_t x, int32_t y) {
    const Tile& tile = floor.At(x, y);
    return tile.visibleNow == 0 && tile.glyph == kFloorGlyph;
}

bool IsRoomForMonster(const Floor& floor, int32_t x, int32_t y) {
    return IsHiddenFloor(floor, x, y) && !IsSageAt(x, y, 0, 0, player.currentFloor) &&
           !IsMonsterAt(x, y, player.currentFloor);
}

// A tile inside the border that fits.
bool DrawInnerTile(bool (*fits)(const Floor&, int32_t, int32_t), XY& spot) {
    const Floor& floor = FeatureFloor();
    return DrawFittingTile(1, 1, kFloorWidth - 2, kFloorHeight - 2,
                           [&floor, fits](int32_t x, int32_t y) { return fits(floor, x, y); }, spot);
}

// Any tile of the floor that shows plain floor.
bool DrawFloorTile(XY& spot) {
    const Floor& floor = FeatureFloor();
    return DrawFittingTile(0, 0, kFloorWidth, kFloorHeight,
                           [&floor](int32_t x, int32_t y) { return floor.At(x, y).glyph == kFloorGlyph; }, spot);
}

// An item's depth now and then lies a little above or below the floor's own.
int32_t DrawDepthShift() {
    int32_t shift = 0;
    const int32_t rare = rng.Random(20);
    if (rare == 2) {
        const int32_t step = rng.Random(3);
        shift = 4 * step - 4;
    }
    const int32_t rarer = rng.Random(40);
    if (rarer == 2) {
        const int32_t step = rng.Random(3);
        shift = 4 * step - 4;
    }
    return shift;
}

}  // namespace

void RevealOrForgetMap(bool forget) {
    Floor& floor = FeatureFloor();
    // A confusing floor keeps its map as it is.
    if (floor.feeling == kFeelingConfusing) {
        PrintWords("The spell fizzles! ");
        return;
    }
    PrintWords(forget ? "Suddenly you forget the layout of the floor! "
                      : "Suddenly you know unknown parts of the dungeon! ");
    floor.ForgetOrRevealMap(forget);
    ClearScreen();
    floor.RedrawSeenTiles();
}

void AddTraps() {
    PrintWords("The level feels more dangerous now! The spell added more traps to the floor. ");
    Floor& floor = FeatureFloor();
    for (int32_t trap = 0; trap < kAddedTraps; ++trap) {
        XY spot;
        if (!DrawFloorTile(spot)) return;
        const int32_t kind = rng.Random(kTrapKindCount);
        floor.At(spot.x, spot.y).trapKind = kind + 1;
    }
}

void AddMonsters() {
    PrintWords(
        "You hear more monstrous sounds now than a moment ago! The spell added more monsters to the floor. ");
    // The spawner may refuse a tile; a floor that keeps refusing gets fewer monsters.
    int32_t made = 0;
    for (int32_t attempt = 0; made < kAddedMonsters && attempt < kSpawnAttempts; ++attempt) {
        XY spot;
        if (!DrawInnerTile(IsRoomForMonster, spot)) return;
        made += SpawnMonster(spot.x, spot.y, player.currentFloor, false, kVariantNever, kComputedLevel);
    }
}

void AddItems() {
    PrintWords("You sense new treasures nearby! The spell added more items to the floor. ");
    Floor& floor = FeatureFloor();
    const int32_t depth = static_cast<int32_t>(player.currentFloor * 1.43);
    for (int32_t item = 0; item < kAddedItems; ++item) {
        XY spot;
        if (!DrawInnerTile(IsHiddenFloor, spot)) return;
        const int32_t shift = DrawDepthShift();
        Tile& tile = floor.At(spot.x, spot.y);
        const float level = static_cast<float>(player.currentFloor * 1.43 + shift);
        if (LayFoundItem(tile, level)) continue;
        const int32_t extra = rng.Random(1 + 3 * depth);
        tile.gold += 6 + 3 * depth + extra;
    }
}

void PoisonFloorWithGas() {
    PrintWords(
        "The whole level is filled with green, toxic gas. After three seconds of coughing it's gone. Everyone on "
        "the floor has taken damage now. ");
    player.hp -= player.hp / 2;
    for (Monster* monster = monsterListHead; monster != nullptr; monster = monster->next) {
        if (monster->floor == player.currentFloor) monster->hp -= monster->hp / 2;
    }
}

void DestroyHiddenTraps() {
    PrintWords("The level feels safer now. The spell destroyed all traps on this floor. ");
    for (Tile& tile : FeatureFloor().tiles) {
        if (tile.glyph == kFloorGlyph && tile.trapKind > 0) tile.trapKind = kNoTrap;
    }
}

void DestroyIceBlocks() {
    PrintWords("You smell dirty steam. The spell destroyed all iceblocks on this floor. ");
    for (Tile& tile : FeatureFloor().tiles) {
        if (tile.glyph == kIceBlockGlyph) tile.glyph = kFloorGlyph;
    }
}

void SummonMonstersAround() {
    const Player& p = player;
    const Floor& floor = FeatureFloor();
    int32_t made = 0;
    for (int32_t dx = -1; dx <= 1; ++dx) {
        for (int32_t dy = -1; dy <= 1; ++dy) {
            if (dx == 0 && dy == 0) continue;
            const int32_t roll = rng.Random(3);
            const int32_t x = p.x + dx;
            const int32_t y = p.y + dy;
            if (roll == 0 || !Floor::OnMap(x, y)) continue;
            if (IsSageAt(x, y, 0, 0, p.currentFloor) || IsMonsterAt(x, y, p.currentFloor)) continue;
            if (floor.At(x, y).glyph != kFloorGlyph) continue;
            made += SpawnMonster(x, y, p.currentFloor, false, kVariantNever, kComputedLevel);
        }
    }
    if (made >= 2) {
        PrintWords("A group of monsters appears from out of nowhere! ");
    } else if (made == 1) {
        PrintWords("A monster appears from out of nowhere! ");
    } else {
        PrintWords("Nothing happens. ");
    }
}

void SendShockwave() {
    PrintWords("A huge shockwave travels through this floor. You feel dizzy. ");
    player.dizziness += 10;
    Floor& floor = FeatureFloor();
    // The outer border stays wall, so the floor stays closed.
    for (int32_t x = 1; x < kFloorWidth - 1; ++x) {
        for (int32_t y = 1; y < kFloorHeight - 1; ++y) {
            Tile& tile = floor.At(x, y);
            if (tile.glyph == kWallGlyph) tile.glyph = kIceBlockGlyph;
        }
    }
    floor.ClearTileMarks();
}
