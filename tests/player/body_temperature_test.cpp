#include "player/condition_fixture.h"

namespace {

using namespace conditions;

class BodyTemperatureTest : public ConditionTest {
protected:
    static int32_t Change() {
        int32_t change = 0;
        player.ComputeTemperatureTrend(change);
        return change;
    }

    static void LightCampfire() {
        Tile& tile = floorArray[player.currentFloor].At(player.x, player.y);
        tile.glyph = '~';
        tile.featureState = 100;
    }
};

TEST_F(BodyTemperatureTest, ChangePerTurnFollowsDepthFeelingAndVictory) {
    struct Case {
        int32_t floor, feeling;
        bool slain;
        int32_t startMode;
        int32_t change;
    };
    const Case cases[] = {
        {0, 0, false, 0, -1},   {10, 0, false, 0, -9},  {34, 0, false, 0, -29},
        {10, 2, false, 0, 6},   // warm: -9 + 1 + 14
        {10, 3, false, 0, -16},  // cold: -9 - 15 / 2
        {0, 2, false, 0, 0},
        {0, 0, true, 0, 1},     // a change of 0 after the victory becomes 1
        {0, 0, true, 1, 1},     {10, 0, true, 0, 8},   {13, 0, true, 1, 11}, {20, 0, true, 1, 16},
        {10, 2, true, 0, 15},   {10, 3, true, 0, -7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "floor " << c.floor << " feeling " << c.feeling << " slain " << c.slain);
        SetUp();
        player.currentFloor = c.floor;
        floorArray[c.floor].feeling = c.feeling;
        player.demonSlainFlags[4] = c.slain ? 1 : 0;
        player.startMode = c.startMode;
        EXPECT_EQ(Change(), c.change);
    }
}

TEST_F(BodyTemperatureTest, AmuletsCoolOrWarm) {
    WearAccessory(kSlotAmulet, 5);
    EXPECT_EQ(Change(), -4);
    player.equipSlots[kSlotAmulet] = -1;
    WearAccessory(kSlotAmulet, 6);
    EXPECT_EQ(Change(), 2);
}

// A loss becomes |change| - warmth + 1 per turn, and never less than 1.
TEST_F(BodyTemperatureTest, ClothesSoftenTheLoss) {
    struct Case {
        int32_t floor;
        int32_t warmth;  // one worn piece; 0 for none
        int32_t after;
    };
    const Case cases[] = {
        {0, 0, 5998}, {0, 1, 5999}, {0, 5, 5999}, {10, 0, 5990}, {10, 3, 5993}, {10, 9, 5999},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "floor " << c.floor << " warmth " << c.warmth);
        SetUp();
        player.currentFloor = c.floor;
        if (c.warmth > 0) {
            itemKinds[kClothKind].power = c.warmth;
            Wear(kSlotClothShirt, kClothKind);
        }
        player.UpdateBodyTemperature();
        EXPECT_EQ(player.bodyTemperature, c.after);
    }
}

TEST_F(BodyTemperatureTest, GainsGetOneMoreWithClothes) {
    player.demonSlainFlags[4] = 1;
    player.currentFloor = 10;
    player.UpdateBodyTemperature();
    EXPECT_EQ(player.bodyTemperature, 6008);
    Wear(kSlotClothShirt, kClothKind);
    player.UpdateBodyTemperature();
    EXPECT_EQ(player.bodyTemperature, 6017);
}

TEST_F(BodyTemperatureTest, NoChangeCoolsByOneHalfTheTime) {
    floorArray[0].feeling = 2;  // warm floor 0: a change of 0
    RandomMother reference = rng;
    int32_t expected = 6000;
    for (int32_t turn = 0; turn < 20; ++turn) {
        if (reference.Random(2) == 0) --expected;
        player.UpdateBodyTemperature();
    }
    EXPECT_EQ(player.bodyTemperature, expected);
    EXPECT_LT(expected, 6000);
    EXPECT_GT(expected, 5980);
}

class TemperatureAlarmTest : public ConditionScreenTest {
protected:
    static void LightCampfire() {
        Tile& tile = floorArray[player.currentFloor].At(player.x, player.y);
        tile.glyph = '~';
        tile.featureState = 100;
    }
    static int32_t Change() {
        int32_t change = 0;
        player.ComputeTemperatureTrend(change);
        return change;
    }
};

TEST_F(TemperatureAlarmTest, CampfireWarmsAndCanStartBoiling) {
    LightCampfire();
    player.currentFloor = 0;
    player.UpdateBodyTemperature();
    EXPECT_EQ(player.bodyTemperature, 6009);  // -1 + 10 + (1 + 0) / 2
    EXPECT_EQ(Change(), 9);

    player.bodyTemperature = 9990;  // 9990 + 9 stays below the boiling point
    player.UpdateBodyTemperature();
    EXPECT_EQ(player.bodyTemperature, 9999);

    player.bodyTemperature = 9991;
    Type("  ");
    player.UpdateBodyTemperature();
    EXPECT_EQ(player.bodyTemperature, 10004);
    EXPECT_EQ(player.hp, 28) << "the first turn past the boiling point does no harm";

    player.UpdateBodyTemperature();  // above 9999 the fire adds 2 + its warmth
    EXPECT_EQ(player.bodyTemperature, 10005);
    EXPECT_EQ(player.hp, 27);

    player.bodyTemperature = 9991;
    Wear(kSlotClothShirt, kClothKind);
    player.UpdateBodyTemperature();
    EXPECT_EQ(player.bodyTemperature, 10005);
}

