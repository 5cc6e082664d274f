#include "player/condition_fixture.h"

namespace {

using namespace conditions;

using Tick = void (Player::*)();

struct Ailment {
    const char* name;
    int32_t Player::*counter;
    Tick tick;
    const char* recovery;
};

const Ailment kAilments[] = {
    {"poison", &Player::poison, &Player::TickPoison, "You aren't poisoned anymore."},
    {"bleeding", &Player::bleeding, &Player::TickBleeding, "The bleeding stops."},
    {"fever", &Player::fever, &Player::TickFever, "You are no longer feverish and feel your core temperature again."},
    {"sickness", &Player::sickness, &Player::TickSickness, "You feel healthier."},
    {"dizziness", &Player::dizziness, &Player::TickDizziness, "Your head is clear again."},
    {"sleep", &Player::sleep, &Player::TickSleep, "You wake up."},
    {"paralysis", &Player::paralysis, &Player::TickParalysis, "You aren't paralyzed anymore."},
    {"clumsiness", &Player::clumsiness, &Player::TickClumsiness,
     "Your attacks are accurate again, you are no longer clumsy."},
    {"slowness", &Player::slowness, &Player::TickSlowness, "Your movements aren't slow anymore."},
    {"immobility", &Player::immobility, &Player::TickImmobility,
     "You struggle to free yourself. You aren't immobilized anymore."},
    {"horror", &Player::horror, &Player::TickHorror, "You aren't horrified anymore."},
};

class AilmentTest : public ConditionTest {};

TEST_F(AilmentTest, EachTickCountsDownByOneAndStopsAtZero) {
    for (const Ailment& ailment : kAilments) {
        SCOPED_TRACE(ailment.name);
        SetUp();
        player.*ailment.counter = 3;
        (player.*ailment.tick)();
        EXPECT_EQ(player.*ailment.counter, 2);
        player.*ailment.counter = 0;
        (player.*ailment.tick)();
        EXPECT_EQ(player.*ailment.counter, 0);
    }
}

TEST_F(AilmentTest, EachAilmentSaysWhenItEnds) {
    for (const Ailment& ailment : kAilments) {
        SCOPED_TRACE(ailment.name);
        SetUp();
        player.*ailment.counter = 1;
        (player.*ailment.tick)();
        EXPECT_EQ(player.*ailment.counter, 0);
        EXPECT_EQ(Messages(), ailment.recovery);
    }
}

TEST_F(AilmentTest, LastTurnOfBleedingHurtsNothingAndDrawsNothing) {
    player.bleeding = 1;
    const RandomMother before = rng;
    player.TickBleeding();
    EXPECT_EQ(player.bleeding, 0);
    EXPECT_EQ(player.hp, 28);
    EXPECT_EQ(rng.x[0], before.x[0]);
}

// Damage is Random(d/3 + 1) + trunc(d / 1.5), at least 1, with d a share of the maximum.
TEST_F(AilmentTest, DamageFollowsTheShareOfMaximumHitPoints) {
    struct Case {
        const char* name;
        int32_t Player::*counter;
        Tick tick;
        int32_t maxHp;
        int32_t low, high;
    };
    const Case cases[] = {
        {"poison 6% of 100", &Player::poison, &Player::TickPoison, 100, 4, 6},
        {"sickness 11.5% of 100", &Player::sickness, &Player::TickSickness, 100, 7, 10},
        {"bleeding 1.3% of 1000", &Player::bleeding, &Player::TickBleeding, 1000, 8, 12},
        {"poison of a small maximum", &Player::poison, &Player::TickPoison, 10, 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        player.maxHp = c.maxHp;
        player.hp = c.maxHp;
        player.*c.counter = 1000;
        int32_t hits = 0;
        for (int32_t turn = 0; turn < 200; ++turn) {
            const int32_t before = player.hp;
            (player.*c.tick)();
            messageLog = MessageLog();
            if (player.hp == before) continue;
            ++hits;
            EXPECT_GE(before - player.hp, c.low);
            EXPECT_LE(before - player.hp, c.high);
            player.hp = c.maxHp;
        }
        EXPECT_GT(hits, 0);
    }
}

TEST_F(AilmentTest, BleedingStainsPlainFloorRed) {
    player.bleeding = 1000;
    player.maxHp = player.hp = 1000;
    floorArray[0].At(10, 10).colour = 7;
    for (int32_t turn = 0; turn < 20 && player.hp == 1000; ++turn) player.TickBleeding();
    ASSERT_LT(player.hp, 1000);
    const ColourCode stain = floorArray[0].At(10, 10).colour;
    EXPECT_TRUE(stain == 12 || stain == 4) << stain;

    floorArray[0].At(10, 10).glyph = '>';
    floorArray[0].At(10, 10).colour = 7;
    player.hp = 1000;
    for (int32_t turn = 0; turn < 20 && player.hp == 1000; ++turn) player.TickBleeding();
    ASSERT_LT(player.hp, 1000);
    EXPECT_EQ(floorArray[0].At(10, 10).colour, 7);
}

TEST_F(AilmentTest, FrostbiteHealsWithWarmthAndGivesTheLossesBack) {
    player.frostbite = 20;
    player.bodyTemperature = 999;
    player.TickFrostbite();
    EXPECT_EQ(player.frostbite, 20);

    player.bodyTemperature = 6000;
    player.TickFrostbite();
    EXPECT_EQ(player.frostbite, 14);

    player.frostbite = 5;
    player.maxHp = 23;
    player.hp = 20;
    player.frostbiteMaxHpLoss = 5;
    player.frostbiteHpLoss = 2;
    player.TickFrostbite();
    EXPECT_EQ(player.frostbite, 0);
    EXPECT_EQ(player.maxHp, 28);
    EXPECT_EQ(player.hp, 22);
    EXPECT_EQ(player.frostbiteMaxHpLoss, 0);
    EXPECT_EQ(player.frostbiteHpLoss, 0);
}

TEST_F(AilmentTest, ImmobilityStrugglesEveryTurn) {
    player.immobility = 2;
    player.TickImmobility();
    player.TickImmobility();
    EXPECT_EQ(Messages(), "You struggle to free yourself. You struggle to free yourself. You aren't immobilized anymore.");
}

TEST_F(AilmentTest, AntidoteRingEndsWeakPoisonInOneTurn) {
    player.poison = 2;
    WearAccessory(kSlotLeftRing, 24);
    WearAccessory(kSlotRightRing, 24);  // two rings still help only once
    player.TickPoison();
    EXPECT_EQ(player.poison, 0);
    player.poison = 10;
    player.TickPoison();
    EXPECT_EQ(player.poison, 6);
}

TEST_F(AilmentTest, HealthRingShortensFeverAndSickness) {
    WearAccessory(kSlotRightRing, 23);
    player.fever = 20;
    player.sickness = 20;
    player.TickFever();
    player.TickSickness();
    EXPECT_EQ(player.fever, 14);
    EXPECT_EQ(player.sickness, 14);
}

// The amulet that helps announces itself every turn it works.
TEST_F(AilmentTest, HelpingAmuletsShortenTheirAilments) {
    struct Case {
        int32_t property;
        int32_t Player::*counter;
        Tick tick;
        int32_t after;
    };
    const Case cases[] = {
        {1, &Player::dizziness, &Player::TickDizziness, 8},  {1, &Player::horror, &Player::TickHorror, 8},
        {2, &Player::clumsiness, &Player::TickClumsiness, 6}, {2, &Player::slowness, &Player::TickSlowness, 6},
        {3, &Player::paralysis, &Player::TickParalysis, 0},   {3, &Player::immobility, &Player::TickImmobility, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.property);
        SetUp();
        WearAccessory(kSlotAmulet, c.property);
        player.*c.counter = 10;
        (player.*c.tick)();
        EXPECT_EQ(player.*c.counter, c.after);
        EXPECT_EQ(Messages().rfind("Your amulet glows.", 0), 0u) << Messages();
    }
}

TEST_F(AilmentTest, ParalysisEndsAtOnceWithTheFreedomAmulet) {
    WearAccessory(kSlotAmulet, 3);
    player.paralysis = 50;
    player.TickParalysis();
    EXPECT_EQ(Messages(), "Your amulet glows. You aren't paralyzed anymore.");
}

class CursedAccessoryTest : public ConditionScreenTest {};

// Each onset stops play until the space bar is pressed.
TEST_F(CursedAccessoryTest, DizzinessRingMakesTheCharacterDizzyNowAndThen) {
    WearAccessory(kSlotRightRing, 9);
    Type(" ");
    int32_t turn = 0;
    while (player.dizziness == 0 && turn++ < 5000) {
        player.TickDizziness();
        messageLog = MessageLog();
    }
    EXPECT_GE(player.dizziness, 9);
    EXPECT_LE(player.dizziness, 23);
    EXPECT_GT(turn, 1) << "one chance in 500 a turn";
}

TEST_F(CursedAccessoryTest, DizzinessOnsetIsAnnounced) {
    WearAccessory(kSlotLeftRing, 9);
    Type(" ");
    while (player.dizziness == 0) player.TickDizziness();
    EXPECT_NE(Messages().find("For some reason you feel dizzy. Very dizzy. Press space."), std::string::npos);
}

TEST_F(CursedAccessoryTest, ClearMindAmuletKeepsTheRingFromDizzying) {
    WearAccessory(kSlotRightRing, 9);
    WearAccessory(kSlotAmulet, 1);
    const RandomMother before = rng;
    for (int32_t turn = 0; turn < 100; ++turn) player.TickDizziness();
    EXPECT_EQ(player.dizziness, 0);
    EXPECT_EQ(rng.x[0], before.x[0]);
}

TEST_F(CursedAccessoryTest, DrowsyAmuletPutsTheCharacterToSleep) {
    WearAccessory(kSlotAmulet, 8);
    Type(" ");
    while (player.sleep == 0) {
        player.TickSleep();
        messageLog = MessageLog();
    }
    EXPECT_GE(player.sleep, 49);
    EXPECT_LE(player.sleep, 148);
}

TEST_F(CursedAccessoryTest, NoNewSleepWhileParalysed) {
    WearAccessory(kSlotAmulet, 8);
    player.paralysis = 10000;
    for (int32_t turn = 0; turn < 3000; ++turn) player.TickSleep();
    EXPECT_EQ(player.sleep, 0);
}

}  // namespace
