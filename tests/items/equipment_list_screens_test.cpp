// The bless, repair, curse-detection and gear-selection lists: their texts,
// what each accepts, the cursor over pages of 20, and the way out.
#include <curses.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "items/gear_fixture.h"
#include "support/hand_made_world.h"
#include "support/screen_test.h"
#include "world/floor.h"

namespace {

class EquipmentLists : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        SetUpGearWorld();
        DrawMap(0, {"...", ".P.", "..."}, 10, 5);
        for (int x = 10; x <= 12; ++x) {
            Tile& tile = floorArray[0].At(x, 5);
            tile.remembered = 1;
            tile.topGlyph = '.';
            tile.topColour = kGrey;
        }
    }
    // The screen row drawn on a green background, -1 for none.
    int HighlightedRow() const {
        for (int row = 4; row <= 23; ++row) {
            if ((ColourAt(row, 0) & kOnGreen) != 0) return row;
        }
        return -1;
    }
};

TEST_F(EquipmentLists, EachListsTexts) {
    struct Case {
        const char* what;
        std::function<int32_t()> open;
        const char* first;
        const char* second;
    };
    const std::string down = "    2 = down   page up = previous page   z = exit";
    const Case cases[] = {
        {"bless", [] { return player.BlessEquipmentScreen(); },
         "    8 = up     page down = next page     b = bless a piece of equipment", down.c_str()},
        {"repair", [] { return player.RepairEquipmentScreen(true); },
         "    8 = up     page down = next page     r = repair a weapon/armor/cloth item", down.c_str()},
        {"detect curse", [] { return player.DetectCurseScreen(); },
         "   8 = up     page down = next page     d = detect curse on an equipment item",
         "   2 = down   page up = previous page   z = exit"},
        {"select gear", [] { return player.SelectGearScreen(); },
         "    8 = up     page down = next page     s = select a weapon/piece of armor", down.c_str()},
    };
    Own(kPotion);
    player.identifiedKinds[kPotion] = 1;  // named by its kind, not by its look
    for (const Case& c : cases) {
        EXPECT_TRUE(RunUntilItWaitsForAKey([&] { c.open(); })) << c.what;
        const std::string first = c.first;
        const std::string second = c.second;
        EXPECT_EQ(Row(0), "|" + first.substr(1) + std::string(79 - first.size(), ' ') + "|") << c.what;
        EXPECT_EQ(Row(1).substr(1, second.size() - 1), second.substr(1)) << c.what;
        EXPECT_EQ(CharAt(1, 79), '|');
        EXPECT_EQ(ColourAt(0, 5), kCyan);
        EXPECT_EQ(Row(2), std::string(80, '-'));
        EXPECT_EQ(TextAt(3, 0, 38), "Eq.  Qty.  Durab.  Base+  Weight  Name");
        EXPECT_EQ(HighlightedRow(), 4) << c.what;
        EXPECT_NE(Row(4).find("potion of healing"), std::string::npos) << c.what;
    }
}

TEST_F(EquipmentLists, AnEmptyInventoryIsSaidAndNoListOpens) {
    EXPECT_EQ(player.BlessEquipmentScreen(), -1);
    EXPECT_EQ(player.RepairEquipmentScreen(true), -1);
    EXPECT_EQ(player.DetectCurseScreen(), -1);
    EXPECT_EQ(player.SelectGearScreen(), -1);
    EXPECT_EQ(player.RepairEquipmentScreen(false), -1);  // the smith's: silent
    EXPECT_EQ(Messages(), "Unfortunately you have nothing to bless. Your inventory is empty! Your inventory is empty! "
                          "Unfortunately you have nothing to select.");
}

