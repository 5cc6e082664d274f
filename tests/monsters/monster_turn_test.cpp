// A monster's tick and its one action: status counters, energy, regeneration,
// waking and hunting, and the choice between attacking, pursuing and wandering.
#include <gtest/gtest.h>

#include "floors/floor_feelings.h"
#include "items/worn_properties.h"
#include "monsters/monster_fixture.h"
#include "support/game_state.h"
#include "world/monster_abilities.h"

namespace {

class MonsterTurn : public ::testing::Test {
protected:
    void SetUp() override {
        ResetGameState();
        OpenArea(floorArray[0], 1, 1, 78, 17);
        PutPlayer(10, 10);
    }
};

TEST_F(MonsterTurn, AStunnedTickNeitherActsNorGainsEnergy) {
    SeeFloor(0);
    Monster* rat = PlaceMonster(20, 10);
    rat->energy = 1000;
    rat->stunTurns = 1;
    rat->TickMonster();
    EXPECT_EQ(Messages(), "The rat isn't stunned anymore.");
    EXPECT_EQ(rat->x, 20);
    EXPECT_EQ(rat->energy, 1000);

    rat->TickMonster();  // it has seen the player: it closes in
    EXPECT_EQ(rat->x, 19);
    EXPECT_EQ(rat->energy, 1000);
}

TEST_F(MonsterTurn, TwiceTheSpeedActsTwiceATickFromTheSecondOn) {
    SeeFloor(0);
    Monster* rat = PlaceMonster(30, 10);
    rat->speed = 2000;
    rat->TickMonster();
    EXPECT_EQ(rat->x, 30);
    EXPECT_EQ(rat->energy, 2000);
    rat->TickMonster();
    EXPECT_EQ(rat->x, 28);
    EXPECT_EQ(rat->regenerationCount, 2);  // one regeneration step before each action
    EXPECT_EQ(rat->energy, 2000);
}

TEST_F(MonsterTurn, BleedingCountsDownWithItsMessagesInView) {
    struct Case {
        const char* name;
        int32_t hp;
        int32_t bleedTurns;
        bool inView;
        const char* said;
        int32_t bleedDamageAfter;
    };
    const Case cases[] = {
        {"rat", 20, 3, true, "The rat bleeds.", 2},
        {"rat", 20, 1, true, "The rat bleeds. Its bleeding stops.", 0},
        {"rat", 20, 1, false, "", 0},
        {"Vir've", 20, 3, true, "Vir've bleeds.", 2},
        {"rat", 2, 3, true, "The rat dies of its wounds.", -1},
        {"Vir've", 2, 3, true, "Vir've dies of its wounds.", -1},
        {"rat", 2, 3, false, "", -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.name << " " << c.hp << " hp, " << c.bleedTurns << " turns");
        ResetGameState();
        OpenArea(floorArray[0], 1, 1, 78, 17);
        PutPlayer(10, 10);
        Monster* monster = PlaceMonster(12, 10, 0, c.name);
        floorArray[0].At(12, 10).visibleNow = c.inView ? 1 : 0;
        monster->hp = c.hp;
        monster->bleedTurns = c.bleedTurns;
        monster->bleedDamage = 2;
        monster->energy = 1000;
        monster->TickMonster();
        EXPECT_EQ(Messages(), c.said);
        EXPECT_EQ(monster->hp, c.hp - 2);
        EXPECT_EQ(monster->bleedDamage, c.bleedDamageAfter);
        const ColourCode stain = floorArray[0].At(12, 10).colour;
        EXPECT_TRUE(stain == kRed || stain == kLightRed) << stain;
        // A death by bleeding ends the tick: no action, no energy.
        if (c.bleedDamageAfter == -1) {
            EXPECT_EQ(monster->energy, 1000);
        }
    }
}

TEST_F(MonsterTurn, AMonsterBelowOneHitPointNeitherActsNorHeals) {
    SeeFloor(0);
    Monster* rat = PlaceMonster(11, 10);  // right beside the player
    rat->hp = -1;
    rat->energy = 5000;
    rat->regenerationPeriod = 0;
    rat->regenerationAmount = 30;
    rat->TickMonster();
    rat->RegenerateMonster();
    EXPECT_EQ(rat->hp, -1);
    EXPECT_EQ(rat->energy, 5000);
    EXPECT_EQ(rat->awake, 0);
    EXPECT_EQ(rat->regenerationCount, 0);
}

TEST_F(MonsterTurn, TauntEndsWithTheShooterArmedAgain) {
    SeeFloor(0);
    Monster* archer = PlaceMonster(30, 10, 0, "kobold archer");
    archer->tauntTurns = 1;
    archer->ranged = 0;
    archer->TickMonster();
    EXPECT_EQ(Messages(), "The kobold archer isn't taunted anymore.");
    EXPECT_EQ(archer->ranged, 1);
}

TEST_F(MonsterTurn, AnUndecidedAbilitySettlesOnOneFitForPlay) {
    // The first draw names an ability a monster cannot take up late; the second is kept.
    auto unfit = [](int32_t a) { return a == 30 || a == 24 || a == 22 || a == 25 || a == 26; };
    int32_t second = 0;
    const uint32_t seed = FindSeed([&](RandomMother& g) {
        const int32_t first = g.Random(32) + 1;
        second = g.Random(32) + 1;
        return unfit(first) && !unfit(second);
    });
    ASSERT_NE(seed, 0u);
    Monster* rat = PlaceMonster(40, 10);
    rat->ability = kAbilityStillDeciding;
    rng.RandomInit(seed);
    rat->TickMonster();
    EXPECT_EQ(rat->ability, second);
}

TEST_F(MonsterTurn, RegenerationHealsEveryPeriodTwiceOnPeacefulFloorsUpToTheMaximum) {
    struct Case {
        int32_t feeling;
        int32_t hp;
        int32_t count;
        int32_t expectedHp;
        int32_t expectedCount;
    };
    const Case cases[] = {
        {kFeelingNone, 10, 3, 10, 4},       // not yet
        {kFeelingNone, 10, 4, 13, 0},       // the fifth step heals
        {kFeelingPeaceful, 10, 4, 16, 0},   // twice the amount
        {kFeelingPeaceful, 17, 4, 20, 0},   // never above the maximum
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "feeling " << c.feeling << ", " << c.hp << " hp, count " << c.count);
        floorArray[0].feeling = c.feeling;
        Monster* rat = PlaceMonster(40, 10);
        rat->regenerationPeriod = 5;
        rat->regenerationAmount = 3;
        rat->hp = c.hp;
        rat->regenerationCount = c.count;
        rat->RegenerateMonster();
        EXPECT_EQ(rat->hp, c.expectedHp);
        EXPECT_EQ(rat->regenerationCount, c.expectedCount);
    }
}

