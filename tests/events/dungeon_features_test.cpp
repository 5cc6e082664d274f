// The features used in place: the dispatcher, the mirror, the blood stand, the
// spirit veil, the snowman and the icy pool.
#include "events/feature_fixture.h"
#include "events/world_events.h"
#include "items/item_prefixes.h"

namespace {

using namespace conditions;
using namespace features;
using fight::SeedFor;

TEST_F(FeatureTest, PlainFloorIsNoFeatureAndTakesNoTurn) {
    EXPECT_EQ(player.UseDungeonFeature(), 0);
    EXPECT_EQ(Messages(), "");
}

// A position that a damaged save or a stray move could leave is no feature:
// nothing is read or written beside the map.
TEST_F(FeatureTest, OffTheMapOrOffTheFloorsIsNoFeature) {
    struct Case {
        int32_t floor, x, y;
    };
    const Case cases[] = {{0, -1, 5}, {0, kFloorWidth, 5}, {0, 5, -1}, {0, 5, kFloorHeight}, {-1, 5, 5},
                          {kFloorCount, 5, 5}};
    for (const Case& c : cases) {
        player.currentFloor = c.floor;
        player.x = c.x;
        player.y = c.y;
        EXPECT_EQ(player.UseDungeonFeature(), 0) << c.floor << " " << c.x << "," << c.y;
    }
    EXPECT_EQ(Messages(), "");
}

TEST_F(FeatureTest, SpentFeaturesRefuseAndStillTakeTheTurn) {
    struct Case {
        char glyph;
        int32_t state;
        ColourCode colour;
        const char* refusal;
    };
    const Case cases[] = {
        {kMirrorGlyph, kFeatureSpent, kMirrorColour, "You can't see your reflection."},
        {kBloodStandGlyph, kFeatureSpent, kDriedBlood, "This stand has used up its charge already."},
        {kVeilSpiritGlyph, kFeatureSpent, kWhite,
         "You take a look behind the spirit veil. You only see the dungeon wall in front of you."},
        {kPoolGlyph, kFeatureSpent, kBlue, "The pool is frozen solid."},
        {kSnowmanGlyph, kFeatureSpent, kWhite, "It is only a heap of snow."},
        {kWritingGlyph, kFeatureSpent, kWhite, "This scroll is blank."},
        {kBagGlyph, kFeatureSpent, kBrown, "It has already been looted."},
    };
    for (const Case& c : cases) {
        ResetGameState();
        PrepareConditions();
        PrepareFeatureFloor(0, kStoneWalls);
        PlaceFeature(c.glyph, c.state, c.colour);
        const uint32_t before[4] = {rng.x[0], rng.x[1], rng.x[2], rng.x[3]};
        EXPECT_EQ(player.UseDungeonFeature(), 1) << c.glyph;
        EXPECT_EQ(Messages(), c.refusal) << c.glyph;
        EXPECT_EQ(rng.x[0], before[0]) << c.glyph << ": a spent feature draws nothing";
    }
}

TEST_F(FeatureTest, TheMirrorChangesOneAttributeByOneAndIsSpent) {
    struct Case {
        int32_t signRoll;
        int32_t attribute;
        int32_t Player::* field;
        int32_t change;
        const char* word;
    };
    const Case cases[] = {
        {1, 0, &Player::strength, 1, "strong!"},   {0, 0, &Player::strength, -1, "weak!"},
        {2, 1, &Player::vitality, 1, "healthy!"},  {0, 2, &Player::agility, -1, "slow!"},
        {1, 3, &Player::dexterity, 1, "dextrous!"}, {0, 4, &Player::stamina, -1, "tired!"},
    };
    for (const Case& c : cases) {
        ResetGameState();
        PrepareConditions();
        PrepareFeatureFloor(0, kStoneWalls);
        PlaceFeature(kMirrorGlyph, kFeatureUnused, kMirrorColour);
        const int32_t before = player.*c.field;
        SeedFor([&c](RandomMother& r) { return r.Random(3) == c.signRoll && r.Random(5) == c.attribute; });
        player.UseDungeonFeature();
        EXPECT_EQ(player.*c.field, before + c.change) << c.word;
        EXPECT_EQ(Messages(), std::string("You look at your twisted image. You look, and actually feel, ") + c.word +
                                  " You can't see yourself anymore in the mirror.");
        EXPECT_EQ(Here().featureState, kFeatureSpent);
    }
}

TEST_F(FeatureTest, TheBloodStandDescribesItselfByItsColour) {
    PlaceFeature(kBloodStandGlyph, 0, kFreshBlood);
    DescribeBloodStand();
    EXPECT_EQ(Messages(),
              "You see a stand covered in fresh blood here. The engravings seem to indicate that a weapon or a piece "
              "of armor could be placed here. (Press 'u' to use.)");
    ResetGameState();
    PrepareFeatureFloor(0, kStoneWalls);
    PlaceFeature(kBloodStandGlyph, 0, kDriedBlood);
    DescribeBloodStand();
    EXPECT_EQ(Messages(), "You see a stand covered in dried blood here. The engravings have disappeared.");
    ResetGameState();
    PrepareFeatureFloor(0, kStoneWalls);
    PlaceFeature(kMirrorGlyph, kFeatureUnused, kMirrorColour);
    DescribeBloodStand();
    EXPECT_EQ(Messages(), "");
}

TEST_F(FeatureTest, TheBloodStandBrandsAWornWeaponOnce) {
    const int32_t sword = Wear(kSlotMainWeapon, kWeaponKind, kPrefixHeavy);
    PlaceFeature(kBloodStandGlyph, 0, kFreshBlood);
    // Leaving the list keeps the stand fresh.
    Type(" z");
    EXPECT_EQ(player.UseDungeonFeature(), 1);
    EXPECT_EQ(Here().colour, kFreshBlood);
    EXPECT_EQ(player.inventory[sword].prefix, kPrefixHeavy);

    Type(" s");
    AnswerPrompts();
    SeedFor([](RandomMother& r) { return r.Random(25) + 7 != kPrefixHeavy; });
    EXPECT_EQ(player.UseDungeonFeature(), 1);
    EXPECT_EQ(Here().colour, kDriedBlood);
    EXPECT_GE(player.inventory[sword].prefix, 7);
    EXPECT_LE(player.inventory[sword].prefix, 31);
    EXPECT_NE(player.inventory[sword].prefix, kPrefixHeavy);
    EXPECT_TRUE(Says("You take the newly branded item back from the stand."));
}

TEST_F(FeatureTest, TheVeilSpiritBlessesEvenACursedItem) {
    PlaceFeature(kVeilSpiritGlyph, kFeatureUnused);
    const int32_t sword = Wear(kSlotMainWeapon, kWeaponKind, -1, kCursed);
    player.inventory[sword].identified = 0;
    // The blessing effect, in a good mood, and the first slot drawn is the main weapon.
    SeedFor([](RandomMother& r) { return r.Random(6) == 5 && r.Random(11) >= 4 && r.Random(13) == 0; });
    player.UseDungeonFeature();
    EXPECT_EQ(player.inventory[sword].blessing, kBlessed);
    EXPECT_EQ(player.inventory[sword].identified, 1);
    EXPECT_EQ(Here().featureState, kFeatureSpent);
    EXPECT_TRUE(Says("You see a quick golden flash of blessing near your equipment."));
}

TEST_F(FeatureTest, TheAngryVeilSpiritOnlyTakesABlessingAway) {
    PlaceFeature(kVeilSpiritGlyph, kFeatureUnused);
    const int32_t sword = Wear(kSlotMainWeapon, kWeaponKind, -1, kBlessed);
    SeedFor([](RandomMother& r) { return r.Random(6) == 5 && r.Random(11) < 4 && r.Random(13) == 0; });
    player.UseDungeonFeature();
    EXPECT_EQ(player.inventory[sword].blessing, kUncursed);
    EXPECT_TRUE(Says("You see a quick sickly reddish flash of cursing near your equipment."));
}

TEST_F(FeatureTest, WithoutAWandTheVeilSpiritDrawsAnotherEffect) {
    PlaceFeature(kVeilSpiritGlyph, kFeatureUnused);
    player.bodyTemperature = 6000;
    // First the wands, which find none, then the cold wind.
    SeedFor([](RandomMother& r) {
        return r.Random(6) == 3 && r.Random(11) >= 4 && r.Random(6) == 2 && r.Random(11) < 4;
    });
    player.UseDungeonFeature();
    EXPECT_EQ(Messages(),
              "You take a look behind the spirit veil. Suddenly a cold wind blows through your clothes. You feel "
              "colder.");
    EXPECT_EQ(player.bodyTemperature, 4000);
}

TEST_F(FeatureTest, TheVeilSpiritRaisesOrLowersPeakHealthByTheFloorGroup) {
    PrepareFeatureFloor(14, kStoneWalls);  // group 2
    PlaceFeature(kVeilSpiritGlyph, kFeatureUnused);
    player.maxHp = 30;
    player.hp = 10;
    SeedFor([](RandomMother& r) { return r.Random(6) == 0 && r.Random(11) >= 4; });
    player.UseDungeonFeature();
    EXPECT_EQ(player.maxHp, 42);
    EXPECT_EQ(player.hp, 42);

    PlaceFeature(kVeilSpiritGlyph, kFeatureUnused);
    player.level = 1;
    SeedFor([](RandomMother& r) { return r.Random(6) == 0 && r.Random(11) < 4 && r.Random(6) == 5; });
    player.UseDungeonFeature();
    EXPECT_EQ(player.maxHp, 36);
    EXPECT_EQ(player.hp, 36);
    EXPECT_TRUE(Says("Your peak health feels worse."));
}

TEST_F(FeatureTest, TheVeilSpiritRechargesWands) {
    DefineKind(kWeaponKind + 1, kItemWand, 0, "wand of frost");
    const int32_t wand = Carry(kWeaponKind + 1);
    player.inventory[wand].durability = 1;
    player.inventory[wand].empty = 1;
    PlaceFeature(kVeilSpiritGlyph, kFeatureUnused);
    SeedFor([](RandomMother& r) { return r.Random(6) == 3 && r.Random(11) < 4; });
    player.UseDungeonFeature();
    EXPECT_EQ(player.inventory[wand].durability, 0);
    PlaceFeature(kVeilSpiritGlyph, kFeatureUnused);
    SeedFor([](RandomMother& r) { return r.Random(6) == 3 && r.Random(11) >= 4; });
    player.UseDungeonFeature();
    EXPECT_EQ(player.inventory[wand].durability, 3);
    EXPECT_EQ(player.inventory[wand].empty, 0);
}

TEST_F(FeatureTest, TheSnowmanGivesMoneyWhenItsTileIsFullAndMayHideAMonster) {
    PlaceFeature(kSnowmanGlyph, kFeatureUnused);
    Here().items.resize(kMaxTileItems);
    // Loot, and an ambush on the first open tile in column order.
    SeedFor([](RandomMother& r) { return r.Random(4) != 0; });
    player.UseDungeonFeature();
    EXPECT_GE(Here().gold, 36);
    EXPECT_LE(Here().gold, 66);
    EXPECT_TRUE(Says("it shatters into a heap of snow. There was some money inside the snowman!"));
    EXPECT_EQ(Here().featureState, kFeatureSpent);
}

TEST_F(FeatureTest, AWalledInSnowmanHidesNoMonster) {
    PlaceFeature(kSnowmanGlyph, kFeatureUnused);
    WallIn();
    SeedFor([](RandomMother& r) { return r.Random(4) == 0 && r.Random(3) != 0; });
    player.UseDungeonFeature();
    EXPECT_EQ(Messages(), "You kick the snowman and it shatters into a heap of snow.");
    EXPECT_EQ(Here().gold, 0);
}

TEST_F(FeatureTest, ADiveCostsBodyHeatByThePoolsDepth) {
    struct Case {
        int32_t state;
        int32_t temperature;
        bool hauled;
        int32_t after;
    };
    const Case cases[] = {
        {4, 4000, true, 0}, {4, 3999, false, -1}, {6, 6000, true, 0}, {8, 7999, false, -1}, {8, 9000, true, 1000},
    };
    for (const Case& c : cases) {
        ResetGameState();
        PrepareConditions();
        PrepareFeatureFloor(0, kStoneWalls);
        PlaceFeature(kPoolGlyph, c.state, kBlue);
        player.bodyTemperature = c.temperature;
        player.UseDungeonFeature();
        EXPECT_EQ(player.bodyTemperature, c.after) << c.state << " " << c.temperature;
        EXPECT_EQ(Says("You manage to haul the item"), c.hauled) << c.state << " " << c.temperature;
        EXPECT_EQ(player.frostbite > 0, c.hauled);
        EXPECT_EQ(Here().featureState, kFeatureSpent);
    }
}

TEST_F(FeatureTest, ADiveFrostbitesOrLengthensTheFrostbite) {
    PlaceFeature(kPoolGlyph, 8, kBlue);
    player.bodyTemperature = 9000;
    player.maxHp = 50;
    player.hp = 40;
    Here().items.resize(kMaxTileItems);  // the prize turns into gold
    player.UseDungeonFeature();
    EXPECT_EQ(player.frostbite, 700);
    EXPECT_EQ(player.maxHp, 40);
    EXPECT_EQ(player.hp, 36);
    EXPECT_GE(Here().gold, 6 + 45);
    EXPECT_LE(Here().gold, 6 + 90);

    PlaceFeature(kPoolGlyph, 4, kBlue);
    player.bodyTemperature = 9000;
    player.UseDungeonFeature();
    EXPECT_EQ(player.frostbite, 1000);
    EXPECT_EQ(player.maxHp, 40);
}

TEST_F(FeatureTest, NobodyDivesWhileFreezing) {
    PlaceFeature(kPoolGlyph, 4, kBlue);
    player.bodyTemperature = 0;
    EXPECT_EQ(player.UseDungeonFeature(), 1);
    EXPECT_EQ(Messages(), "It would be foolish to dive, you're already cold enough!");
    EXPECT_EQ(Here().featureState, 4);
}

}  // namespace
