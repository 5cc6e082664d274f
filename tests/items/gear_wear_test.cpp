// Worn gear wearing out: the odds, what the floor and the prefixes change,
// the warning at 1, and breaking with the removal of the broken piece.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "floors/floor_feelings.h"
#include "items/gear_fixture.h"
#include "items/item_names.h"
#include "support/hand_made_world.h"
#include "support/screen_test.h"
#include "world/floor.h"

namespace {

using Draws = std::function<bool(RandomMother&)>;

class GearWear : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        SetUpGearWorld();
    }

    // Seeds the generator with the first seed whose draws fit, and keeps a copy
    // that has made those draws, to tell how many the code under test made.
    void SeedFor(const Draws& fits) {
        const uint32_t seed = FindSeed(fits);
        ASSERT_NE(seed, 0u);
        rng.RandomInit(seed);
        replay.RandomInit(seed);
        fits(replay);
    }
    // True when the code made exactly the draws of the seed's test.
    bool DrewExactlyThose() { return rng.BRandom() == replay.BRandom(); }

    RandomMother replay;
};

Draws Rolls(std::vector<std::pair<int32_t, bool>> wanted) {
    return [wanted](RandomMother& g) {
        for (const auto& [n, zero] : wanted) {
            const int32_t roll = g.Random(n);
            if ((roll == 0) != zero) return false;
        }
        return true;
    };
}

// One draw that is 0 out of `first` but not out of `second`.
Draws ZeroOutOfOnlyTheFirst(int32_t first, int32_t second) {
    return [first, second](RandomMother& g) {
        RandomMother copy = g;
        const int32_t ofFirst = g.Random(first);
        const int32_t ofSecond = copy.Random(second);
        return ofFirst == 0 && ofSecond != 0;
    };
}

TEST_F(GearWear, OneWearEventOfArmour) {
    struct Case {
        const char* what;
        int32_t durability;
        int32_t blessing;
        int32_t prefix;
        int32_t feeling;
        std::vector<std::pair<int32_t, bool>> draws;  // (n, whether Random(n) is 0), in order
        int32_t after;
        const char* says;
    };
    const Case cases[] = {
        {"ordinary", 5, kUncursed, -1, kFeelingNone, {{21, true}}, 4, ""},
        {"no wear", 5, kBlessed, -1, kFeelingNone, {{21, false}}, 5, ""},
        {"worn-out floor takes two", 3, kUncursed, -1, kFeelingWornOut, {{21, true}, {3, true}}, 1,
         "Your iron breastplate is about to break down. Press space."},
        {"worn-out floor, roll failed", 3, kUncursed, -1, kFeelingWornOut, {{21, true}, {3, false}}, 2, ""},
        {"hard snow gives it back", 1, kUncursed, -1, kFeelingHardSnow, {{21, true}, {3, true}}, 1, ""},
        {"at 1 it breaks without a warning", 1, kUncursed, -1, kFeelingHardSnow, {{21, true}, {3, false}}, 0,
         "Your iron breastplate is torn into pieces! Press space."},
        {"sturdy, no floor effect", 4, kUncursed, kPrefixSturdy, kFeelingNone, {{21, true}, {3, true}}, 4, ""},
        {"sturdy skipped when the floor wore it", 4, kUncursed, kPrefixSturdy, kFeelingWornOut,
         {{21, true}, {3, true}}, 2, ""},
        {"sturdy counts when the floor roll failed", 4, kUncursed, kPrefixSturdy, kFeelingWornOut,
         {{21, true}, {3, false}, {3, true}}, 4, ""},
        {"fragile", 3, kUncursed, kPrefixFragile, kFeelingNone, {{21, true}, {3, true}}, 1,
         "Your %s is about to break down. Press space."},
    };
    for (const Case& c : cases) {
        SetUpGearWorld();
        messageLog = MessageLog();
        floorArray[0].feeling = c.feeling;
        const int32_t index = Put(kSlotChest, kCuirass, c.blessing, 1, c.prefix);
        player.inventory[index].durability = c.durability;
        SeedFor(Rolls(c.draws));
        if (std::string(c.says) != "") Type(" ");
        player.WearArmour();
        if (c.after > 0) {
            EXPECT_EQ(player.inventory[index].durability, c.after) << c.what;
        } else {
            EXPECT_TRUE(player.inventory.empty()) << c.what;
            EXPECT_EQ(player.equipSlots[kSlotChest], kEmptySlot) << c.what;
        }
        // The name shows the prefix of the identified piece.
        std::string says = c.says;
        if (const std::size_t at = says.find("%s"); at != std::string::npos) {
            says.replace(at, 2, ItemKindDisplayName(kCuirass, kPrefixFragile, 1));
        }
        EXPECT_EQ(Messages(), says) << c.what;
        EXPECT_TRUE(DrewExactlyThose()) << c.what;
    }
}

