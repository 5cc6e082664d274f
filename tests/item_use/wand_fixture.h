#pragma once
// Wands on a small hand-made floor: the game's item and monster kinds, a room of
// white snow inside grey stone walls, all of it in view, and a character of
// level 4 standing at (10, 10) with plenty of hit points.
#include <gtest/gtest.h>

#include <cstdio>

#include "floors/game_dungeon.h"
#include "item_use/zap_wand.h"
#include "items/item_fixtures.h"
#include "items/item_prefixes.h"
#include "support/game_state.h"
#include "support/hand_made_world.h"
#include "support/screen_test.h"
#include "world/floor.h"
#include "world/item_kind.h"
#include "world/item_types.h"
#include "world/monster.h"
#include "world/monster_kind.h"
#include "world/player.h"

namespace wands {

constexpr int32_t kX = 10;
constexpr int32_t kY = 10;
constexpr int32_t kLevel = 4;

// The game's wand kind of the effect.
inline int32_t WandKind(int32_t effect) {
    for (int32_t kind = 0; kind < kItemKindCount; ++kind) {
        if (itemKinds[kind].type == kItemWand && itemKinds[kind].power == effect) return kind;
    }
    ADD_FAILURE() << "no wand of effect " << effect;
    return 0;
}

// Carries a wand of the effect with that many charges, its kind not yet known.
inline int32_t CarryWand(int32_t effect, int32_t charges) {
    ItemData wand;
    wand.kind = WandKind(effect);
    wand.durability = charges;
    wand.identified = 1;
    player.inventory.push_back(wand);
    return static_cast<int32_t>(player.inventory.size()) - 1;
}

inline bool Known(int32_t effect) { return player.identifiedKinds[WandKind(effect)] == 1; }

// A monster of 100 hit points on (x, y) of the player's floor, its tile marked.
inline Monster* Foe(int32_t x, int32_t y, const char* name = "rat", int32_t ability = 0) {
    Monster* monster = AddMonster(x, y, 0);
    std::snprintf(monster->name, sizeof monster->name, "%s", name);
    monster->glyph = 'r';
    monster->colour = kGrey;
    monster->hp = 100;
    monster->maxHp = 100;
    monster->speed = 1000;
    monster->actThreshold = 1000;
    monster->ability = ability;
    floorArray[0].At(x, y).monsterPresent = 1;
    return monster;
}

inline Tile& TileAt(int32_t x, int32_t y) { return floorArray[0].At(x, y); }

// Floor 0: grey stone walls around white snow from (1, 1) to (78, 17), every tile in view.
inline void BuildRoom() {
    Floor& floor = floorArray[0];
    for (Tile& tile : floor.tiles) {
        tile.glyph = kWallGlyph;
        tile.colour = kStoneWalls;
        tile.visibleNow = 1;
        tile.remembered = 1;
    }
    for (int32_t x = 1; x <= 78; ++x) {
        for (int32_t y = 1; y <= 17; ++y) {
            floor.At(x, y).glyph = kFloorGlyph;
            floor.At(x, y).colour = kSnowyGround;
        }
    }
    player.currentFloor = 0;
    player.x = kX;
    player.y = kY;
    floor.At(kX, kY).monsterPresent = 1;
    player.level = kLevel;
    player.hp = 500;
    player.maxHp = 500;
}

}  // namespace wands

// The wand tests run on a screen, so that the flashes and prompts draw for real.
class WandTest : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        const GameData& data = LoadGameData();
        ASSERT_TRUE(data.available);
        itemKinds = data.itemKinds;
        monsterKinds = data.monsterKinds;
        arrowKindIndex = data.arrowKind;
        InitPrefixTable();
        wands::BuildRoom();
    }
};
