#include <gtest/gtest.h>

#include "skills/skill_def.h"
#include "support/game_state.h"
#include "toolkit/message_log.h"
#include "world/floor.h"
#include "world/item_kind.h"
#include "world/player.h"

namespace {

class PlayerStats : public ::testing::Test {
protected:
    void SetUp() override { ResetGameState(); }

    static void Learn(int32_t effect) {
        skillTable[0].inUse = 1;
        skillTable[0].effect = effect;
        skillTable[0].learned = 1;
    }
    static ItemData Item(int32_t kind, int32_t quantity, int32_t prefix) {
        ItemData item;
        item.kind = kind;
        item.quantity = quantity;
        item.prefix = prefix;
        return item;
    }
};

TEST_F(PlayerStats, AFreshCharacter) {
    player.RecomputePlayerStats();
    EXPECT_EQ(player.carryingCapacity, 300);
    EXPECT_EQ(player.carriedWeight, 0);
    EXPECT_EQ(player.toHitThreshold, 450);
    EXPECT_EQ(player.dodge, 46);
    EXPECT_EQ(player.speed, 10900);
    EXPECT_EQ(player.naturalArmour, 3);
    EXPECT_EQ(player.hpRegen.amount, 0 + 0 + 2);
    EXPECT_EQ(player.spRegen.amount, 0 + 0 + 1);
    EXPECT_FALSE(messageLog.used[0]);
}

TEST_F(PlayerStats, PrefixesChangeWhatArmsWeigh) {
    itemKinds[1].type = kItemWeapon;
    itemKinds[1].weight = 10;
    itemKinds[2].type = kItemCloth;
    itemKinds[2].weight = 3;
    player.inventory = {Item(1, 4, 7), Item(1, 5, 8), Item(1, 2, -1), Item(2, 2, 7)};
    player.RecomputePlayerStats();
    // heavy: six pieces whatever the stack; anti-weight: nothing; a wet cloth's "prefix" is its wetness
    EXPECT_EQ(player.carriedWeight, 60 + 0 + 20 + 6);
}

TEST_F(PlayerStats, CrossingTheBurdenLineSaysSoOnce) {
    itemKinds[1].type = kItemValuable;
    itemKinds[1].weight = 226;
    player.inventory = {Item(1, 1, -1)};
    player.RecomputePlayerStats();
    player.RecomputePlayerStats();
    EXPECT_EQ(player.burdened, 1);
    EXPECT_EQ(messageLog.line[0], "@CYou feel burdened. ");
    EXPECT_EQ(player.speed, 10000 + 0);  // burdened speed before style and temperature
    EXPECT_EQ(player.toHitThreshold, 450 + 75);
    EXPECT_EQ(player.dodge, 0);

    player.inventory.clear();
    player.RecomputePlayerStats();
    EXPECT_EQ(player.burdened, 0);
    EXPECT_EQ(messageLog.line[0], "@CYou feel burdened. You feel less burdened. ");
}

TEST_F(PlayerStats, ToHitAndDodgeAreSoftenedAtTheirLimits) {
    struct Case {
        int32_t level;
        int32_t dexterity;
        int32_t agility;
        int32_t toHit;
        int32_t dodge;
    };
    const Case cases[] = {
        {1, 44, 9, 200, 46},    // 100 before the floor becomes 250 - 150/3
        {1, 104, 9, 10, 46},    // -500 becomes 0, then 10
        {12, 9, 50, 395, 400},  // a dodge of 500 becomes 350 + 150/3
        {1, 9, 0, 450, 0},      // a negative dodge becomes 0
    };
    for (const Case& c : cases) {
        player.level = c.level;
        player.dexterity = c.dexterity;
        player.agility = c.agility;
        player.RecomputePlayerStats();
        EXPECT_EQ(player.toHitThreshold, c.toHit) << c.dexterity;
        EXPECT_EQ(player.dodge, c.dodge) << c.agility;
    }
}

TEST_F(PlayerStats, SpeedFollowsStyleSkillTemperatureAndFloor) {
    struct Case {
        int32_t style;
        bool speedSkill;
        int32_t temperature;
        int32_t feeling;
        int32_t speed;
    };
    // Agility 9: K = 945, half of it 472.
    const Case cases[] = {
        {kStyleNormal, false, 6000, 0, 10900},  {kStyleNormal, true, 6000, 0, 11900},
        {kStyleFast, false, 6000, 0, 11372},    {kStyleAccurate, true, 6000, 0, 11000},
        {kStyleAccurate, false, 7000, 0, 10472}, {kStyleNormal, false, 2000, 0, 9956},
        {kStyleNormal, false, 3000, 0, 10428},  {kStyleNormal, false, 9000, 0, 10428},
        {kStyleNormal, false, 6000, 9, 10428},
    };
    for (const Case& c : cases) {
        ResetGameState();
        player.fightingStyle = c.style;
        if (c.speedSkill) Learn(36);
        player.bodyTemperature = c.temperature;
        floorArray[0].feeling = c.feeling;
        player.RecomputePlayerStats();
        EXPECT_EQ(player.speed, c.speed) << c.style << " " << c.temperature << " " << c.feeling;
    }
    ResetGameState();
    player.agility = 60;  // 10000 + 6000, and warm: + 6300 / 2, is above the soft cap
    player.bodyTemperature = 7000;
    player.RecomputePlayerStats();
    EXPECT_EQ(player.speed, 15000 + (16000 + 3150 - 15000) / 3);
}

TEST_F(PlayerStats, StylesShapeNaturalArmourAndAim) {
    player.level = 10;  // trunc(10 x 0.79) = 7, plus agility 9 / 3 = 3
    player.RecomputePlayerStats();
    EXPECT_EQ(player.naturalArmour, 10);
    player.fightingStyle = kStyleDefensive;
    player.RecomputePlayerStats();
    EXPECT_EQ(player.naturalArmour, 11);
    player.fightingStyle = kStyleAggressive;
    player.RecomputePlayerStats();
    EXPECT_EQ(player.naturalArmour, 7);
    player.fightingStyle = kStyleAccurate;
    player.RecomputePlayerStats();
    EXPECT_EQ(player.toHitThreshold, 5 * 99 - 90 - 36);
    player.fightingStyle = kStyleFast;
    player.RecomputePlayerStats();
    EXPECT_EQ(player.toHitThreshold, 5 * 99 - 90 + 27);
}

TEST_F(PlayerStats, EnergyGrantsAnActionOrGains) {
    player.speed = 10900;
    EXPECT_FALSE(player.AccumulateEnergy());
    EXPECT_EQ(player.energy, 10900);
    EXPECT_TRUE(player.AccumulateEnergy());
    EXPECT_EQ(player.energy, 900);

    struct Case {
        int32_t speed;
        int32_t slowness;
        int32_t stoneSkin;
        int32_t boost;
        int32_t gain;
    };
    const Case cases[] = {
        {10900, 1, 0, 0, 6411},   // slowed: 10900 / 1.7
        {14000, 0, 3, 0, 10000},  // stone skin holds the gain to one action
        {9000, 0, 3, 0, 9000},    // and never raises it
        {10000, 0, 0, 3, 12000},  // a boost of 3 adds a fifth
        {10000, 0, 0, 24, 26000},
    };
    for (const Case& c : cases) {
        player.energy = 0;
        player.speed = c.speed;
        player.slowness = c.slowness;
        player.stoneSkinTurns = c.stoneSkin;
        player.speedBoost = c.boost;
        EXPECT_FALSE(player.AccumulateEnergy());
        EXPECT_EQ(player.energy, c.gain) << c.speed << " " << c.boost;
    }
}

TEST_F(PlayerStats, ThePlayerStartsOnTheFirstUpStaircaseColumnByColumn) {
    player.x = 3;
    player.y = 4;
    EXPECT_FALSE(player.PlaceOnUpStairs());
    EXPECT_EQ(player.x, 3);
    EXPECT_EQ(player.y, 4);

    floorArray[0].At(40, 2).glyph = '<';
    floorArray[0].At(12, 17).glyph = '<';
    player.turns = 7;
    EXPECT_TRUE(player.PlaceOnUpStairs());
    EXPECT_EQ(player.x, 12);
    EXPECT_EQ(player.y, 17);
    EXPECT_EQ(floorArray[0].At(12, 17).monsterPresent, 1);
    player.CountPlayerTurn();
    EXPECT_EQ(player.turns, 8);
}

}  // namespace