TEST_F(EquipmentLists, WhatEachListTakesAndWhatBecomesOfIt) {
    const int32_t potion = Own(kPotion);
    const int32_t sword = Own(kSword, kBlessed, 0);
    const int32_t ring = Own(kAimRing, kCursed);
    const int32_t shirt = Own(kShirt);
    player.inventory[shirt].durability = 5;

    // Blessing: not a potion; a blessed but unknown sword becomes known; a cursed ring blessed.
    Type("b2b");
    EXPECT_EQ(player.BlessEquipmentScreen(), 1);
    EXPECT_EQ(player.inventory[sword].blessing, kBlessed);
    EXPECT_EQ(player.inventory[sword].identified, 1);
    Type("2b2b");  // the sword is known blessed now: ignored; the ring taken
    EXPECT_EQ(player.BlessEquipmentScreen(), 1);
    EXPECT_EQ(player.inventory[ring].blessing, kBlessed);
    EXPECT_EQ(player.inventory[potion].blessing, kUncursed);

    // Repair: only what is worn down; the ring never. The smith's list only names it.
    Type("22r2r");
    EXPECT_EQ(player.RepairEquipmentScreen(false), shirt);
    EXPECT_EQ(player.inventory[shirt].durability, 5);
    Type("2r22r");
    EXPECT_EQ(player.RepairEquipmentScreen(true), 1);
    EXPECT_EQ(player.inventory[shirt].durability, 18);

    // Curse detection: only what is not known yet; the map is not drawn again whole.
    player.inventory[sword].identified = 0;
    Type("d2\n");
    EXPECT_EQ(player.DetectCurseScreen(), sword);
    EXPECT_EQ(TextAt(5, 10, 3), "...");  // the remembered tiles, also those seen at the redraws above
    EXPECT_EQ(TextAt(7, 10, 3), "...");
    EXPECT_EQ(CharAt(6, 11), '.');       // but not the character

    // Selection: weapons and armour only; the full redraw shows the character.
    Type("s\x1b");
    EXPECT_EQ(player.SelectGearScreen(), -1);  // the potion cannot be taken; leaving needs no answer
    Type("2s");
    EXPECT_EQ(player.SelectGearScreen(), sword);
    EXPECT_EQ(CharAt(6, 11), '@');
}

TEST_F(EquipmentLists, LeavingMayAskFirst) {
    Own(kPotion);
    Type("z");
    EXPECT_TRUE(RunUntilItWaitsForAKey([] { player.BlessEquipmentScreen(); }));
    EXPECT_EQ(TextAt(24, 6, 67), "Exiting will waste the potion. Do you really want to do this? (y/n)");
    EXPECT_EQ(ColourAt(24, 6), kLightCyan);
    Type("zxn");  // other keys are read over; n takes the question back
    EXPECT_TRUE(RunUntilItWaitsForAKey([] { player.BlessEquipmentScreen(); }));
    EXPECT_EQ(Row(24), std::string(80, ' '));
    EXPECT_EQ(HighlightedRow(), 4);
    Type("`Y");
    EXPECT_EQ(player.BlessEquipmentScreen(), -1);

    for (const std::function<int32_t()>& open :
         {std::function<int32_t()>([] { return player.RepairEquipmentScreen(true); }),
          std::function<int32_t()>([] { return player.DetectCurseScreen(); })}) {
        Type("Z");
        EXPECT_TRUE(RunUntilItWaitsForAKey([&] { open(); }));
        EXPECT_EQ(TextAt(24, 6, 67), "Exiting will waste the charge. Do you really want to do this? (y/n)");
        Type("Zy");
        EXPECT_EQ(open(), -1);
    }
    Type("z");
    EXPECT_EQ(player.RepairEquipmentScreen(false), -1);
}

TEST_F(EquipmentLists, TheCursorOverPagesOfTwenty) {
    for (int i = 0; i < 20; ++i) Own(kSword);
    const int32_t last = Own(kAxe);
    struct Case {
        const char* keys;
        int32_t chosen;
    };
    const Case cases[] = {
        {"2222222222222222222s", 19},
        {"22222222222222222222s", last},   // down from the 20th turns the page
        {"222222222222222222222s", 0},     // and down from the last wraps to the first
        {"8s", last},                      // up from the first wraps to the last
        {"88s", 19},                       // up from the top of page 2
        {"+s", last},
        {"+-s", 0},
        {"++s", last},                     // no third page
        {"-s", 0},
    };
    for (const Case& c : cases) {
        Type(c.keys);
        EXPECT_EQ(player.SelectGearScreen(), c.chosen) << c.keys;
    }
    Type("+");
    EXPECT_TRUE(RunUntilItWaitsForAKey([] { player.SelectGearScreen(); }));
    EXPECT_EQ(HighlightedRow(), 4);
    EXPECT_NE(Row(4).find("great axe"), std::string::npos);
    Press(KEY_UP);
    Press(KEY_NPAGE);
    Press(KEY_DOWN);
    Type("s");
    EXPECT_EQ(player.SelectGearScreen(), 0);  // up to 19, next page to 20, down wraps to 0
}

TEST_F(EquipmentLists, OneItemNeverMoves) {
    Own(kPotion);
    const int32_t sword = Own(kSword);
    player.inventory.erase(player.inventory.begin());
    Type("28+-s");
    EXPECT_EQ(player.SelectGearScreen(), sword - 1);
}

}  // namespace
