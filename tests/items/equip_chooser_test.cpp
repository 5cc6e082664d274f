// The chooser of the equipment screen: what each slot's list offers, the rows
// with their letters and colours, the pages of 19 rows, and the choice.
#include <curses.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "items/appearances.h"
#include "items/equip_chooser.h"
#include "items/gear_fixture.h"
#include "support/screen_test.h"

namespace {

class EquipChooser : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        SetUpGearWorld();
    }
    // Runs the list with the arguments until it waits for a key after those typed.
    void Show(int32_t selector, bool alternate, bool thrown, bool second) {
        ASSERT_TRUE(RunUntilItWaitsForAKey([&] { player.ChooseItemToEquip(selector, alternate, thrown, second); }));
    }
};

// The inventory indices a list offers, in order.
std::vector<int32_t> Offered(int32_t selector, bool alternate, bool thrown, bool second) {
    std::vector<int32_t> indices;
    for (const ChooserList& list : ChooserLists(selector, alternate, thrown, second)) {
        for (const ChooserEntry& entry : list.entries) indices.push_back(entry.index);
    }
    return indices;
}

TEST_F(EquipChooser, EachSlotsListOffersWhatMayGoThere) {
    const int32_t sword = Put(kSlotMainWeapon, kSword);
    const int32_t dagger = Put(kSlotSecondWeapon, kDagger);
    const int32_t axe = Put(kSlotMainHandSwap, kAxe);
    const int32_t bow = Own(kBow);
    const int32_t spare = Own(kDagger);
    const int32_t shield = Put(kSlotShield, kShield);
    const int32_t buckler = Put(kSlotSecondHandSwap, kBuckler);
    const int32_t darts = Own(kDarts);
    Own(kArrows);
    const int32_t leftRing = Put(kSlotLeftRing, kAimRing);
    const int32_t sameRing = Own(kAimRing);
    const int32_t otherRing = Own(kSpeedRing);
    const int32_t amulet = Own(kLastingAmulet);
    itemKinds[kLastingAmulet].power = 14;  // the left ring's property
    const int32_t shirt = Own(kShirt);

    using V = std::vector<int32_t>;
    EXPECT_EQ(Offered(1, false, false, false), (V{sword, bow, spare}));  // not the second weapon, nor readied ones
    EXPECT_EQ(Offered(1, false, false, true), (V{dagger, spare}));       // one-handed, not the main weapon
    EXPECT_EQ(Offered(1, true, false, false), (V{axe, bow, spare}));     // readied: nothing in hand
    EXPECT_EQ(Offered(1, true, false, true), (V{spare}));
    EXPECT_EQ(Offered(kSubtypeShield, false, false, false), (V{shield}));  // not the readied buckler
    EXPECT_EQ(Offered(kSubtypeShield, false, false, true), (V{buckler}));  // not the worn shield
    EXPECT_EQ(Offered(kChooseThrown, false, true, false), (V{darts}));     // never arrows
    EXPECT_EQ(Offered(kSubtypeRing, false, false, false), (V{otherRing}));
    EXPECT_EQ(Offered(kSubtypeRing, false, false, true), (V{leftRing, sameRing, otherRing}));
    EXPECT_EQ(Offered(kSubtypeAmulet, false, false, false), (V{}));  // the left ring's property
    itemKinds[kLastingAmulet].power = 7;
    EXPECT_EQ(Offered(kSubtypeAmulet, false, false, false), (V{amulet}));
    EXPECT_EQ(Offered(kSubtypeChest, true, false, false), (V{shirt}));
    EXPECT_EQ(Offered(kSubtypeChest, false, false, false), (V{}));
}

