// The equipment screen's keys: leaving, the refusals of the hands and of
// curses, the notices of a first equip, the swap question and the result that
// tells whether the visit used the turn.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "items/gear_fixture.h"
#include "support/screen_test.h"

namespace {

class EquipmentScreen : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        SetUpGearWorld();
    }
    // The message area right of the slots, rows 16 to 19.
    std::vector<std::string> MessageArea() const {
        std::vector<std::string> rows;
        for (int row = 16; row <= 19; ++row) rows.push_back(TextAt(row, 59, 20));
        return rows;
    }
    static std::string Padded(const std::string& text) { return text + std::string(20 - text.size(), ' '); }
};

TEST_F(EquipmentScreen, LeavingAtOnceUsesNoTurnButAnyListOpenedDoes) {
    for (const char* key : {"\x1b", "`", "z", "Z"}) {
        Type(key);
        EXPECT_EQ(player.EquipmentScreen(true, 0), 0) << key;
    }
    Type("e z");  // the chest list, empty: a key; then leave
    EXPECT_EQ(player.EquipmentScreen(true, 0), 1);
    Own(kSword);
    Type("r z");  // the main hand swap list, left without a choice
    EXPECT_EQ(player.EquipmentScreen(true, 0), 1);
    EXPECT_EQ(player.equipSlots[kSlotMainHandSwap], kEmptySlot);
}

TEST_F(EquipmentScreen, TheDeadMayOnlyLook) {
    Own(kSword);
    player.hp = 0;
    Type("a");
    EXPECT_TRUE(RunUntilItWaitsForAKey([] { player.EquipmentScreen(true, 0); }));
    EXPECT_EQ(TextAt(1, 6, 16), "[a] Main weapon:");  // no list opened
    Type("a`");
    EXPECT_EQ(player.EquipmentScreen(true, 0), 1);
    EXPECT_EQ(player.equipSlots[kSlotMainWeapon], kEmptySlot);
}

TEST_F(EquipmentScreen, RefusalsWaitForSpaceAndOpenNoList) {
    struct Case {
        const char* what;
        std::function<void()> wear;
        const char* key;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"second weapon, empty hands", [] {}, "b", {"Fill the other", "weapon slot first.", "   (Press space)"}},
        {"second weapon beside a two-handed one",
         [] { Put(kSlotMainWeapon, kAxe, kCursed); },
         "b",
         {"You already wield", "a two handed weapon!", "   (Press space)"}},
        {"second weapon beside a shield",
         [] {
             Put(kSlotMainWeapon, kSword);
             Put(kSlotShield, kShield);
         },
         "b",
         {"You already use", "a shield!", "   (Press space)"}},
        {"a cursed second weapon, once the hands allow it",
         [] {
             Put(kSlotMainWeapon, kSword);
             Put(kSlotSecondWeapon, kDagger, kCursed);
         },
         "b",
         {"That item is cursed!", "You can't remove it.", "   (Press space)"}},
        {"shield beside a bow",
         [] { Put(kSlotMainWeapon, kBow); },
         "d",
         {"You already wield", "a two handed weapon!", "   (Press space)"}},
        {"shield beside two weapons",
         [] {
             Put(kSlotMainWeapon, kSword);
             Put(kSlotSecondWeapon, kDagger);
         },
         "d",
         {"You already wield", "two weapons!", "   (Press space)"}},
        {"a cursed main weapon", [] { Put(kSlotMainWeapon, kSword, kCursed); }, "a",
         {"That item is cursed!", "You can't remove it.", "   (Press space)"}},
        {"an empty shirt slot under cursed armour",
         [] { Put(kSlotChest, kCuirass, kCursed); },
         "m",
         {"That slot is blocked", "by the cursed armor", "worn over it!", "   (Press space)"}},
        {"a cursed cap under a normal helmet",
         [] {
             Put(kSlotHelmet, kHelmet);
             Put(kSlotClothCap, kShirt, kCursed);
         },
         "q",
         {"That item is cursed!", "You can't remove it.", "   (Press space)"}},
        {"readying beside nothing", [] {}, "s", {"Fill the other swap", "slot first.", "   (Press space)"}},
        {"readying beside a readied bow",
         [] { Put(kSlotMainHandSwap, kBow, kCursed); },
         "s",
         {"You already readied", "a two handed weapon!", "   (Press space)"}},
    };
    for (const Case& c : cases) {
        SetUpGearWorld();
        c.wear();
        Type(std::string(c.key) + "x");  // any key but space leaves the refusal standing
        EXPECT_TRUE(RunUntilItWaitsForAKey([] { player.EquipmentScreen(true, 0); })) << c.what;
        std::vector<std::string> expected;
        for (const std::string& line : c.lines) expected.push_back(Padded(line));
        while (expected.size() < 4) expected.push_back(Padded(""));
        EXPECT_EQ(MessageArea(), expected) << c.what << Dump();
        EXPECT_EQ(ColourAt(16, 59), kRed) << c.what;

        Type(std::string(c.key) + " z");
        EXPECT_EQ(player.EquipmentScreen(true, 0), 0) << c.what;  // no list was opened
        EXPECT_EQ(MessageArea(), std::vector<std::string>(4, Padded(""))) << c.what;
    }
}

