// Where a shot or thrown missile comes down, and when it is lost.
#include <gtest/gtest.h>

#include "item_use/ranged_fixture.h"
#include "skills/skill_def.h"

using namespace ranged;

namespace {

using MissileLandingTest = ConditionTest;

// The first seed whose first Random(n) is at least 2 (the missile survives) or below 2 (it breaks).
void SeedLanding(bool survives, int32_t n = 10) {
    fight::SeedFor([&](RandomMother& r) { return (r.Random(n) >= 2) == survives; });
}

TEST_F(MissileLandingTest, ASurvivingMissileJoinsItsKindOrStartsAnEntryAtTheEnd) {
    DefineRangedKinds();
    Tile& tile = floorArray[0].At(12, 10);
    tile.items.push_back(Lying(kDartKind, 1));
    tile.items.push_back(Lying(kArrowKind, 10));
    SeedLanding(true);
    player.LandMissile(12, 10, kArrowKind, false);
    EXPECT_EQ(tile.items.size(), 2u);
    EXPECT_EQ(tile.items[1].quantity, 11);

    Tile& bare = floorArray[0].At(13, 10);
    bare.items.push_back(Lying(kDartKind, 1));
    SeedLanding(true);
    player.LandMissile(13, 10, kArrowKind, false);
    ASSERT_EQ(bare.items.size(), 2u);
    const ItemData& landed = bare.items[1];
    EXPECT_EQ(landed.kind, kArrowKind);
    EXPECT_EQ(landed.quantity, 1);
    EXPECT_EQ(landed.durability, kNoDurability);
    EXPECT_EQ(landed.prefix, kNoPrefix);
    EXPECT_EQ(landed.blessing, kUncursed);
    EXPECT_EQ(landed.identified, 0);
}

TEST_F(MissileLandingTest, ARollOfZeroOrOneBreaksItUnlessKept) {
    DefineRangedKinds();
    SeedLanding(false);
    player.LandMissile(12, 10, kArrowKind, false);
    EXPECT_EQ(LyingOn(12, 10, kArrowKind), 0);
    SeedLanding(false);
    player.LandMissile(12, 10, kArrowKind, true);
    EXPECT_EQ(LyingOn(12, 10, kArrowKind), 1);
}

TEST_F(MissileLandingTest, TheLastingAmuletDrawsFromFifteen) {
    DefineRangedKinds();
    conditions::WearAccessory(kSlotAmulet, kPropertyLastingArrows);
    // A roll of 10 to 14 exists only out of fifteen: the missile survives it.
    fight::SeedFor([](RandomMother& r) { return r.Random(15) >= 10; });
    player.LandMissile(12, 10, kArrowKind, false);
    EXPECT_EQ(LyingOn(12, 10, kArrowKind), 1);
}

TEST_F(MissileLandingTest, AFullSquareOrAPenetratingShotLosesIt) {
    DefineRangedKinds();
    Tile& tile = floorArray[0].At(12, 10);
    for (int32_t i = 0; i < kMaxTileItems - 1; ++i) tile.items.push_back(Lying(kDartKind, 1));
    SeedLanding(true);
    player.LandMissile(12, 10, kArrowKind, true);
    EXPECT_EQ(tile.items.size(), static_cast<size_t>(kMaxTileItems));
    player.LandMissile(12, 10, kArrowKind, true);
    EXPECT_EQ(tile.items.size(), static_cast<size_t>(kMaxTileItems));

    // Under a penetrating shot nothing is drawn at all.
    player.preparedSkill = kSkillPenetratingShot;
    rng.RandomInit(7);
    RandomMother fresh;
    fresh.RandomInit(7);
    player.LandMissile(13, 10, kArrowKind, true);
    EXPECT_EQ(LyingOn(13, 10, kArrowKind), 0);
    EXPECT_EQ(rng.Random(1000), fresh.Random(1000));
}

}  // namespace