TEST_F(GearWear, CursedGearWearsOneTimeInTenAndBlessedAsOrdinary) {
    // A draw that is 0 out of 10 but not out of 20 (nor out of 21).
    const Draws between = ZeroOutOfOnlyTheFirst(10, 20);
    for (int32_t blessing : {kCursed, kUncursed, kBlessed}) {
        SetUpGearWorld();
        const int32_t helmet = Put(kSlotHelmet, kHelmet, blessing);
        SeedFor(between);
        player.WearArmour();
        EXPECT_EQ(player.inventory[helmet].durability, blessing == kCursed ? 23 : 24) << blessing;
    }
}

TEST_F(GearWear, WeaponsWearOneTimeInTwentyArmourInTwentyOne) {
    const Draws ofTwentyNotTwentyOne = ZeroOutOfOnlyTheFirst(20, 21);
    const int32_t sword = Put(kSlotMainWeapon, kSword);
    const int32_t boots = Put(kSlotBoots, kBoots);
    SeedFor(ofTwentyNotTwentyOne);
    player.WearWeapons(false);
    EXPECT_EQ(player.inventory[sword].durability, 19);
    SeedFor(ofTwentyNotTwentyOne);
    player.WearArmour();
    EXPECT_EQ(player.inventory[boots].durability, 24);
}

TEST_F(GearWear, ClothesUnderArmourAndTheLastingAmuletWearLess) {
    const int32_t shirt = Put(kSlotClothShirt, kShirt);
    // Covered: a coin for the armour over it, then the wear roll.
    Put(kSlotChest, kCuirass);
    SeedFor(Rolls({{2, false}, {17, true}}));
    player.WearClothes();
    EXPECT_EQ(player.inventory[shirt].durability, 18);
    EXPECT_TRUE(DrewExactlyThose());
    SeedFor(Rolls({{2, true}, {17, true}}));
    player.WearClothes();
    EXPECT_EQ(player.inventory[shirt].durability, 17);

    // With the amulet its coin is tossed too, even when the armour's coin already spared the shirt.
    Put(kSlotAmulet, kLastingAmulet);
    SeedFor(Rolls({{2, false}, {2, true}, {17, true}}));
    player.WearClothes();
    EXPECT_EQ(player.inventory[shirt].durability, 17);
    EXPECT_TRUE(DrewExactlyThose());
    SeedFor(Rolls({{2, true}, {2, false}, {17, true}}));
    player.WearClothes();
    EXPECT_EQ(player.inventory[shirt].durability, 17);
    SeedFor(Rolls({{2, true}, {2, true}, {17, true}}));
    player.WearClothes();
    EXPECT_EQ(player.inventory[shirt].durability, 16);

    // The amulet spares armour and weapons by its coin as well.
    const int32_t sword = Put(kSlotMainWeapon, kSword);
    SeedFor(Rolls({{2, false}, {20, true}}));
    player.WearWeapons(false);
    EXPECT_EQ(player.inventory[sword].durability, 20);
    EXPECT_TRUE(DrewExactlyThose());
}

TEST_F(GearWear, NamesEndingInSTakeAre) {
    const int32_t boots = Put(kSlotBoots, kBoots);
    player.inventory[boots].durability = 2;
    SeedFor(Rolls({{21, true}}));
    Type(" ");
    player.WearArmour();
    EXPECT_EQ(Messages(), "Your leather boots are about to break down. Press space.");
    EXPECT_EQ(Row(19).substr(0, 55), "Your leather boots are about to break down. Press space");
    messageLog = MessageLog();
    SeedFor(Rolls({{21, true}}));
    Type(" ");
    player.WearArmour();
    EXPECT_EQ(Messages(), "Your leather boots are torn into pieces! Press space.");
}

