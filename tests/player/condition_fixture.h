#pragma once
// Shared set-up for the tests of the character's conditions: the game's start-up
// state, an open floor around the character at (10, 10), a cloth and a weapon
// kind, and ways to wear things and read what was said.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "floors/floor.h"
#include "items/item_data.h"
#include "items/item_kind.h"
#include "items/worn_properties.h"
#include "monsters/monster.h"
#include "player/player.h"
#include "shell/key_bindings.h"
#include "shell/message_log.h"
#include "shell/random_mother.h"
#include "skills/skill_def.h"
#include "support/fresh_world.h"
#include "support/game_state.h"
#include "support/screen_test.h"

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

// After ResetGameState: the floor around the character and the item kinds the tests use.
inline void PrepareConditions() {
    OpenArea(0, 1, 1, kFloorWidth - 2, kFloorHeight - 2);
    player.x = 10;
    player.y = 10;
    DefineKind(kClothKind, kItemCloth, 1, "linen shirt");
    DefineKind(kWeaponKind, kItemWeapon, 3, "crude copper sword");
}

// Adds an item to the inventory and returns its index.
inline int32_t Carry(int32_t kind, int32_t prefix = -1, int32_t blessing = 0) {
    ItemData item;
    item.kind = kind;
    item.prefix = prefix;
    item.blessing = blessing;
    item.identified = 1;
    player.inventory.push_back(item);
    return static_cast<int32_t>(player.inventory.size()) - 1;
}

inline int32_t Wear(int32_t slot, int32_t kind, int32_t prefix = -1, int32_t blessing = 0) {
    const int32_t index = Carry(kind, prefix, blessing);
    player.equipSlots[slot] = index;
    return index;
}

// Wears an accessory with the property in the slot (the amulet or a ring).
inline void WearAccessory(int32_t slot, int32_t property) {
    const int32_t kind = kAccessoryKind + property - 1;
    DefineKind(kind, kItemAccessory, property, "accessory");
    Wear(slot, kind);
}

inline Monster* AddMonster(int32_t x, int32_t y) {
    Monster* monster = new Monster();
    monster->x = x;
    monster->y = y;
    monster->floor = player.currentFloor;
    monster->hp = 10;
    monster->maxHp = 10;
    monster->living = 1;
    monster->awake = 1;
    AppendMonsters(monster);
    return monster;
}

// Everything printed so far, oldest first, without colour markup and with
// each line's padding folded into one blank.
inline std::string Messages() {
    std::string all;
    auto add = [&all](const std::string& line) {
        const std::string plain = MessageLog::StripColourCodes(line);
        const size_t end = plain.find_last_not_of(' ');
        if (end == std::string::npos) return;
        if (!all.empty()) all += ' ';
        all += plain.substr(0, end + 1);
    };
    for (int32_t i = kHistoryLines - 1; i >= 0; --i) add(messageLog.history[i]);
    for (const std::string& line : messageLog.line) add(line);
    return all;
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
