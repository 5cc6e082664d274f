// Putting items into slots and out again: the hand rules, curses, the first
// equip that identifies, the hand swap slots and the worn-curse test.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "items/equip_rules.h"
#include "items/gear_fixture.h"

namespace {

class EquipRules : public ::testing::Test {
protected:
    void SetUp() override { SetUpGearWorld(); }
    void TearDown() override { ResetGameState(); }
};

TEST_F(EquipRules, HandRulesDecideWhetherAnItemGoesIn) {
    struct Case {
        const char* what;
        std::function<void()> wear;
        int32_t kind;
        int32_t result;
        int32_t slot;  // where the item lands when accepted
    };
    const Case cases[] = {
        {"shield, empty hands", [] {}, kShield, 0, kSlotShield},
        {"shield beside a one-handed weapon", [] { Put(kSlotMainWeapon, kSword); }, kShield, 0, kSlotShield},
        {"shield beside a second weapon",
         [] {
             Put(kSlotMainWeapon, kSword);
             Put(kSlotSecondWeapon, kDagger);
         },
         kShield, kSlotRefused, kSlotShield},
        {"shield beside a two-handed weapon", [] { Put(kSlotMainWeapon, kAxe); }, kShield, kSlotRefused, kSlotShield},
        {"shield beside a bow", [] { Put(kSlotMainWeapon, kBow); }, kShield, kSlotRefused, kSlotShield},
        {"two-handed weapon with a shield", [] { Put(kSlotShield, kShield); }, kAxe, kSlotRefused, kSlotMainWeapon},
        {"two-handed weapon with two weapons",
         [] {
             Put(kSlotMainWeapon, kSword);
             Put(kSlotSecondWeapon, kDagger);
         },
         kAxe, kSlotRefused, kSlotMainWeapon},
        {"bow with a shield", [] { Put(kSlotShield, kBuckler); }, kBow, kSlotRefused, kSlotMainWeapon},
        {"one-handed weapon with a shield", [] { Put(kSlotShield, kShield); }, kSword, 0, kSlotMainWeapon},
        {"two-handed weapon replacing a one-handed one", [] { Put(kSlotMainWeapon, kSword); }, kAxe, 0,
         kSlotMainWeapon},
        {"a ring always takes the right hand", [] { Put(kSlotRightRing, kSpeedRing); }, kAimRing, 0, kSlotRightRing},
        {"darts", [] {}, kDarts, 0, kSlotThrownWeapon},
        {"cloth", [] { Put(kSlotChest, kCuirass); }, kShirt, 0, kSlotClothShirt},
        {"potion", [] {}, kPotion, kSlotRefused, -1},
        {"food", [] {}, kFood, kSlotRefused, -1},
    };
    for (const Case& c : cases) {
        SetUpGearWorld();
        c.wear();
        int32_t before[kEquipSlotCount];
        std::copy(std::begin(player.equipSlots), std::end(player.equipSlots), before);
        const int32_t index = Own(c.kind);
        EXPECT_EQ(player.ToggleEquipSlot(index), c.result) << c.what;
        if (c.result == kSlotRefused) {
            EXPECT_TRUE(std::equal(std::begin(before), std::end(before), std::begin(player.equipSlots))) << c.what;
        } else {
            EXPECT_EQ(player.equipSlots[c.slot], index) << c.what;
        }
    }
    EXPECT_EQ(player.ToggleEquipSlot(99), kSlotRefused);
}

TEST_F(EquipRules, CursesHoldAndTheSameItemAgainTakesItOff) {
    const int32_t helmet = Own(kHelmet);
    const int32_t other = Own(kHelmet);
    EXPECT_EQ(player.ToggleEquipSlot(helmet), 0);
    EXPECT_EQ(player.ToggleEquipSlot(other), 0);  // replaced without taking off first
    EXPECT_EQ(player.equipSlots[kSlotHelmet], other);
    EXPECT_EQ(player.ToggleEquipSlot(other), 0);
    EXPECT_EQ(player.equipSlots[kSlotHelmet], kEmptySlot);

    // A known cursed helmet goes on quietly and then stays, also against a replacement.
    const int32_t cursed = Own(kHelmet, kCursed);
    EXPECT_EQ(player.ToggleEquipSlot(cursed), 0);
    EXPECT_EQ(player.ToggleEquipSlot(cursed), kSlotRefused);
    EXPECT_EQ(player.ToggleEquipSlot(helmet), kSlotRefused);
    EXPECT_EQ(player.equipSlots[kSlotHelmet], cursed);
}

TEST_F(EquipRules, TheFirstEquipIdentifiesAndTellsTheBlessing) {
    const int32_t blessed = Own(kCuirass, kBlessed, 0);
    EXPECT_EQ(player.ToggleEquipSlot(blessed), 1);
    EXPECT_EQ(player.inventory[blessed].identified, 1);
    EXPECT_EQ(player.ToggleEquipSlot(blessed), 0);  // off: no identification step
    EXPECT_EQ(player.ToggleEquipSlot(blessed), 0);  // on again: already known
    EXPECT_EQ(player.ToggleEquipSlot(Own(kBoots, kCursed, 0)), -1);
    EXPECT_EQ(player.ToggleEquipSlot(Own(kHelmet, kUncursed, 0)), 0);
}

TEST_F(EquipRules, TakingOffTheMainWeaponHandsItsPlaceToTheSecond) {
    Put(kSlotMainWeapon, kSword);
    const int32_t dagger = Put(kSlotSecondWeapon, kDagger);
    EXPECT_EQ(player.ToggleEquipSlot(player.equipSlots[kSlotMainWeapon]), 0);
    EXPECT_EQ(player.equipSlots[kSlotMainWeapon], dagger);
    EXPECT_EQ(player.equipSlots[kSlotSecondWeapon], kEmptySlot);

    SetUpGearWorld();
    const int32_t cursedSword = Put(kSlotMainWeapon, kSword, kCursed);
    Put(kSlotSecondWeapon, kDagger);
    EXPECT_EQ(player.ToggleEquipSlot(cursedSword), kSlotRefused);
    EXPECT_EQ(player.equipSlots[kSlotMainWeapon], cursedSword);
}

TEST_F(EquipRules, HandSwapSlotsFillAsTheRulesSay) {
    const int32_t sword = Own(kSword);
    const int32_t dagger = Own(kDagger);
    const int32_t axe = Own(kAxe);
    const int32_t buckler = Own(kBuckler, kCursed);  // no curse counts here
    int32_t& mainSwap = player.equipSlots[kSlotMainHandSwap];
    int32_t& secondSwap = player.equipSlots[kSlotSecondHandSwap];

    // A second-hand weapon with nothing readied lands in the main hand swap.
    EXPECT_EQ(player.AssignHandSwap(dagger, true), 0);
    EXPECT_EQ(mainSwap, dagger);
    EXPECT_EQ(player.AssignHandSwap(sword, true), 0);
    EXPECT_EQ(secondSwap, sword);
    EXPECT_EQ(player.AssignHandSwap(sword, true), 0);  // again: out
    EXPECT_EQ(secondSwap, kEmptySlot);
    EXPECT_EQ(player.AssignHandSwap(axe, true), kSlotRefused);  // not one-handed

    // A main-hand weapon while the second swap is empty toggles the main swap.
    EXPECT_EQ(player.AssignHandSwap(axe, false), 0);
    EXPECT_EQ(mainSwap, axe);
    EXPECT_EQ(player.AssignHandSwap(sword, true), kSlotRefused);  // beside a two-handed weapon
    EXPECT_EQ(player.AssignHandSwap(buckler, true), 0);           // a shield goes in whatever
    EXPECT_EQ(secondSwap, buckler);
    EXPECT_EQ(player.AssignHandSwap(axe, false), kSlotRefused);  // the second swap is filled

    // Taking the main swap off: with a shield readied both empty; with a weapon it moves up.
    mainSwap = sword;
    EXPECT_EQ(player.AssignHandSwap(dagger, false), 0);
    EXPECT_EQ(mainSwap, dagger);
    EXPECT_EQ(player.AssignHandSwap(dagger, false), 0);
    EXPECT_EQ(mainSwap, kEmptySlot);
    EXPECT_EQ(secondSwap, kEmptySlot);
    mainSwap = sword;
    secondSwap = dagger;
    EXPECT_EQ(player.AssignHandSwap(sword, false), 0);
    EXPECT_EQ(mainSwap, dagger);
    EXPECT_EQ(secondSwap, kEmptySlot);
    EXPECT_EQ(player.AssignHandSwap(buckler, false), 0);
    EXPECT_EQ(player.AssignHandSwap(buckler, false), 0);
    EXPECT_EQ(secondSwap, kEmptySlot);
}

TEST_F(EquipRules, OnlyWornSlotsCountForCurses) {
    const int32_t darts = Put(kSlotThrownWeapon, kDarts, kCursed);
    Put(kSlotMainHandSwap, kSword, kCursed);
    Put(kSlotSecondHandSwap, kBuckler, kCursed);
    EXPECT_FALSE(player.CursedWornItems(kTestForCurses));
    const int32_t ring = Put(kSlotLeftRing, kAimRing, kCursed);
    const int32_t socks = Put(kSlotClothSocks, kSocks, kCursed);
    EXPECT_TRUE(player.CursedWornItems(kTestForCurses));
    EXPECT_FALSE(player.CursedWornItems(kLiftCurses));
    EXPECT_EQ(player.inventory[ring].blessing, kUncursed);
    EXPECT_EQ(player.inventory[socks].blessing, kUncursed);
    EXPECT_EQ(player.inventory[darts].blessing, kCursed);
    EXPECT_EQ(player.inventory[player.equipSlots[kSlotMainHandSwap]].blessing, kCursed);
    EXPECT_FALSE(player.CursedWornItems(kTestForCurses));
}

TEST_F(EquipRules, TheSecondSlotOfWeaponsAndRings) {
    struct Case {
        const char* what;
        std::function<void()> wear;
        int32_t kind;
    };
    const Case refused[] = {
        {"beside a bow", [] { Put(kSlotMainWeapon, kBow); }, kDagger},
        {"beside a two-handed weapon", [] { Put(kSlotMainWeapon, kAxe); }, kDagger},
        {"with a shield worn",
         [] {
             Put(kSlotMainWeapon, kSword);
             Put(kSlotShield, kShield);
         },
         kDagger},
        {"a two-handed weapon", [] { Put(kSlotMainWeapon, kSword); }, kAxe},
        {"over a cursed second weapon",
         [] {
             Put(kSlotMainWeapon, kSword);
             Put(kSlotSecondWeapon, kDagger, kCursed);
         },
         kSword},
        {"over a cursed left ring", [] { Put(kSlotLeftRing, kAimRing, kCursed); }, kSpeedRing},
    };
    for (const Case& c : refused) {
        SetUpGearWorld();
        c.wear();
        EXPECT_EQ(player.ToggleSecondSlot(Own(c.kind)), kSlotRefused) << c.what;
    }

    SetUpGearWorld();
    const int32_t sword = Own(kSword);
    EXPECT_EQ(player.ToggleSecondSlot(sword), 0);  // empty hands: the main hand
    EXPECT_EQ(player.equipSlots[kSlotMainWeapon], sword);
    EXPECT_EQ(player.ToggleSecondSlot(sword), kSlotRefused);  // the main weapon itself
    const int32_t dagger = Own(kDagger, kBlessed, 0);
    EXPECT_EQ(player.ToggleSecondSlot(dagger), 1);
    EXPECT_EQ(player.equipSlots[kSlotSecondWeapon], dagger);
    const int32_t other = Own(kDagger);
    EXPECT_EQ(player.ToggleSecondSlot(other), 0);  // replaces it
    EXPECT_EQ(player.equipSlots[kSlotSecondWeapon], other);
    EXPECT_EQ(player.ToggleSecondSlot(other), 0);  // and off again
    EXPECT_EQ(player.equipSlots[kSlotSecondWeapon], kEmptySlot);

    const int32_t ring = Own(kAimRing, kBlessed, 0);
    EXPECT_EQ(player.ToggleSecondSlot(ring), 1);
    EXPECT_EQ(player.equipSlots[kSlotLeftRing], ring);
    EXPECT_EQ(player.inventory[ring].identified, 1);
    EXPECT_EQ(player.ToggleSecondSlot(ring), 0);
    EXPECT_EQ(player.ToggleSecondSlot(ring), 0);  // known now
    player.inventory[ring].blessing = kCursed;
    EXPECT_EQ(player.ToggleSecondSlot(ring), kSlotRefused);
    EXPECT_EQ(player.equipSlots[kSlotLeftRing], ring);
}

}  // namespace