TEST_F(EquipChooser, RowsWithLettersTextsAndColours) {
    Put(kSlotMainWeapon, kSword);
    Own(kBow, kCursed);
    Own(kDagger, kBlessed, 0);
    Show(1, false, false, false);
    EXPECT_EQ(TextAt(0, 14, 46), "    space = exit    red letter = equipped item");
    EXPECT_EQ(TextAt(1, 14, 50), "select the equipped item if you want to unequip it");
    EXPECT_EQ(ColourAt(0, 14), kCyan);
    EXPECT_EQ(CharAt(0, 0), '|');
    EXPECT_EQ(CharAt(1, 79), '|');
    EXPECT_EQ(Row(2), std::string(80, '-'));
    EXPECT_EQ(TextAt(4, 6, 52), "[a] 1H iron sword (Durability: 20/20, Base+: 5.5)   ");
    EXPECT_EQ(ColourAt(4, 6), kGreen);
    EXPECT_EQ(ColourAt(4, 7), kLightRed);  // equipped
    EXPECT_EQ(ColourAt(4, 10), kLightBlue);
    EXPECT_EQ(TextAt(5, 6, 47), "[b] 2H long bow (Durability: 22/22, Base+: 5.0)");
    EXPECT_EQ(ColourAt(5, 7), kLightGreen);
    EXPECT_EQ(ColourAt(5, 10), kLightRed);  // known cursed
    EXPECT_EQ(ColourAt(6, 10), kDarkGrey);  // not known yet

    SetUpGearWorld();
    Put(kSlotShield, kShield, kBlessed);
    Show(kSubtypeShield, false, false, false);
    EXPECT_EQ(TextAt(4, 10, 49), "kite shield (Durability: 28/28, Base+: 3)        ");  // half of 7
    EXPECT_EQ(ColourAt(4, 10), kYellow);

    SetUpGearWorld();
    Own(kDarts);
    player.inventory[0].quantity = 12;
    Show(kChooseThrown, false, true, false);
    EXPECT_EQ(TextAt(4, 10, 31), "dart (Quantity: 12, Base+: 3.0)");

    SetUpGearWorld();
    ShuffleAccessoryNames();
    Own(kSpeedRing);
    Own(kAimRing);
    player.identifiedKinds[kAimRing] = 1;
    Show(kSubtypeRing, false, false, false);
    const std::string look = AccessoryAppearanceName(kSpeedRing);
    EXPECT_EQ(TextAt(4, 10, static_cast<int>(look.size())), look);
    EXPECT_EQ(TextAt(5, 10, 12), "ring of aim ");
}

TEST_F(EquipChooser, ChoosingPutsOnTakesOffAndTellsFirstBlessings) {
    const int32_t helmet = Own(kHelmet, kBlessed, 0);
    Type("a");
    EXPECT_EQ(player.ChooseItemToEquip(kSubtypeHelmet, false, false, false), 1);
    EXPECT_EQ(player.equipSlots[kSlotHelmet], helmet);
    Type("a");  // the red letter: off again
    EXPECT_EQ(player.ChooseItemToEquip(kSubtypeHelmet, false, false, false), 0);
    EXPECT_EQ(player.equipSlots[kSlotHelmet], kEmptySlot);
    Type("a");
    EXPECT_EQ(player.ChooseItemToEquip(kSubtypeHelmet, false, false, false), 0);  // known now

    Own(kBoots, kCursed, 0);
    Type("a");
    EXPECT_EQ(player.ChooseItemToEquip(kSubtypeBoots, false, false, false), -1);

    // The hand swaps never identify.
    const int32_t sword = Own(kSword, kBlessed, 0);
    Type("a");
    EXPECT_EQ(player.ChooseItemToEquip(1, true, false, false), 0);
    EXPECT_EQ(player.equipSlots[kSlotMainHandSwap], sword);
    EXPECT_EQ(player.inventory[sword].identified, 0);

    // A left ring through the second slot.
    const int32_t ring = Own(kAimRing, kBlessed, 0);
    Type("a");
    EXPECT_EQ(player.ChooseItemToEquip(kSubtypeRing, false, false, true), 1);
    EXPECT_EQ(player.equipSlots[kSlotLeftRing], ring);

    // The screen is clear afterwards.
    EXPECT_EQ(Row(4), std::string(80, ' '));
}

