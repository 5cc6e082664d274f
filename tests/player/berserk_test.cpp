#include "player/condition_fixture.h"

namespace {

using namespace conditions;

class BerserkTest : public ConditionScreenTest {
protected:
    void SeeTile(int32_t x, int32_t y) { floorArray[0].At(x, y).visibleNow = 1; }
};

TEST_F(BerserkTest, MaskWaitsWithoutAMonsterInSight) {
    player.berserkBoon = 1;
    player.TickBerserk();
    EXPECT_EQ(player.berserkBoon, 1);
    EXPECT_EQ(player.berserkTurns, 0);
}

TEST_F(BerserkTest, MaskTakesOverAtTheSightOfALivingMonster) {
    player.berserkBoon = 1;
    Monster* stalker = AddMonster(12, 10, 0);
    stalker->ability = 24;
    stalker->awake = 0;
    SeeTile(12, 10);
    Monster* unseen = AddMonster(9, 10, 0);
    (void)unseen;
    Monster* undead = AddMonster(11, 11, 0);
    undead->living = 0;
    SeeTile(11, 11);
    player.TickBerserk();
    EXPECT_EQ(player.berserkBoon, 1) << "an unawakened stalker, an unseen and a non-living monster do not count";

    stalker->awake = 1;
    Type("  ");  // the rage fills more than one page of messages
    player.TickBerserk();
    EXPECT_GE(player.berserkBoon, 2);
    EXPECT_LE(player.berserkBoon, 9);
    EXPECT_GE(player.berserkTurns, 24);
    EXPECT_LE(player.berserkTurns, 31);
}

// Boons 4 and 8 give boosts that last no longer than the rage.
TEST_F(BerserkTest, FasterAndImprovedBoonsGiveBoostsWithinTheRage) {
    AddMonster(11, 10, 0);
    SeeTile(11, 10);
    bool sawFaster = false;
    bool sawImproved = false;
    for (uint32_t seed = 1; seed < 200 && !(sawFaster && sawImproved); ++seed) {
        player.berserkBoon = 1;
        player.speedBoost = player.strengthBoost = player.dexterityBoost = player.agilityBoost = 0;
        rng.RandomInit(seed);
        messageLog = MessageLog();
        Type("  ");
        player.TickBerserk();
        if (player.berserkBoon == kBoonFaster) {
            sawFaster = true;
            EXPECT_GE(player.speedBoost, 24);
            EXPECT_LE(player.speedBoost, player.berserkTurns);
            EXPECT_EQ(player.strengthBoost, 0);
        } else if (player.berserkBoon == kBoonAbilities) {
            sawImproved = true;
            EXPECT_GE(player.strengthBoost, 24);
            EXPECT_LE(player.strengthBoost, player.berserkTurns);
            EXPECT_EQ(player.dexterityBoost, player.strengthBoost);
            EXPECT_EQ(player.agilityBoost, player.strengthBoost);
        } else {
            EXPECT_EQ(player.speedBoost + player.strengthBoost, 0);
        }
    }
    EXPECT_TRUE(sawFaster);
    EXPECT_TRUE(sawImproved);
}

TEST_F(BerserkTest, RageRunsOutAndLeavesTheCharacterSlowed) {
    player.berserkBoon = kBoonPiercing;
    player.berserkTurns = 2;
    player.TickBerserk();
    EXPECT_EQ(player.berserkTurns, 1);
    EXPECT_EQ(player.berserkBoon, kBoonPiercing);
    Type(" ");
    player.TickBerserk();
    EXPECT_EQ(player.berserkTurns, 0);
    EXPECT_EQ(player.berserkBoon, 0);
    EXPECT_GE(player.slowness, 6);
    EXPECT_LE(player.slowness, 13);

    player.TickBerserk();
    EXPECT_LE(player.slowness, 13);
}

TEST_F(BerserkTest, EndOfRageIsAnnounced) {
    player.berserkBoon = kBoonStronger;
    player.berserkTurns = 1;
    Type(" ");
    player.TickBerserk();
    EXPECT_NE(Messages().find("You aren't berserking anymore. You feel exhausted and slow after the raging."),
              std::string::npos)
        << Messages();
}

class SightRadiusTest : public ConditionTest {};

TEST_F(SightRadiusTest, LightOfTheNextFloorSetsSightAndMonsterVision) {
    struct Case {
        int32_t from, to, step;
        int32_t sight, vision;
    };
    const Case cases[] = {
        {0, 4, +1, 2, 3},   // normal to dark
        {0, 5, +1, 9, 10},  // normal to bright
        {4, 0, -1, 6, 7},   // dark to normal, going up
        {4, 5, +1, 9, 10},  {5, 0, +1, 6, 7}, {5, 4, +1, 2, 3},
        {4, 4, +1, 4, 5},   // same light: unchanged
        {2, 3, +1, 4, 5},   // neither dark nor bright: unchanged
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.from << " to " << c.to);
        player.currentFloor = 5;
        floorArray[5].feeling = c.from;
        floorArray[5 + c.step].feeling = c.to;
        player.sightRadius = 4;
        monsterVisionRange = 5;
        player.UpdateSightRadius(c.step);
        EXPECT_EQ(player.sightRadius, c.sight);
        EXPECT_EQ(monsterVisionRange, c.vision);
    }
}

TEST_F(SightRadiusTest, NoFloorBeyondTheDungeonCountsAsNormalLight) {
    player.currentFloor = 0;
    floorArray[0].feeling = 4;
    player.sightRadius = 2;
    player.UpdateSightRadius(-1);
    EXPECT_EQ(player.sightRadius, 6);

    player.currentFloor = 34;
    floorArray[34].feeling = 0;
    player.UpdateSightRadius(+1);
    EXPECT_EQ(player.sightRadius, 6);
}

}  // namespace