TEST_F(GearWear, ABrokenPieceLeavesEverySlotOnItsOwnItem) {
    Put(kSlotHelmet, kHelmet);
    const int32_t cuirass = Put(kSlotChest, kCuirass);
    Put(kSlotMainWeapon, kSword);
    Put(kSlotClothShirt, kShirt);
    Own(kPotion);
    Put(kSlotBoots, kBoots);
    player.inventory[cuirass].durability = 1;
    player.strength = 12;
    player.RecomputePlayerStats();
    const int32_t weightBefore = player.carriedWeight;
    SeedFor(Rolls({{21, true}, {21, false}, {21, false}}));  // chest, helmet, boots
    Type(" ");
    player.WearArmour();
    EXPECT_EQ(player.inventory.size(), 5u);
    EXPECT_EQ(KindIn(kSlotChest), -1);
    EXPECT_EQ(KindIn(kSlotHelmet), kHelmet);
    EXPECT_EQ(KindIn(kSlotMainWeapon), kSword);
    EXPECT_EQ(KindIn(kSlotClothShirt), kShirt);
    EXPECT_EQ(KindIn(kSlotBoots), kBoots);
    EXPECT_EQ(player.carriedWeight, weightBefore - 1);
    EXPECT_TRUE(DrewExactlyThose());
}

TEST_F(GearWear, WeaponsAreCutInHalfAndTheSecondTakesTheMainHand) {
    Put(kSlotMainWeapon, kSword);
    Put(kSlotSecondWeapon, kDagger);
    player.inventory[0].durability = 1;
    player.inventory[1].durability = 2;
    SeedFor(Rolls({{20, true}}));
    Type(" ");
    player.WearWeapons(false);
    EXPECT_EQ(Messages(), "Your iron sword is cut in half! Press space.");
    EXPECT_EQ(KindIn(kSlotMainWeapon), kDagger);
    EXPECT_EQ(KindIn(kSlotSecondWeapon), -1);

    // The second hand is empty now: nothing happens, and nothing is drawn.
    SeedFor(Rolls({}));
    player.WearWeapons(true);
    EXPECT_TRUE(DrewExactlyThose());

    // "is" whatever the name; a broken second weapon leaves the main hand alone.
    SetUpGearWorld();
    messageLog = MessageLog();
    itemKinds[kDagger].name[0] = 0;
    std::strcpy(itemKinds[kDagger].name, "twin claws");
    Put(kSlotMainWeapon, kSword);
    Put(kSlotSecondWeapon, kDagger);
    player.inventory[1].durability = 2;
    SeedFor(Rolls({{20, true}}));
    Type(" ");
    player.WearWeapons(true);
    EXPECT_EQ(Messages(), "Your twin claws is about to break down. Press space.");
    SeedFor(Rolls({{20, true}}));
    Type(" ");
    player.WearWeapons(true);
    EXPECT_EQ(KindIn(kSlotMainWeapon), kSword);
    EXPECT_EQ(KindIn(kSlotSecondWeapon), -1);
}

TEST_F(GearWear, NoSlotGoesOnNamingTheEntryAfterABrokenOne) {
    // A main weapon that is also readied (as an old kit could leave it): when it
    // breaks, the readied slot empties instead of naming whatever came next.
    const int32_t axe = Put(kSlotMainWeapon, kAxe);
    player.equipSlots[kSlotMainHandSwap] = axe;
    Own(kBow);
    player.inventory[axe].durability = 1;
    SeedFor(Rolls({{20, true}}));
    Type(" ");
    player.WearWeapons(false);
    EXPECT_EQ(player.equipSlots[kSlotMainWeapon], kEmptySlot);
    EXPECT_EQ(player.equipSlots[kSlotMainHandSwap], kEmptySlot);
    ASSERT_EQ(player.inventory.size(), 1u);
    EXPECT_EQ(player.inventory[0].kind, kBow);
}

}  // namespace
