#pragma once
// Shared set-up for the dungeon's events: an open floor 0 in view around the
// character at (10, 10), the item kinds the conditions tests use, an arrow kind
// and a second kind of ammunition, and a monster kind every spawn can take.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "items/item_names.h"
#include "items/item_prefixes.h"
#include "player/condition_fixture.h"
#include "world/item_kind.h"
#include "world/monster_kind.h"

namespace events {

constexpr int32_t kArrowKind = 20;
constexpr int32_t kDartKind = 21;
constexpr int32_t kPotionKind = 22;

inline void DefineAmmunition() {
    conditions::DefineKind(kArrowKind, kItemAmmunition, 0, "arrow");
    arrowKindIndex = kArrowKind;
    conditions::DefineKind(kDartKind, kItemAmmunition, 0, "throwing dart");
    conditions::DefineKind(kPotionKind, kItemPotion, 0, "potion of healing");
}

// One rat kind in every record, so that any spawn makes a rat.
inline void FillMonsterKinds() {
    MonsterKind rat;
    std::strncpy(rat.name, "rat", sizeof rat.name);
    rat.glyph = 'r';
    rat.level = 1;
    rat.colour = kGrey;
    rat.hitPoints = 10;
    rat.speed = 1000;
    rat.actThreshold = 1000;
    for (MonsterKind& kind : monsterKinds.kinds) kind = rat;
}

inline void PrepareEvents() {
    DefineAmmunition();
    FillMonsterKinds();
    floorArray[0].At(0, 0).colour = kStoneWalls;
    floorArray[0].layoutType = kLayoutRooms;
    floorArray[0].At(player.x, player.y).monsterPresent = 1;
    for (Tile& tile : floorArray[0].tiles) {
        tile.visibleNow = 1;
        tile.remembered = 1;
    }
}

// How many times `what` occurs in `text`.
inline int32_t CountOf(const std::string& text, const std::string& what) {
    int32_t count = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++count;
    return count;
}

}  // namespace events

class EventTest : public ConditionTest {
protected:
    void SetUp() override {
        ConditionTest::SetUp();
        events::PrepareEvents();
    }
};

class EventScreenTest : public ConditionScreenTest {
protected:
    void SetUp() override {
        ConditionScreenTest::SetUp();
        events::PrepareEvents();
    }
};
