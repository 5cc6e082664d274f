// The readied-weapons swap: what it refuses, and how the hands and the hand
// swap slots trade places.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "items/gear_fixture.h"
#include "support/hand_made_world.h"
#include "support/screen_test.h"

namespace {

class ReadiedWeapons : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        SetUpGearWorld();
    }
};

struct Hands {
    int32_t main, second, shield, mainSwap, secondSwap;  // kinds, -1 for empty
};

Hands HandsNow() {
    return {KindIn(kSlotMainWeapon), KindIn(kSlotSecondWeapon), KindIn(kSlotShield), KindIn(kSlotMainHandSwap),
            KindIn(kSlotSecondHandSwap)};
}

std::string Show(const Hands& h) {
    return std::to_string(h.main) + " " + std::to_string(h.second) + " " + std::to_string(h.shield) + " | " +
           std::to_string(h.mainSwap) + " " + std::to_string(h.secondSwap);
}

void Hold(const Hands& h) {
    const int32_t slots[] = {kSlotMainWeapon, kSlotSecondWeapon, kSlotShield, kSlotMainHandSwap, kSlotSecondHandSwap};
    const int32_t kinds[] = {h.main, h.second, h.shield, h.mainSwap, h.secondSwap};
    for (int k = 0; k < 5; ++k) {
        if (kinds[k] >= 0) Put(slots[k], kinds[k], kUncursed, 0);
    }
}

TEST_F(ReadiedWeapons, HandsAndReadiedGearTradePlaces) {
    struct Case {
        const char* what;
        Hands before;
        Hands after;
    };
    const Case cases[] = {
        {"two weapons for a two-handed one", {kSword, kDagger, -1, kAxe, -1}, {kAxe, -1, -1, kSword, kDagger}},
        {"sword and shield for mace and buckler",
         {kSword, -1, kShield, kDagger, kBuckler},
         {kDagger, -1, kBuckler, kSword, kShield}},
        {"sword and shield for a bow", {kSword, -1, kShield, kBow, -1}, {kBow, -1, -1, kSword, kShield}},
        {"two weapons for weapon and shield",
         {kSword, kDagger, -1, kDagger, kBuckler},
         {kDagger, -1, kBuckler, kSword, kDagger}},
        // Nothing is left to ready beside the shield, so it is not readied at all.
        {"a lone shield for a bow", {-1, -1, kShield, kBow, -1}, {kBow, -1, -1, -1, -1}},
    };
    for (const Case& c : cases) {
        SetUpGearWorld();
        Hold(c.before);
        player.SwapToReadiedWeapons();
        EXPECT_EQ(Show(HandsNow()), Show(c.after)) << c.what;
        EXPECT_EQ(Messages(), "You swap your weapons.") << c.what;
        for (int32_t slot : {kSlotMainWeapon, kSlotSecondWeapon, kSlotShield}) {
            if (player.equipSlots[slot] < 0) continue;
            EXPECT_EQ(player.inventory[player.equipSlots[slot]].identified, 1) << c.what;
        }
    }
}

TEST_F(ReadiedWeapons, SwappingTwiceGivesTheHandsBack) {
    const Hands start = {kSword, kDagger, -1, kDagger, kSword};
    Hold(start);
    player.SwapToReadiedWeapons();
    player.SwapToReadiedWeapons();
    EXPECT_EQ(Show(HandsNow()), Show(start));
    EXPECT_EQ(player.equipSlots[kSlotMainWeapon], 0);
    EXPECT_EQ(player.equipSlots[kSlotMainHandSwap], 2);
}

TEST_F(ReadiedWeapons, CursesInHandOrNothingReadiedRefuse) {
    struct Case {
        const char* what;
        std::function<void()> wear;
        const char* says;
    };
    const Case cases[] = {
        {"nothing readied, cursed main weapon", [] { Put(kSlotMainWeapon, kSword, kCursed); },
         "You haven't readied any weapons!"},
        {"cursed shield",
         [] {
             Put(kSlotShield, kShield, kCursed);
             Put(kSlotMainHandSwap, kAxe);
         },
         "Your shield is cursed!"},
        {"cursed main weapon and shield",
         [] {
             Put(kSlotMainWeapon, kSword, kCursed);
             Put(kSlotShield, kShield, kCursed);
             Put(kSlotMainHandSwap, kAxe);
         },
         "Your main weapon is cursed!"},
        {"cursed second weapon",
         [] {
             Put(kSlotMainWeapon, kSword);
             Put(kSlotSecondWeapon, kDagger, kCursed);
             Put(kSlotSecondHandSwap, kBuckler);
         },
         "Your second weapon is cursed!"},
    };
    for (const Case& c : cases) {
        SetUpGearWorld();
        c.wear();
        const Hands before = HandsNow();
        player.SwapToReadiedWeapons();
        EXPECT_EQ(Messages(), c.says) << c.what;
        EXPECT_EQ(Row(19).substr(0, std::string(c.says).size()), c.says) << c.what;  // shown at once
        EXPECT_EQ(Show(HandsNow()), Show(before)) << c.what;
    }

    // A curse on a readied weapon does not stop the swap; the weapon then holds.
    SetUpGearWorld();
    Hold({kSword, -1, -1, -1, -1});
    Put(kSlotMainHandSwap, kAxe, kCursed, 0);
    player.SwapToReadiedWeapons();
    EXPECT_EQ(KindIn(kSlotMainWeapon), kAxe);
    EXPECT_EQ(player.ToggleEquipSlot(player.equipSlots[kSlotMainWeapon]), -2);
}

}  // namespace