TEST_F(MonsterTurn, ADemonLeftOnAnotherFloorIsWholeAgain) {
    OpenArea(floorArray[6], 1, 1, 78, 17);
    CreateUniqueDemon(30, 5, 6, kFloorsOwnDemon);
    Monster* virve = FindMonsterAt(30, 5, 6);
    ASSERT_NE(virve, nullptr);
    virve->hp = 3;
    virve->RegenerateMonster();
    EXPECT_EQ(virve->hp, 100);
    PutPlayer(10, 10, 6);
    virve->hp = 3;
    virve->RegenerateMonster();
    EXPECT_EQ(virve->hp, 3);
}

TEST_F(MonsterTurn, AStalkerWakesAndHuntsOnlyBesideThePlayer) {
    SeeFloor(0);
    Monster* stalker = PlaceMonster(12, 10, 0, "horror spider");
    stalker->ability = kAbilityStalker;
    EXPECT_EQ(stalker->TakeMonsterTurn(), 0);
    EXPECT_EQ(stalker->awake, 0);
    EXPECT_EQ(stalker->hunting, 0);
    EXPECT_EQ(stalker->x, 12);  // it waits where it is

    PutPlayer(11, 11);
    EXPECT_EQ(stalker->TakeMonsterTurn(), 1);  // it strikes
    EXPECT_EQ(stalker->awake, 1);
    EXPECT_EQ(stalker->hunting, 1);
    EXPECT_EQ(stalker->x, 12);
}

TEST_F(MonsterTurn, AShooterShootsFromFiveSquaresWestOrNorthButFourEastOrSouth) {
    struct Case {
        int32_t dx;
        int32_t dy;
        bool shoots;
    };
    // The player's place against the shooter at (40, 10).
    const Case cases[] = {{-5, 0, true}, {0, -5, true}, {4, 0, true},  {0, 4, true},
                          {1, 1, true},  {5, 0, false}, {0, 5, false}, {-6, 0, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "player at " << c.dx << "," << c.dy);
        ResetGameState();
        OpenArea(floorArray[0], 1, 1, 78, 17);
        SeeFloor(0);
        PutPlayer(40 + c.dx, 10 + c.dy);
        Monster* archer = PlaceMonster(40, 10, 0, "kobold archer");
        archer->ranged = 1;
        EXPECT_EQ(archer->TakeMonsterTurn(), 1);
        const bool stayed = archer->x == 40 && archer->y == 10;
        EXPECT_EQ(stayed, c.shoots);  // where it does not shoot it closes in
    }
}