TEST_F(EquipmentScreen, CursesNeverStopTheThrownWeaponOrTheHandSwaps) {
    Put(kSlotThrownWeapon, kDarts, kCursed);
    Put(kSlotMainHandSwap, kSword, kCursed);
    Own(kDagger);
    Type("c");
    EXPECT_TRUE(RunUntilItWaitsForAKey([] { player.EquipmentScreen(true, 0); }));
    EXPECT_EQ(TextAt(1, 14, 50), "select the equipped item if you want to unequip it");
    Type("c ");  // the list of thrown weapons, left
    Type("r ");  // the main hand swap list, left
    Type("s?ws z");  // the question ignores other keys; w opens the one-handed list
    EXPECT_EQ(player.EquipmentScreen(true, 0), 1);
}

TEST_F(EquipmentScreen, TheSwapQuestion) {
    Put(kSlotMainHandSwap, kSword);
    Type("s");
    EXPECT_TRUE(RunUntilItWaitsForAKey([] { player.EquipmentScreen(true, 0); }));
    EXPECT_EQ(MessageArea(), (std::vector<std::string>{Padded("Would you ready a"), Padded("one-handed (w)eapon"),
                                                       Padded("or a (s)hield?"), Padded("")}));
    EXPECT_EQ(ColourAt(16, 59), kLightCyan);
    const int32_t buckler = Own(kBuckler);
    Type("ssaz");  // a shield, the first of the list
    EXPECT_EQ(player.EquipmentScreen(true, 0), 1);
    EXPECT_EQ(player.equipSlots[kSlotSecondHandSwap], buckler);
}

TEST_F(EquipmentScreen, AFirstEquipTellsABlessingOrACurseUntilTheNextKey) {
    Own(kCuirass, kBlessed, 0);
    Type("ea");
    EXPECT_TRUE(RunUntilItWaitsForAKey([] { player.EquipmentScreen(true, 0); }));
    EXPECT_EQ(MessageArea(), (std::vector<std::string>{Padded("A blessed item! It's"), Padded("better than a normal"),
                                                       Padded("item of its kind."), Padded("")}));
    EXPECT_EQ(ColourAt(16, 59), kLightCyan);
    EXPECT_EQ(TextAt(6, 30, 21), "iron breastplate 24  ");
    EXPECT_EQ(ColourAt(6, 30), kYellow);

    Own(kHelmet, kCursed, 0);
    Type("ia");
    EXPECT_TRUE(RunUntilItWaitsForAKey([] { player.EquipmentScreen(true, 0); }));
    EXPECT_EQ(MessageArea(), (std::vector<std::string>{Padded("A cursed item! It's"), Padded("worse than a normal"),
                                                       Padded("one, and you can't"), Padded("unequip it!")}));
    Type("x");  // a key that does nothing erases the notice
    EXPECT_TRUE(RunUntilItWaitsForAKey([] { player.EquipmentScreen(false, -1); }));
    EXPECT_EQ(MessageArea(), std::vector<std::string>(4, Padded("")));
    Type("z");
    EXPECT_EQ(player.EquipmentScreen(false, 0), 1);  // a visit that goes on after a list
}

}  // namespace
