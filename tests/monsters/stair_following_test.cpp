// Monsters beside the player follow it through the stairs; one found on the
// player's arrival square is crushed, and the tiles keep telling who stands where.
#include <gtest/gtest.h>

#include "game/game.h"
#include "monsters/monster_fixture.h"
#include "player/command_helpers.h"
#include "player/commands.h"
#include "support/screen_test.h"
#include "world/command_keys.h"
#include "world/monster_abilities.h"

namespace {

class StairFollowing : public ScreenTest {
protected:
    // The player on the '>' of floor 0 at (33, 9); floor 1 has its first '<' at (30, 9),
    // walled on the west, with open floor around it on the other sides.
    void SetUp() override {
        ScreenTest::SetUp();
        DrawStairs();
    }

    static void DrawStairs() {
        for (int32_t f : {0, 1}) DrawMap(f, {"....", "<..>", "....", "<..>"}, 30, 8);
        PutPlayer(33, 9);
    }

    // A monster on floor 1 that stays where it is put (it never gathers energy).
    static Monster* StandStill(int32_t x, int32_t y) {
        Monster* monster = PlaceMonster(x, y, 1, "wolf");
        monster->speed = 0;
        return monster;
    }

    static void Descend() { ASSERT_EQ(RunCommand(kCommandDescend), 1); }
};

TEST_F(StairFollowing, HealthyMonstersBesideThePlayerFollowIt) {
    struct Case {
        const char* what;
        int32_t dx;
        int32_t dy;
        int32_t hp;
        int32_t ability;
        bool follows;
    };
    const Case cases[] = {
        {"beside, at half health", -1, 0, 10, kAbilityNone, true},
        {"beside, below half health", -1, 0, 9, kAbilityNone, false},
        {"diagonal", -1, 1, 20, kAbilityNone, true},
        {"two squares away", -2, 0, 20, kAbilityNone, false},
        {"bound to its terrain", -1, 0, 20, kAbilityTerrainSpecific, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ResetGameState();
        DrawStairs();
        Monster* rat = PlaceMonster(33 + c.dx, 9 + c.dy);
        rat->hp = c.hp;
        rat->ability = c.ability;
        rat->awake = 1;
        Descend();
        EXPECT_EQ(player.currentFloor, 1);
        if (!c.follows) {
            EXPECT_EQ(rat->floor, 0);
            EXPECT_EQ(floorArray[0].At(33 + c.dx, 9 + c.dy).monsterPresent, 1);
            EXPECT_EQ(Messages().find("follows"), std::string::npos);
            continue;
        }
        EXPECT_EQ(rat->floor, 1);
        EXPECT_EQ(rat->x, 30);  // the first free square around the arrival staircase
        EXPECT_EQ(rat->y, 8);
        EXPECT_EQ(rat->hp, c.hp);
        EXPECT_EQ(rat->awake, 1);
        EXPECT_EQ(floorArray[0].At(33 + c.dx, 9 + c.dy).monsterPresent, 0);
        EXPECT_EQ(floorArray[1].At(30, 8).monsterPresent, 1);
        // The arrival tile speaks after the followers.
        EXPECT_EQ(Messages(), "The rat follows you. You see stairs leading upwards here.");
    }
}

TEST_F(StairFollowing, FollowersTakeTheFreeSquaresAroundTheStaircaseInTurn) {
    Monster* first = PlaceMonster(32, 9, 0, "rat");
    Monster* second = PlaceMonster(33, 10, 0, "bat");
    StandStill(30, 8);  // the first square is taken
    Descend();
    EXPECT_EQ(first->floor, 1);
    EXPECT_EQ(first->x, 30);
    EXPECT_EQ(first->y, 10);
    EXPECT_EQ(second->floor, 1);
    EXPECT_EQ(second->x, 31);
    EXPECT_EQ(second->y, 8);
    EXPECT_EQ(Messages(), "The rat follows you. The bat follows you. You see stairs leading upwards here.");
}

TEST_F(StairFollowing, WithoutRoomAroundTheStaircaseAFollowerStaysBehind) {
    for (const XY square : {XY{30, 8}, XY{30, 10}, XY{31, 9}, XY{31, 10}}) StandStill(square.x, square.y);
    AddSage(31, 8, 1);  // nobody lands on a sage
    Monster* rat = PlaceMonster(32, 9);
    Descend();
    EXPECT_EQ(rat->floor, 0);
    EXPECT_EQ(Messages().find("follows"), std::string::npos);
}

TEST_F(StairFollowing, GoingUpTheyLandBesideTheDownStaircaseAbove) {
    floorArray[1].At(30, 9).glyph = kUpStairsGlyph;
    PutPlayer(30, 9, 1);
    floorArray[0].At(33, 9).monsterPresent = 0;
    Monster* rat = PlaceMonster(31, 9, 1);
    ASSERT_EQ(RunCommand(kCommandAscend), 1);
    EXPECT_EQ(player.currentFloor, 0);
    EXPECT_EQ(player.x, 33);
    EXPECT_EQ(rat->floor, 0);
    EXPECT_EQ(rat->x, 32);  // around the first '>' of floor 0: (33, 9)
    EXPECT_EQ(rat->y, 8);
}

TEST_F(StairFollowing, AMonsterOnTheArrivalSquareIsCrushedAndNeverSpoilsThePlayersTile) {
    Monster* crushed = StandStill(30, 9);
    crushed->awake = 1;
    Descend();
    crushed->speed = 1000;
    crushed->energy = 1000;
    EXPECT_EQ(player.x, 30);
    EXPECT_EQ(player.y, 9);
    EXPECT_EQ(crushed->hp, -1);
    EXPECT_EQ(crushed->alive, 1);  // the death pass of the monster phase takes it

    // It does nothing more (its blows would land for 50) and dies in the death pass,
    // on the player's tile, which stays taken.
    crushed->toHitThreshold = 0;
    crushed->damageBound1 = crushed->damageBound2 = 50;
    const int32_t hpBefore = player.hp;
    RunMonsterPhase();
    EXPECT_EQ(player.hp, hpBefore);
    EXPECT_EQ(player.kills, 1);
    EXPECT_EQ(FindMonsterAt(30, 9, 1), nullptr);
    EXPECT_EQ(MonsterCount(1), 0);
    EXPECT_EQ(floorArray[1].At(30, 9).monsterPresent, 1);
}

TEST_F(StairFollowing, FindStaircaseScansColumnByColumn) {
    const XY down = FindStaircase(0, true);
    EXPECT_EQ(down.x, 33);
    EXPECT_EQ(down.y, 9);
    const XY up = FindStaircase(1, false);
    EXPECT_EQ(up.x, 30);
    EXPECT_EQ(up.y, 9);
    const XY none = FindStaircase(2, false);
    EXPECT_EQ(none.x, -1);
    EXPECT_EQ(none.y, -1);
}

}  // namespace