TEST_F(TemperatureAlarmTest, FreezingHurtsFromTheSecondTurnAndBringsOneFrostbite) {
    player.bodyTemperature = 0;
    Type(" ");
    player.UpdateBodyTemperature();
    EXPECT_EQ(player.bodyTemperature, -2);
    EXPECT_EQ(player.hp, 28);
    EXPECT_EQ(player.frostbite, 0);

    player.UpdateBodyTemperature();
    EXPECT_EQ(player.frostbite, 125);
    EXPECT_EQ(player.frostbiteMaxHpLoss, 5);  // a fifth of 28
    EXPECT_EQ(player.maxHp, 23);
    EXPECT_EQ(player.frostbiteHpLoss, 2);     // a tenth of 27 after the bite
    EXPECT_EQ(player.hp, 23);                 // 25, held at the new maximum

    player.UpdateBodyTemperature();
    EXPECT_EQ(player.frostbite, 125);
    EXPECT_EQ(player.maxHp, 23);
    EXPECT_EQ(player.hp, 22);
}

TEST_F(TemperatureAlarmTest, StartOfFreezingStopsPlayAndClearsTheMessageRows) {
    player.bodyTemperature = 1;
    Type("a ");
    EXPECT_FALSE(RunUntilItWaitsForAKey([] { player.UpdateBodyTemperature(); }));
    EXPECT_EQ(Row(19), std::string(80, ' '));
    EXPECT_NE(Messages().find("You start freezing. Press space."), std::string::npos);
}

TEST_F(BodyTemperatureTest, ColdDamageIsTwoPercentOfTheMaximum) {
    player.bodyTemperature = -100;
    player.frostbite = 1;
    player.maxHp = player.hp = 500;
    player.UpdateBodyTemperature();
    EXPECT_EQ(player.hp, 490);
}

TEST_F(BodyTemperatureTest, BandMessagesFollowTheCrossedLine) {
    struct Case {
        int32_t before;
        bool slain;
        const char* message;
    };
    const Case cases[] = {
        {2001, false, "You feel cold."}, {4001, false, "You feel cool."}, {6001, false, ""},
        {8001, false, "You feel warm."}, {10001, false, "You feel hot."},  {2000, true, "You feel cool."},
        {6000, true, "You feel warm."},  {8000, true, "You feel hot."},  {-1, true, "You feel cold."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.before);
        SetUp();
        player.bodyTemperature = c.before;
        player.demonSlainFlags[4] = c.slain ? 1 : 0;
        player.frostbite = 1;  // keeps the freezing and boiling harm out of the way of the words
        player.UpdateBodyTemperature();
        const std::string all = Messages();
        EXPECT_EQ(all.substr(0, std::string(c.message).size()), c.message) << all;
    }

    SetUp();
    player.fever = 10;
    player.bodyTemperature = 2001;
    player.UpdateBodyTemperature();
    EXPECT_EQ(Messages(), "") << "fever hides how the character feels";
}

TEST_F(BodyTemperatureTest, TrendTextsTellHowFastTheTemperatureMoves) {
    struct Case {
        int32_t floor;
        bool slain;
        bool cloth;
        bool campfire;
        const char* trend;
        int32_t change;
    };
    const Case cases[] = {
        {0, false, false, false, "@CDecreasing", -1},
        {0, false, true, false, "@cDecreasing slowly", -1},
        {10, false, false, false, "@BDecreasing quickly", -9},
        {10, false, true, false, "@BDecreasing quickly", -9},
        {0, true, false, false, "@RIncreasing", 1},
        {6, true, false, false, "@RIncreasing", 4},
        {6, true, true, false, "@rIncreasing quickly", 4},
        {0, false, false, true, "@rIncreasing quickly", 9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.trend);
        SetUp();
        player.currentFloor = c.floor;
        player.demonSlainFlags[4] = c.slain ? 1 : 0;
        if (c.cloth) Wear(kSlotClothShirt, kClothKind);
        if (c.campfire) LightCampfire();
        int32_t change = 0;
        EXPECT_EQ(player.ComputeTemperatureTrend(change), c.trend);
        EXPECT_EQ(change, c.change);
    }
}

TEST_F(BodyTemperatureTest, WarmthColourShowsTheBand) {
    struct Case {
        int32_t temperature;
        ColourCode colour;
    };
    const Case cases[] = {{0, 3},     {1, 11},    {2000, 11}, {2001, 15}, {4000, 15},   {6000, 6},
                          {6001, 14}, {8000, 14}, {8001, 12}, {10000, 12}, {10001, 4}, {-50, 3}};
    for (const Case& c : cases) {
        player.bodyTemperature = c.temperature;
        player.UpdateWarmthColour();
        EXPECT_EQ(player.glyphColour, c.colour) << c.temperature;
    }
    player.fever = 1;
    player.bodyTemperature = 100;
    player.UpdateWarmthColour();
    EXPECT_EQ(player.glyphColour, 12);
}

}  // namespace