TEST_F(MonsterTurn, ARingOfStealthKeepsMonstersAsleepAndShortensTheirSight) {
    // Out of view but on a tile the player has seen, six squares east of the player.
    for (Tile& tile : floorArray[0].tiles) tile.remembered = 1;
    Monster* rat = PlaceMonster(16, 10);
    const auto sixSquaresEast = [rat] { MoveMonsterTo(*rat, 16, 10); };
    WearRing(kPropertyStealth);
    rat->TakeMonsterTurn();
    EXPECT_EQ(rat->awake, 0);

    player.inventory.clear();
    player.equipSlots[kSlotRightRing] = -1;
    sixSquaresEast();
    rat->TakeMonsterTurn();
    EXPECT_EQ(rat->awake, 1);

    // Awake and hunting, it closes in without the ring...
    sixSquaresEast();
    rat->hunting = 1;
    EXPECT_EQ(rat->TakeMonsterTurn(), 1);
    EXPECT_EQ(rat->lastMove, 4);  // west
    // ...while with it the hunt is forgotten and six squares lie beyond its sight.
    WearRing(kPropertyStealth);
    sixSquaresEast();
    EXPECT_EQ(rat->TakeMonsterTurn(), 0);
    EXPECT_EQ(rat->hunting, 0);
}

TEST_F(MonsterTurn, OnAConfusingFloorOnlyASightOfThePlayerWakes) {
    floorArray[0].feeling = kFeelingConfusing;
    for (Tile& tile : floorArray[0].tiles) tile.remembered = 1;
    Monster* rat = PlaceMonster(30, 10);
    rat->TakeMonsterTurn();
    EXPECT_EQ(rat->awake, 0);
    floorArray[0].At(rat->x, rat->y).visibleNow = 1;
    rat->TakeMonsterTurn();
    EXPECT_EQ(rat->awake, 1);
}

TEST_F(MonsterTurn, ColdWarmAndBleedingMonstersMarkTheFloorBeneath) {
    struct Case {
        int32_t ability;
        ColourCode walls;
        ColourCode ground;
        ColourCode after;
    };
    const Case cases[] = {
        {kAbilityColdTouch, kStoneWalls, kWhite, kLightCyan},
        {kAbilityFrostbites, kStoneWalls, kWhite, kLightCyan},
        {kAbilityColdTouch, kSnowyWalls, kWhite, kWhite},  // only on stone-walled floors
        {kAbilityWarmTouch, kIcyWalls, kLightCyan, kWhite},
        {kAbilityWarmTouch, kStoneWalls, kWhite, kWhite},
        {kAbilityNone, kStoneWalls, kWhite, kWhite},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "ability " << c.ability << ", walls " << c.walls);
        floorArray[0].At(0, 0).colour = c.walls;
        Monster* monster = PlaceMonster(30, 5);
        monster->ability = c.ability;
        floorArray[0].At(30, 5).colour = c.ground;
        monster->MarkMonsterTrail();
        EXPECT_EQ(floorArray[0].At(30, 5).colour, c.after);
    }
    // Only plain floor takes a mark.
    Monster* cold = PlaceMonster(31, 5);
    cold->ability = kAbilityColdTouch;
    floorArray[0].At(31, 5).glyph = kSlushGlyph;
    floorArray[0].At(31, 5).colour = kWhite;
    floorArray[0].At(0, 0).colour = kStoneWalls;
    cold->MarkMonsterTrail();
    EXPECT_EQ(floorArray[0].At(31, 5).colour, kWhite);

    const uint32_t seed = FindSeed([](RandomMother& g) { return g.Random(2) == 0; });
    Monster* bleeder = PlaceMonster(32, 5);
    bleeder->bleedTurns = 2;
    rng.RandomInit(seed);
    bleeder->MarkMonsterTrail();
    EXPECT_EQ(floorArray[0].At(32, 5).colour, kDriedBlood);
}

TEST_F(MonsterTurn, OffThePlayersFloorAMonsterOnlyWanders) {
    OpenArea(floorArray[3], 1, 1, 78, 17);
    SeeFloor(3);
    Monster* far = PlaceMonster(11, 10, 3);  // the player's coordinates, another floor
    far->awake = 1;
    far->hunting = 1;
    EXPECT_EQ(far->TakeMonsterTurn(), 0);
    EXPECT_NE(far->lastMove, 0);  // an awake wanderer finds a step in the open
}

}  // namespace
