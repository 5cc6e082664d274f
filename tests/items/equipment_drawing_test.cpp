// The equipment screen's picture in its two layouts: labels, empty slots with
// their availability stars, worn items with their tags, colours and
// improvement markers; and the picker of a cursed worn item.
#include <curses.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "items/appearances.h"
#include "items/gear_fixture.h"
#include "support/screen_test.h"
#include "toolkit/drawing.h"

namespace {

class EquipmentDrawing : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        SetUpGearWorld();
    }
    std::string Draw(bool cursedLayout = false) {
        ClearScreen();
        player.DrawEquipmentScreen(cursedLayout);
        return Dump();
    }
    bool Blank(int row) const { return Row(row) == std::string(80, ' '); }
};

TEST_F(EquipmentDrawing, TheFullLayoutOfAnEmptyCharacter) {
    const std::string screen = Draw();
    EXPECT_EQ(TextAt(0, 35, 9), "Equipment") << screen;
    EXPECT_EQ(ColourAt(0, 35), kCyan);
    EXPECT_EQ(TextAt(24, 31, 19), "z = Close equipment");
    struct Label {
        int row;
        const char* text;
        bool cloth;
    };
    const Label labels[] = {{1, "[a] Main weapon:", false},   {2, "[b] Second weapon:", false},
                            {3, "[c] Thrown Weapon:", false}, {5, "[d] Shield:", false},
                            {6, "[e] Chest:", false},         {7, "[f] Leggings:", false},
                            {8, "[g] Gauntlets:", false},     {9, "[h] Boots:", false},
                            {10, "[i] Helmet:", false},       {12, "[j] Amulet:", false},
                            {13, "[k] Right Ring:", false},   {14, "[l] Left Ring:", false},
                            {16, "[m] Cloth shirt:", true},   {17, "[n] Cloth trousers:", true},
                            {18, "[o] Cloth gloves:", true},  {19, "[p] Cloth socks:", true},
                            {20, "[q] Cloth cap:", true},     {22, "[r] Main hand swap:", false},
                            {23, "[s] Second hand swap:", false}};
    for (const Label& label : labels) {
        const std::string text = label.text;
        EXPECT_EQ(TextAt(label.row, 6, static_cast<int>(text.size())), text) << screen;
        EXPECT_EQ(ColourAt(label.row, 6), kCyan);
        const std::string none = label.cloth ? "None   (rags)" : "None";
        EXPECT_EQ(TextAt(label.row, 30, 14), none + std::string(14 - none.size(), ' ')) << label.text;
        EXPECT_EQ(ColourAt(label.row, 30), kLightCyan);
    }
    for (int row : {4, 11, 15, 21}) EXPECT_TRUE(Blank(row)) << row;
}

TEST_F(EquipmentDrawing, TheCursedItemLayoutIsLetteredAToPOneRowLower) {
    Put(kSlotThrownWeapon, kDarts);
    const std::string screen = Draw(true);
    EXPECT_EQ(TextAt(0, 35, 9), "Equipment");
    EXPECT_EQ(TextAt(2, 6, 16), "[a] Main weapon:") << screen;
    EXPECT_EQ(TextAt(3, 6, 18), "[b] Second weapon:");
    EXPECT_EQ(TextAt(6, 6, 11), "[c] Shield:");
    EXPECT_EQ(TextAt(11, 6, 11), "[h] Helmet:");
    EXPECT_EQ(TextAt(15, 6, 14), "[k] Left Ring:");
    EXPECT_EQ(TextAt(21, 6, 14), "[p] Cloth cap:");
    EXPECT_EQ(TextAt(21, 30, 13), "None   (rags)");
    for (int row : {1, 4, 5, 12, 16, 22, 23}) EXPECT_TRUE(Blank(row)) << row << screen;
    EXPECT_EQ(screen.find("dart"), std::string::npos);
}

