#include "game/game.h"
#include "monsters/monster_fixture.h"
#include "support/screen_test.h"
#include "toolkit/message_log.h"
#include "world/player.h"

namespace {

class MainLoop : public ScreenTest {};

TEST_F(MainLoop, ASlowPassGainsEnergyAndTheNextOneActs) {
    player.speed = 10900;
    RunPlayerTurn();  // 0 -> 10900: no action, no key read
    EXPECT_EQ(player.turns, 0);
    EXPECT_EQ(player.mapDrawnFlag, 1);
    Type("5");
    RunPlayerTurn();
    EXPECT_EQ(player.turns, 1);
    EXPECT_EQ(player.energy, 900 + 10900);
    EXPECT_EQ(player.acted, 1);
}

TEST_F(MainLoop, AFastCharacterActsTwiceInOnePass) {
    player.speed = 10900;
    player.energy = 20000;
    Type("i5");  // a key that takes no time is followed by another read
    Type("5");
    RunPlayerTurn();
    EXPECT_EQ(player.turns, 2);
    EXPECT_EQ(player.energy, 10900);
}

TEST_F(MainLoop, ASleepingCharacterPassesItsActionsWithoutKeys) {
    player.energy = 10000;
    player.sleep = 3;
    RunPlayerTurn();
    EXPECT_EQ(player.turns, 1);
    player.sleep = 0;
    player.paralysis = 2;
    player.energy = 10000;
    RunPlayerTurn();
    EXPECT_EQ(player.turns, 2);
}

TEST_F(MainLoop, DizzinessEndsWhenTheCharacterCannotMove) {
    player.dizziness = 5;
    player.immobility = 3;
    RunPlayerTurn();
    EXPECT_EQ(player.dizziness, 0);
}

TEST_F(MainLoop, TheEndOfTurnRedrawFlushesMessagesOnlyBeforeAnAction) {
    messageLog.PrintMessage("Drip. ");
    player.energy = 0;
    RedrawEndOfTurn();
    EXPECT_TRUE(messageLog.used[0]);
    EXPECT_EQ(Row(19), std::string(80, ' '));

    player.acted = 1;
    player.energy = 10000;
    RedrawEndOfTurn();
    EXPECT_FALSE(messageLog.used[0]);
    EXPECT_EQ(TextAt(19, 0, 5), "Drip.");
    EXPECT_EQ(player.acted, 0);
}

TEST_F(MainLoop, AFullPassEndsWithTheGameScreen) {
    player.energy = 10000;
    Type("5");
    RunMainLoopPass();
    EXPECT_EQ(player.turns, 1);
    EXPECT_EQ(CharAt(0, 0), '@');
    EXPECT_EQ(TextAt(24, 24, 4), "T: 1");
}

TEST_F(MainLoop, TheMonsterPhaseTicksThePlayersFloorAndRemovesTheDead) {
    OpenArea(floorArray[0], 1, 1, 78, 17);
    OpenArea(floorArray[1], 1, 1, 78, 17);
    PutPlayer(10, 10);
    Monster* here = PlaceMonster(40, 10, 0);
    Monster* elsewhere = PlaceMonster(40, 10, 1);
    Monster* dead = PlaceMonster(50, 10, 0);
    dead->alive = 0;
    RunMonsterPhase();
    EXPECT_EQ(here->energy, 1000);
    EXPECT_EQ(elsewhere->energy, 0);
    EXPECT_EQ(MonsterCount(), 2);
    EXPECT_EQ(FindMonsterAt(50, 10, 0), nullptr);
    EXPECT_EQ(floorArray[0].At(50, 10).monsterPresent, 0);
    EXPECT_EQ(floorArray[0].At(10, 10).monsterPresent, 1);
}

TEST_F(MainLoop, WhatAnActionKilledLeavesTheListBeforeTheNextAction) {
    OpenArea(floorArray[0], 1, 1, 78, 17);
    PutPlayer(10, 10);
    PlaceMonster(11, 10)->alive = 0;  // as a blow of this pass left it
    player.energy = 10000;
    Type("5");
    RunPlayerTurn();
    EXPECT_EQ(MonsterCount(), 0);
}

}  // namespace