TEST_F(EquipChooser, RefusalsEmptyListsAndKeysThatChooseNothing) {
    Put(kSlotShield, kShield);
    Own(kAxe);
    Type("a");
    EXPECT_TRUE(RunUntilItWaitsForAKey([] { player.ChooseItemToEquip(1, false, false, false); }));
    EXPECT_EQ(TextAt(11, 6, 67), "Couldn't equip the item. You can't wield that many items at a time.");
    EXPECT_EQ(TextAt(12, 34, 11), "Press a key");
    EXPECT_EQ(ColourAt(11, 6), kRed);
    Type("ax");
    EXPECT_EQ(player.ChooseItemToEquip(1, false, false, false), 0);
    EXPECT_EQ(player.equipSlots[kSlotMainWeapon], kEmptySlot);

    Show(kSubtypeChest, false, false, false);
    EXPECT_EQ(TextAt(10, 30, 22), "No items of that type!");
    EXPECT_EQ(TextAt(11, 34, 11), "Press a key");
    EXPECT_EQ(ColourAt(10, 30), kRed);

    // Letters past the list, capitals, and a key whose code ends in the byte of 'a'
    // (Page Down is 338, 0x152; Home 262) choose nothing; the exits leave.
    for (int key : {KEY_NPAGE, KEY_HOME}) {
        Type("b");
        Press(key);
        Type("A");
        EXPECT_TRUE(RunUntilItWaitsForAKey([] { player.ChooseItemToEquip(1, false, false, false); }));
        EXPECT_EQ(player.equipSlots[kSlotMainWeapon], kEmptySlot);
    }
    for (const char* exit : {"\x1b", " ", "`", "z"}) {
        Type(exit);
        EXPECT_EQ(player.ChooseItemToEquip(1, false, false, false), 0) << exit;
        EXPECT_EQ(Row(4), std::string(80, ' '));
    }
}

TEST_F(EquipChooser, NineteenRowsAPageAndLettersThatStayValid) {
    for (int i = 0; i < 19; ++i) Own(kHelmet);
    Show(kSubtypeHelmet, false, false, false);
    EXPECT_EQ(TextAt(22, 6, 3), "[s]");
    EXPECT_EQ(Row(24), std::string(80, ' '));  // 19: one page, no message

    const int32_t twentieth = Own(kHelmet);
    Show(kSubtypeHelmet, false, false, false);
    EXPECT_EQ(TextAt(24, 25, 36), "Remember the items, new page coming.");
    EXPECT_EQ(ColourAt(24, 25), kLightCyan);
    Type("x");  // any key turns the page
    Show(kSubtypeHelmet, false, false, false);
    EXPECT_EQ(TextAt(4, 6, 3), "[t]");
    EXPECT_EQ(Row(5).substr(6, 3), "   ");
    EXPECT_EQ(TextAt(0, 14, 10), "    space ");
    Type("xb");  // a letter of the first page
    EXPECT_EQ(player.ChooseItemToEquip(kSubtypeHelmet, false, false, false), 0);
    EXPECT_EQ(player.equipSlots[kSlotHelmet], 1);
    Type("xt");
    player.ChooseItemToEquip(kSubtypeHelmet, false, false, false);
    EXPECT_EQ(player.equipSlots[kSlotHelmet], twentieth);
}

TEST_F(EquipChooser, ZLeavesAShortListAndChoosesTheTwentySixthRow) {
    for (int i = 0; i < 25; ++i) Own(kSword);
    Type("xz");
    EXPECT_EQ(player.ChooseItemToEquip(1, false, false, false), 0);
    EXPECT_EQ(player.equipSlots[kSlotMainWeapon], kEmptySlot);
    const int32_t last = Own(kSword);
    Type("xz");
    player.ChooseItemToEquip(1, false, false, false);
    EXPECT_EQ(player.equipSlots[kSlotMainWeapon], last);
}

TEST_F(EquipChooser, RowsPastTheLastLetterAreListedWithoutOne) {
    for (int i = 0; i < 40; ++i) Own(kSword);
    Type("xx");  // two pages turned: rows 39 and 40 stand on the third
    Show(1, false, false, false);
    EXPECT_EQ(TextAt(4, 6, 3), "[ ]");
    EXPECT_EQ(TextAt(4, 10, 11), "1H iron swo");
    Type("xx~");  // '~' is the 30th row's letter
    player.ChooseItemToEquip(1, false, false, false);
    EXPECT_EQ(player.equipSlots[kSlotMainWeapon], 29);
}

}  // namespace