TEST_F(EquipmentDrawing, AvailabilityStarsOnEmptySlots) {
    struct Case {
        const char* what;
        std::function<void()> pack;
        int row;
        bool star;
        bool cursedLayout;
    };
    const Case cases[] = {
        {"an empty pack", [] {}, 1, false, false},
        {"a shield worn, a two-handed weapon in the pack",
         [] {
             Put(kSlotShield, kShield);
             Own(kAxe);
         },
         1, false, false},
        {"a shield worn, a one-handed weapon in the pack",
         [] {
             Put(kSlotShield, kShield);
             Own(kAxe);
             Own(kDagger);
         },
         1, true, false},
        {"shields beside a two-handed weapon",
         [] {
             Put(kSlotMainWeapon, kAxe);
             Own(kShield);
         },
         5, false, false},
        {"shields beside two weapons",
         [] {
             Put(kSlotMainWeapon, kSword);
             Put(kSlotSecondWeapon, kDagger);
             Own(kShield);
         },
         5, false, false},
        {"a shield beside one weapon",
         [] {
             Put(kSlotMainWeapon, kSword);
             Own(kShield);
         },
         5, true, false},
        {"a second weapon, but only the main one in the pack", [] { Put(kSlotMainWeapon, kSword); }, 2, false, false},
        {"a second weapon from the pack",
         [] {
             Put(kSlotMainWeapon, kSword);
             Own(kDagger);
         },
         2, true, false},
        {"arrows are no thrown weapon", [] { Own(kArrows); }, 3, false, false},
        {"darts are", [] { Own(kDarts); }, 3, true, false},
        {"a ring of the left ring's property",
         [] {
             Put(kSlotLeftRing, kAimRing);
             Own(kAimRing);
         },
         13, false, false},
        {"a ring of another property",
         [] {
             Put(kSlotLeftRing, kAimRing);
             Own(kSpeedRing);
         },
         13, true, false},
        {"a known cursed amulet", [] { Own(kLastingAmulet, kCursed); }, 12, false, false},
        {"an unknown cursed amulet", [] { Own(kLastingAmulet, kCursed, 0); }, 12, true, false},
        {"a known cursed amulet for the cursed-item layout", [] { Own(kLastingAmulet, kCursed); }, 13, true, true},
        {"socks", [] { Own(kSocks); }, 19, true, false},
        {"weapons to ready", [] { Own(kSword); }, 22, false, false},
    };
    for (const Case& c : cases) {
        SetUpGearWorld();
        c.pack();
        const std::string screen = Draw(c.cursedLayout);
        EXPECT_EQ(CharAt(c.row, 35), c.star ? '*' : ' ') << c.what << screen;
        if (!c.star) continue;
        EXPECT_EQ(ColourAt(c.row, 35), kLightBlue) << c.what;
    }
}

TEST_F(EquipmentDrawing, WornItemsWithTheirTagsAndColours) {
    Put(kSlotMainWeapon, kBow, kBlessed);
    Put(kSlotThrownWeapon, kDarts);
    player.inventory[1].quantity = 12;
    Put(kSlotHelmet, kHelmet, kCursed);
    Put(kSlotRightRing, kAimRing);
    Put(kSlotLeftRing, kSpeedRing);
    player.identifiedKinds[kAimRing] = 1;
    ShuffleAccessoryNames();
    Put(kSlotMainHandSwap, kSword, kUncursed, 0);
    Put(kSlotSecondHandSwap, kBuckler);
    const std::string screen = Draw();
    EXPECT_EQ(TextAt(1, 30, 2), "2H") << screen;
    EXPECT_EQ(TextAt(1, 33, 14), "long bow 22   ");
    EXPECT_EQ(ColourAt(1, 30), kYellow);
    EXPECT_EQ(ColourAt(1, 33), kYellow);
    EXPECT_EQ(TextAt(3, 30, 10), "dart 12   ");
    EXPECT_EQ(ColourAt(3, 30), kLightBlue);
    EXPECT_EQ(TextAt(10, 30, 16), "iron helmet 24  ");
    EXPECT_EQ(ColourAt(10, 30), kLightRed);
    EXPECT_EQ(TextAt(13, 30, 12), "ring of aim ");
    EXPECT_EQ(TextAt(14, 30, 30), AccessoryAppearanceName(kSpeedRing) + std::string(30 - AccessoryAppearanceName(kSpeedRing).size(), ' '));
    // The hand swap rows: an unknown item dark grey, and no marker.
    EXPECT_EQ(TextAt(22, 30, 20), "1H iron sword 20    ");
    EXPECT_EQ(ColourAt(22, 33), kDarkGrey);
    EXPECT_EQ(TextAt(23, 30, 12), "buckler 16  ");
    EXPECT_EQ(ColourAt(23, 30), kLightBlue);
    EXPECT_EQ(CharAt(1, 0), ' ');

    // On the cursed-item layout the same rows carry no marker.
    Draw(true);
    EXPECT_EQ(TextAt(2, 30, 13), "2H long bow 2");
    EXPECT_EQ(TextAt(2, 33, 12), "long bow 22 ");
    EXPECT_EQ(TextAt(11, 30, 15), "iron helmet 24 ");
}

