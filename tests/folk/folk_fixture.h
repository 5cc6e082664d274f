#pragma once
// A small world for the folk's services: the gear kinds of the equipment tests
// and a few more (a wand, materials and what the smith forges of them), the
// character on an open floor with a sage or a smith beside it.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "items/gear_fixture.h"
#include "support/hand_made_world.h"
#include "support/screen_test.h"
#include "world/floor.h"
#include "world/sage.h"

enum FolkKind : int32_t {
    kLightWand = 30,
    kIronOre = 31,      // power 2, armour or melee weapon
    kCopperOre = 32,    // power 2, melee
    kSilverOre = 33,    // power 2, ranged
    kGoldOre = 34,      // power 2, armour
    kOddOre = 35,       // power 0: no smith can work it
    kLoneOre = 36,      // power 7: nothing to trade it into
    kForgedAxe = 40,    // two-handed, depth 10
    kFineAxe = 41,      // two-handed, depth 15
    kSpecialAxe = 39,   // two-handed, depth 10, special: never forged
    kForgedHelm = 43,   // helmet, depth 15
};

class FolkTest : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        BuildWorld();
    }

    // The game state anew: the kinds, the open floor and the character on it.
    static void BuildWorld() {
        SetUpGearWorld();
        DefineKind(kLightWand, "wand of light", kItemWand, 0, 1, 0, 8);
        DefineKind(kIronOre, "iron ore", kItemMaterial, 0, 2, kCraftArmourOrMelee, 0);
        DefineKind(kCopperOre, "copper ore", kItemMaterial, 0, 2, kCraftMelee, 0);
        DefineKind(kSilverOre, "silver ore", kItemMaterial, 0, 2, kCraftRanged, 0);
        DefineKind(kGoldOre, "gold ore", kItemMaterial, 0, 2, kCraftArmour, 0);
        DefineKind(kOddOre, "odd ore", kItemMaterial, 0, 0, kCraftMelee, 0);
        DefineKind(kLoneOre, "lone ore", kItemMaterial, 0, 7, kCraftMelee, 0);
        DefineKind(kSpecialAxe, "rune axe", kItemWeapon, kSubtypeTwoHanded, 5, 9, 30);
        DefineKind(kForgedAxe, "war axe", kItemWeapon, kSubtypeTwoHanded, 5, 9, 30);
        DefineKind(kFineAxe, "fine axe", kItemWeapon, kSubtypeTwoHanded, 6, 11, 30);
        DefineKind(kForgedHelm, "forged helm", kItemArmour, kSubtypeHelmet, 3, 0, 30);
        itemKinds[kSpecialAxe].special = 1;
        itemKinds[kSpecialAxe].depthLevel = 10;
        itemKinds[kForgedAxe].depthLevel = 10;
        itemKinds[kFineAxe].depthLevel = 15;
        itemKinds[kForgedHelm].depthLevel = 15;
        DrawMap(0, {".....", ".....", "..P..", ".....", "....."}, 10, 5);
        for (int x = 10; x <= 14; ++x) {
            for (int y = 5; y <= 9; ++y) floorArray[0].At(x, y).remembered = 1;
        }
    }

    // A sage of that price level beside the character (one step south-east).
    static void SageBeside(int32_t level) { sages.push_back(cSage{13, 8, 0, level, 0}); }
    static int32_t Level() { return sages.back().priceLevel; }

    // Carries a stack of the kind; its index.
    static int32_t OwnStack(int32_t kind, int32_t quantity) {
        const int32_t index = Own(kind);
        player.inventory[static_cast<std::size_t>(index)].quantity = quantity;
        return index;
    }
    static int32_t QuantityOf(int32_t kind) {
        int32_t total = 0;
        for (const ItemData& item : player.inventory) total += item.kind == kind ? item.quantity : 0;
        return total;
    }
    static bool Said(const std::string& text) { return Messages().find(text) != std::string::npos; }
};
