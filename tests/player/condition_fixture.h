#pragma once
// Shared set-up for the tests of the character's conditions: a fresh player,
// floor, message log, item kinds and key table, and a fixed random seed.
#include <gtest/gtest.h>

#include <string>

#include "floors/floor.h"
#include "items/item_data.h"
#include "items/item_kind.h"
#include "items/worn_properties.h"
#include "monsters/monster.h"
#include "player/player.h"
#include "shell/key_reader.h"
#include "shell/message_log.h"
#include "shell/random_mother.h"
#include "skills/skill_table.h"
#include "support/fresh_world.h"

class ConditionTest : public ::testing::Test {
protected:
    static constexpr uint32_t kSeed = 20240611;
    static constexpr int32_t kClothKind = 10;
    static constexpr int32_t kWeaponKind = 11;
    static constexpr int32_t kAccessoryKind = 12;  // kinds 12.. are accessories of property kind - 12 + 1

    void SetUp() override {
        ResetWorld(kSeed);
        messageLog = MessageLog();
        for (SkillDef& skill : skillTable) skill = SkillDef();
        for (char& key : keyTable) key = 0;
        keyTable[0] = '5';
        keyTable[32] = 'F';
        monsterVisionRange = 7;
        previousFightingStyle = -1;

        OpenArea(0, 1, 1, kFloorWidth - 2, kFloorHeight - 2);
        player.x = 10;
        player.y = 10;

        DefineKind(kClothKind, kItemCloth, 1, "linen shirt");
        DefineKind(kWeaponKind, kItemWeapon, 3, "crude copper sword");
    }

    void TearDown() override {
        FreeAllMonsters();
        monsterListHead = nullptr;
    }

    static void DefineKind(int32_t kind, int32_t type, int32_t power, const char* name) {
        ItemKind& k = itemKinds[kind];
        k.inUse = 1;
        k.type = type;
        k.power = power;
        std::snprintf(k.name, sizeof k.name, "%s", name);
    }

    // Adds an item to the inventory and returns its index.
    static int32_t Carry(int32_t kind, int32_t prefix = -1, int32_t blessing = 0) {
        ItemData item;
        item.kind = kind;
        item.prefix = prefix;
        item.blessing = blessing;
        item.identified = 1;
        player.inventory.push_back(item);
        return static_cast<int32_t>(player.inventory.size()) - 1;
    }

    static int32_t Wear(int32_t slot, int32_t kind, int32_t prefix = -1, int32_t blessing = 0) {
        const int32_t index = Carry(kind, prefix, blessing);
        player.equipSlots[slot] = index;
        return index;
    }

    // Wears an accessory with the property in the slot (amulet, right or left ring);
    // false while the worn-accessory service cannot see it yet.
    static bool WearAccessory(int32_t slot, int32_t property) {
        const int32_t kind = kAccessoryKind + property - 1;
        DefineKind(kind, kItemAccessory, property, "accessory");
        Wear(slot, kind);
        const int32_t which = slot == kSlotAmulet ? 1 : slot == kSlotRightRing ? 2 : 3;
        return GetWornAccessoryProperty(which) == property;
    }

    static Monster* AddMonster(int32_t x, int32_t y) {
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

    // True once the message log keeps the words it is given.
    static bool MessageLogKeepsWords() {
        MessageLog saved = messageLog;
        messageLog.PrintMessage("probe ");
        const bool keeps = messageLog.used[0];
        messageLog = saved;
        return keeps;
    }

    // Everything printed so far, oldest first, without colour markup and with
    // each line's padding folded into one blank.
    static std::string Messages() {
        std::string all;
        auto add = [&all](const std::string& line) {
            std::string plain;
            for (size_t i = 0; i < line.size(); ++i) {
                if (line[i] == '@') {
                    ++i;
                    continue;
                }
                plain += line[i];
            }
            const size_t end = plain.find_last_not_of(' ');
            if (end == std::string::npos) return;
            if (!all.empty()) all += ' ';
            all += plain.substr(0, end + 1);
        };
        for (int32_t i = kHistoryLines - 1; i >= 0; --i) add(messageLog.history[i]);
        for (const std::string& line : messageLog.line) add(line);
        return all;
    }
};

#define REQUIRE_MESSAGE_LOG()                                      \
    if (!MessageLogKeepsWords()) {                                 \
        GTEST_SKIP() << "waits for the message log to keep words"; \
    }                                                              \
    static_assert(true)
#define REQUIRE_ACCESSORY(slot, property)                          \
    if (!WearAccessory(slot, property)) {                          \
        GTEST_SKIP() << "waits for the worn-accessory service";    \
    }                                                              \
    static_assert(true)