TEST_F(EquipmentDrawing, ImprovementMarkers) {
    struct Case {
        const char* what;
        std::function<void()> gear;
        int row;
        int column;  // of the marker
        bool marked;
    };
    const Case cases[] = {
        {"two equal swords",
         [] {
             Put(kSlotMainWeapon, kSword);
             Own(kSword);
         },
         1, 33 + 14, false},
        {"a known blessed copy",
         [] {
             Put(kSlotMainWeapon, kSword);
             Own(kSword, kBlessed);
         },
         1, 33 + 14, true},
        {"an unknown blessed copy",
         [] {
             Put(kSlotMainWeapon, kSword);
             Own(kSword, kBlessed, 0);
         },
         1, 33 + 14, false},
        {"a cursed sword against a normal copy",
         [] {
             Put(kSlotMainWeapon, kSword, kCursed);
             Own(kSword);
         },
         1, 33 + 14, true},
        {"a stronger one-handed weapon readied",
         [] {
             Put(kSlotMainWeapon, kDagger);
             Put(kSlotMainHandSwap, kSword);
         },
         1, 33 + 15, false},
        {"a stronger two-handed weapon readied beside a two-handed one",
         [] {
             Put(kSlotMainWeapon, kAxe);
             itemKinds[kDagger].type = kItemWeapon;
             itemKinds[kDagger].subtype = kSubtypeTwoHanded;
             itemKinds[kDagger].power = 11;
             Put(kSlotMainHandSwap, kDagger);
         },
         1, 33 + 13, true},
        {"a wet shirt in the pack against a dry worn one",
         [] {
             Put(kSlotClothShirt, kShirt);
             Own(kShirt, kUncursed, 1, 3);
         },
         16, 30 + 15, false},
        {"a dry shirt in the pack against a wet worn one",
         [] {
             Put(kSlotClothShirt, kShirt, kUncursed, 1, 3);
             Own(kShirt);
         },
         16, 30 + 19, true},  // after "wet linen shirt 18 "
        {"more darts of a stronger kind",
         [] {
             Put(kSlotThrownWeapon, kArrows);
             Own(kDarts);
         },
         3, 30 + 8, true},
    };
    for (const Case& c : cases) {
        SetUpGearWorld();
        c.gear();
        const std::string screen = Draw();
        EXPECT_EQ(CharAt(c.row, c.column), c.marked ? '*' : ' ') << c.what << screen;
    }
}

TEST_F(EquipmentDrawing, ThePickerNamesOnlyCursedWornItems) {
    Put(kSlotThrownWeapon, kDarts, kCursed);
    const int32_t shield = Put(kSlotShield, kShield, kCursed);
    Put(kSlotHelmet, kHelmet, kCursed);
    Put(kSlotChest, kCuirass);
    // q, r and s name nothing, d a normal chest piece, b an empty slot; and the
    // End key, whose code ends in the byte of 'h', names no slot at all.
    Type("qrsdb");
    Press(KEY_END);
    Type("c");
    EXPECT_EQ(player.PickCursedEquippedItem(), shield);
    EXPECT_EQ(TextAt(6, 6, 11), "[c] Shield:");  // not cleared on a choice

    Type("\x1b");
    EXPECT_EQ(player.PickCursedEquippedItem(), -1);
    Type("Z");
    EXPECT_EQ(player.PickCursedEquippedItem(), -1);
    EXPECT_EQ(Row(6), std::string(80, ' '));
}

}  // namespace
