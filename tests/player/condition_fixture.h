#pragma once
// Shared set-up for the tests of the character's conditions: the game's start-up
// state, an open floor around the character at (10, 10), a cloth, a weapon and
// accessory kinds to wear (Carry, Wear and Messages: support/hand_made_world.h).
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "items/worn_properties.h"
#include "skills/skill_def.h"
#include "support/game_state.h"
#include "support/hand_made_world.h"
#include "support/screen_test.h"
#include "toolkit/message_log.h"
#include "toolkit/random_mother.h"
#include "world/command_keys.h"
#include "world/floor.h"
#include "world/item_data.h"
#include "world/item_kind.h"
#include "world/monster.h"
#include "world/player.h"

namespace conditions {

constexpr int32_t kClothKind = 10;  // "linen shirt", warmth 1
constexpr int32_t kWeaponKind = 11;
constexpr int32_t kAccessoryKind = 12;  // kinds 12 on are accessories of property kind - 11

inline void DefineKind(int32_t kind, int32_t type, int32_t power, const char* name) {
    ItemKind& k = itemKinds[kind];
    k.inUse = 1;
    k.type = type;
    k.power = power;
    std::snprintf(k.name, sizeof k.name, "%s", name);
}

// A weapon kind of the subtype (one-handed, two-handed, ranged) with its damage range.
inline void DefineWeapon(int32_t kind, int32_t subtype, int32_t low, int32_t high) {
    DefineKind(kind, kItemWeapon, low, "weapon");
    itemKinds[kind].subtype = subtype;
    itemKinds[kind].secondValue = high;
}

// After ResetGameState: the floor around the character and the item kinds the tests use.
inline void PrepareConditions() {
    OpenArea(floorArray[0], 1, 1, kFloorWidth - 2, kFloorHeight - 2);
    player.x = 10;
    player.y = 10;
    DefineKind(kClothKind, kItemCloth, 1, "linen shirt");
    DefineKind(kWeaponKind, kItemWeapon, 3, "crude copper sword");
}

// Wears an accessory with the property in the slot (the amulet or a ring).
inline void WearAccessory(int32_t slot, int32_t property) {
    const int32_t kind = kAccessoryKind + property - 1;
    DefineKind(kind, kItemAccessory, property, "accessory");
    Wear(slot, kind);
}

}  // namespace conditions

// For code that never waits for a key.
class ConditionTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetGameState();
        conditions::PrepareConditions();
    }
    void TearDown() override { ResetGameState(); }
};

// For code that stops until the space bar is pressed: type the keys first.
class ConditionScreenTest : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        conditions::PrepareConditions();
    }
};
