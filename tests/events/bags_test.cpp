// Bags: loot, a booby trap or the bait of an ambush, and only once.
#include "events/feature_fixture.h"

namespace {

using namespace conditions;
using namespace features;
using fight::SeedFor;

// Opens a fresh bag whose two outcome draws are these.
void OpenBagWith(int32_t threeWays, int32_t twoWays) {
    PlaceFeature(kBagGlyph, kFeatureUnused, kBrown);
    SeedFor([=](RandomMother& r) { return r.Random(3) == threeWays && r.Random(2) == twoWays; });
    EXPECT_EQ(player.UseDungeonFeature(), 1);
    EXPECT_EQ(Here().featureState, kFeatureSpent);
    EXPECT_EQ(Here().glyph, kBagGlyph);
}

TEST_F(FeatureTest, TheOutcomeDrawsChooseLootTrapOrBait) {
    struct Case {
        int32_t threeWays;
        int32_t twoWays;
        const char* said;
    };
    const Case cases[] = {
        {0, 0, "You carefully open the bag and reveal "},
        {1, 1, "You carefully open the bag and reveal "},
        {2, 0, "You carefully open the bag and reveal "},
        {0, 1, "the bag explodes in front of you!"},
        {2, 1, "Surprisingly the bag is empty!"},
    };
    for (const Case& c : cases) {
        ResetGameState();
        PrepareConditions();
        PrepareFeatureFloor(0, kStoneWalls);
        WallIn();  // no room for an ambush
        player.hp = 50;
        OpenBagWith(c.threeWays, c.twoWays);
        EXPECT_TRUE(Says(c.said)) << c.threeWays << c.twoWays << ": " << Messages();
    }
}

TEST_F(FeatureTest, MoneyFromABagGrowsWithTheDepth) {
    // With no item kinds in play the loot is always money: exactly 6 on floor 3.
    // The money is counted wherever it ended up: on the tile, or picked up at once.
    PrepareFeatureFloor(3, kStoneWalls);
    player.gold = 0;
    OpenBagWith(1, 0);
    EXPECT_EQ(Here().gold + player.gold, 6);
    EXPECT_TRUE(Says("You carefully open the bag and reveal some money."));

    PrepareFeatureFloor(10, kStoneWalls);
    PlaceFeature(kBagGlyph, kFeatureUnused, kBrown);
    // Loot: 3 x 10 + 6 and up to 30 more on floor 10.
    SeedFor([](RandomMother& r) { return r.Random(3) == 1 && r.Random(2) == 0; });
    player.gold = 0;
    player.UseDungeonFeature();
    EXPECT_GE(Here().gold + player.gold, 36);
    EXPECT_LE(Here().gold + player.gold, 66);
}

TEST_F(FeatureTest, ALootedItemIsNamedAndLaidOnTheTile) {
    DefineKind(40, kItemFood, 0, "frozen apple");
    itemKinds[40].depthLevel = 0;
    // Loot, on the first seed whose kind draw then finds the apple.
    for (uint32_t from = 1; from < 200 && Here().items.empty(); ++from) {
        PlaceFeature(kBagGlyph, kFeatureUnused, kBrown);
        rng.RandomInit(FindSeed([](RandomMother& r) { return r.Random(3) == 1 && r.Random(2) == 0; }, from));
        player.UseDungeonFeature();
    }
    ASSERT_EQ(Here().items.size(), 1u);
    EXPECT_TRUE(Says("You carefully open the bag and reveal a frozen apple."));
}

TEST_F(FeatureTest, TheBoobyTrapBurnsConfusesAndWounds) {
    player.level = 1;
    player.hp = 30;
    player.bodyTemperature = 6000;
    PlaceFeature(kBagGlyph, kFeatureUnused, kBrown);
    // The trap, confusion, the longest daze and the deepest wound of level 1.
    SeedFor([](RandomMother& r) {
        return r.Random(3) == 0 && r.Random(2) == 1 && r.Random(3) != 0 && r.Random(15) == 14 && r.Random(6) == 5;
    });
    player.UseDungeonFeature();
    EXPECT_EQ(player.bodyTemperature, 6025);
    EXPECT_EQ(player.dizziness, 24);
    EXPECT_EQ(player.hp, 24);
    EXPECT_TRUE(Says("your hands are ashen gray. You feel a little confused."));
}

TEST_F(FeatureTest, TheBaitSetsAMonsterOnTheFirstOpenTile) {
    // Only the tile below and to the right is open.
    WallIn();
    floorArray[0].At(kHere + 1, kHere + 1).glyph = kFloorGlyph;
    OpenBagWith(2, 1);
    EXPECT_TRUE(Says("Before you reach the bag, a vicious monster ambushes you from the shadows!"));
}

}  // namespace
