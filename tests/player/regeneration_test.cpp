#include "player/condition_fixture.h"

namespace {

using namespace conditions;

class RegenerationTest : public ConditionTest {
protected:
    void SetUp() override {
        ConditionTest::SetUp();
        player.vitality = 10;  // a multiple of 5: no chance of an extra point
        player.stamina = 10;
        player.hp = 10;
        player.sp = 5;
    }

    static void Act(int32_t times) {
        for (int32_t i = 0; i < times; ++i) player.RegeneratePlayer();
    }
};

TEST_F(RegenerationTest, PointsComeBackOnceThePeriodIsReached) {
    player.hpRegen.amount = 2;
    player.spRegen.amount = 3;
    Act(32);
    EXPECT_EQ(player.hp, 10);
    EXPECT_EQ(player.sp, 5);
    Act(1);
    EXPECT_EQ(player.hp, 12);
    EXPECT_EQ(player.sp, 8);
    EXPECT_EQ(player.hpRegen.count, 0);
    EXPECT_EQ(player.spRegen.count, 0);
}

TEST_F(RegenerationTest, GainsStopAtTheMaximum) {
    player.hp = 27;
    player.hpRegen.amount = 5;
    player.hpRegen.count = 32;
    Act(1);
    EXPECT_EQ(player.hp, 28);
}

TEST_F(RegenerationTest, EnhancedRegenerationShortensBothPeriodsOnce) {
    InitSkillTable();
    skillTable[42].learned = 1;  // "Passive: Enhanced regeneration"
    Act(1);
    EXPECT_EQ(player.hpRegen.period, 20);
    EXPECT_EQ(player.spRegen.period, 20);

    player.hpRegen.period = 33;  // only while both periods are still the normal ones
    player.spRegen.period = 25;
    Act(1);
    EXPECT_EQ(player.hpRegen.period, 33);
    EXPECT_EQ(player.spRegen.period, 25);
}

// Cold draws for the hit-point count first, then for the special-point count.
TEST_F(RegenerationTest, TemperatureBendsTheCountsInDrawOrder) {
    struct Case {
        int32_t temperature;
        int32_t odds;
        int32_t step;
    };
    for (const Case& c : {Case{1000, 2, -1}, Case{3000, 4, -1}, Case{7000, 3, +1}}) {
        SCOPED_TRACE(c.temperature);
        player.hpRegen = RegenTimer();
        player.spRegen = RegenTimer();
        player.bodyTemperature = c.temperature;
        RandomMother reference = rng;
        int32_t hpCount = 0;
        int32_t spCount = 0;
        for (int32_t i = 0; i < 20; ++i) {
            hpCount += 1 + (reference.Random(c.odds) == 0 ? c.step : 0);
            spCount += 1 + (reference.Random(c.odds) == 0 ? c.step : 0);
        }
        Act(20);
        EXPECT_EQ(player.hpRegen.count, hpCount);
        EXPECT_EQ(player.spRegen.count, spCount);
    }

    player.hpRegen = RegenTimer();
    player.bodyTemperature = 5000;  // no draw in the mild band
    const RandomMother before = rng;
    Act(5);
    EXPECT_EQ(player.hpRegen.count, 5);
    EXPECT_EQ(rng.x[0], before.x[0]);
}

TEST_F(RegenerationTest, NoHitPointsComeBackWhenFreezingOrBoiling) {
    for (int32_t temperature : {-1, 10001}) {
        player.hp = 10;
        player.hpRegen.count = 40;
        player.spRegen.count = 10;
        player.bodyTemperature = temperature;
        Act(3);
        EXPECT_EQ(player.hp, 10);
        EXPECT_EQ(player.hpRegen.count, 0);
        EXPECT_GE(player.spRegen.count, 10) << "only the hit-point count stops";
    }
}

TEST_F(RegenerationTest, PeacefulFloorAndRegeneratingWeaponsAddToTheGain) {
    player.hpRegen.amount = 4;
    Wear(kSlotMainWeapon, kWeaponKind, 15);   // regenerating: +2
    Wear(kSlotSecondWeapon, kWeaponKind, 15);  // regenerating: +2
    floorArray[0].feeling = 7;                 // peaceful: +4
    player.hpRegen.count = 32;
    Act(1);
    EXPECT_EQ(player.hp, 10 + 4 + 4 + 2 + 2);
}

TEST_F(RegenerationTest, DegeneratingGearNeverCostsHitPoints) {
    player.hpRegen.amount = 2;
    player.spRegen.amount = 2;
    Wear(kSlotMainWeapon, kWeaponKind, 16);
    Wear(kSlotSecondWeapon, kWeaponKind, 16);
    WearAccessory(kSlotAmulet, 34);  // 2 - 1 - 1 - 1 would lose a point
    player.hpRegen.count = 32;
    player.spRegen.count = 32;
    Act(1);
    EXPECT_EQ(player.hp, 10);
    EXPECT_EQ(player.sp, 5);
}

TEST_F(RegenerationTest, RegenerationRingAddsHalfTheAmount) {
    player.hpRegen.amount = 4;
    WearAccessory(kSlotLeftRing, 27);
    player.hpRegen.count = 32;
    Act(1);
    EXPECT_EQ(player.hp, 16);
}

TEST_F(RegenerationTest, SpRegenerationBoonSpeedsTheSpCount) {
    player.berserkBoon = kBoonSpRegeneration;
    Act(3);
    EXPECT_EQ(player.spRegen.count, 0);  // 11 + 11 + 11 reached 33
    EXPECT_EQ(player.sp, 6);
    EXPECT_EQ(player.hpRegen.count, 3);
}

TEST_F(RegenerationTest, WildRegenerationTurnsSpecialPointsIntoHitPoints) {
    player.activeSkill = 27;
    player.maxSp = 30;
    player.sp = 10;
    Act(1);
    EXPECT_EQ(player.sp, 7);
    EXPECT_EQ(player.hp, 12);
    EXPECT_EQ(player.activeSkill, 27);

    player.sp = 2;
    Act(1);
    EXPECT_EQ(player.sp, 0);
    EXPECT_EQ(player.hp, 13);
    EXPECT_EQ(player.activeSkill, 0);

    // With nothing left to spend the skill ends at once.
    player.activeSkill = 27;
    Act(1);
    EXPECT_EQ(player.activeSkill, 0);
    EXPECT_EQ(player.hp, 13);
}

TEST_F(RegenerationTest, WildRegenerationCostsAtLeastTwo) {
    player.activeSkill = 27;
    player.maxSp = 12;  // a tenth is 1
    player.sp = 5;
    Act(1);
    EXPECT_EQ(player.sp, 3);
    EXPECT_EQ(player.hp, 11);
}

TEST_F(RegenerationTest, WildRegenerationReportsRunningOutOfEnergy) {
    player.activeSkill = 27;
    player.sp = 2;
    Act(1);
    EXPECT_EQ(Messages(), "You run out of energy to regenerate.");
}

TEST_F(RegenerationTest, QuickRestEndsWhenHitPointsFill) {
    player.runKey = '5';
    player.hp = 27;
    player.hpRegen.count = 31;
    Act(1);
    EXPECT_EQ(player.runKey, '5');
    Act(1);
    EXPECT_EQ(player.hp, 28);
    EXPECT_EQ(player.runKey, kNoRunKey);

    // Hit points already full: the rest goes on until the special points fill.
    player.runKey = '5';
    player.sp = 9;
    player.spRegen.count = 31;
    Act(1);
    EXPECT_EQ(player.runKey, '5');
    Act(1);
    EXPECT_EQ(player.sp, 10);
    EXPECT_EQ(player.runKey, kNoRunKey);
}

TEST_F(RegenerationTest, OtherRunsAreNotEndedByFullPoints) {
    player.runKey = '8';
    player.hp = 27;
    player.hpRegen.count = 32;
    Act(1);
    EXPECT_EQ(player.runKey, '8');
}

class LowHpWarningTest : public ConditionScreenTest {};

TEST_F(LowHpWarningTest, WarnsOnceBelowAThirdAndRearmsAboveHalf) {
    player.maxHp = 30;
    player.hp = 10;
    player.WarnLowHp();
    EXPECT_EQ(player.lowHpWarned, 0);
    player.hp = 9;
    Type("x ");  // only the space bar goes on
    player.WarnLowHp();
    EXPECT_EQ(player.lowHpWarned, 1);
    player.hp = 15;
    player.WarnLowHp();
    EXPECT_EQ(player.lowHpWarned, 1);
    player.hp = 16;
    player.WarnLowHp();
    EXPECT_EQ(player.lowHpWarned, 0);
}

TEST_F(LowHpWarningTest, WarningIsShownInRed) {
    player.maxHp = 30;
    player.hp = 5;
    Type(" ");
    player.WarnLowHp();
    EXPECT_EQ(TextAt(19, 0, 28), "**LOW HP!** Press space.    ");
    EXPECT_EQ(ColourAt(19, 0), 12);
    EXPECT_EQ(ColourAt(19, 12), 11);
}

// With the last line nearly full, the warning and its prompt go to the next page
// together: a page ending in "**LOW HP!**" alone would leave "space." without its "Press".
TEST_F(LowHpWarningTest, TheWarningStaysWholeOnOneRow) {
    player.maxHp = 30;
    player.hp = 5;
    for (const std::string& piece : {std::string(79, 'a'), std::string(79, 'b'), std::string(55, 'c') + " "}) {
        messageLog.PrintMessage(piece);
    }
    Type("x ");
    player.WarnLowHp();
    EXPECT_EQ(TextAt(19, 0, 28), "**LOW HP!** Press space.    ") << Dump();
}

}  // namespace
