// Monster steps and their refusals, the order in which a pursuer tries its
// steps, wandering, and monsters making way for each other beside the player.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "monsters/monster_fixture.h"
#include "support/game_state.h"
#include "world/direction.h"
#include "world/monster_abilities.h"

namespace {

enum : int32_t { N = 2, S = 3, W = 4, E = 5, NW = 6, NE = 7, SW = 8, SE = 9 };

class MonsterMovement : public ::testing::Test {
protected:
    void SetUp() override {
        ResetGameState();
        OpenArea(floorArray[0], 1, 1, 78, 17);
        PutPlayer(3, 3);
    }
};

XY Beside(const Monster& monster, int32_t step) {
    const XY offset = DirectionStep(step);
    return XY{monster.x + offset.x, monster.y + offset.y};
}

TEST_F(MonsterMovement, APursuerTriesItsStepsInTheOrderOfWhereTheTargetLiesAndHowItLastMoved) {
    struct Case {
        const char* name;
        int32_t dx;  // the target against the monster
        int32_t dy;
        int32_t lastMove;
        int32_t coin;  // the Random(2) of a straight target; -1 for none
        std::vector<int32_t> order;
    };
    const Case cases[] = {
        {"south-east after west", 5, 5, W, -1, {SE, S, SW, W, NW, N, NE, E}},
        {"south-east after north", 5, 5, N, -1, {SE, E, NE, N, NW, W, SW, S}},
        {"south-east", 5, 5, SE, -1, {SE, S, E, SW, NE, W, N, NW}},
        {"north-west after east", -5, -5, E, -1, {NW, N, NE, E, SE, S, SW, W}},
        {"north-west after south", -5, -5, S, -1, {NW, W, SW, S, SE, E, NE, N}},
        {"north-west", -5, -5, 0, -1, {NW, N, W, NE, SW, S, E, SE}},
        {"north-east after south", 5, -5, S, -1, {NE, E, SE, S, SW, W, NW, N}},
        {"north-east after west", 5, -5, W, -1, {NE, N, NW, W, SW, S, SE, E}},
        {"north-east", 5, -5, E, -1, {NE, N, E, NW, SE, S, W, SW}},
        {"south-west after north", -5, 5, N, -1, {SW, W, NW, N, NE, E, SE, S}},
        {"south-west after east", -5, 5, E, -1, {SW, S, SE, E, NE, N, NW, W}},
        {"south-west", -5, 5, SW, -1, {SW, S, W, SE, NW, E, N, NE}},
        {"south, heads", 0, 5, 0, 1, {S, SE, SW, E, W, NE, NW, N}},
        {"south, tails", 0, 5, 0, 0, {S, SW, SE, W, E, NW, NE, N}},
        {"north, heads", 0, -5, 0, 1, {N, NW, NE, W, E, SW, SE, S}},
        {"north, tails", 0, -5, 0, 0, {N, NE, NW, E, W, SE, SW, S}},
        {"east, heads", 5, 0, 0, 1, {E, NE, SE, N, S, NW, SW, W}},
        {"east, tails", 5, 0, 0, 0, {E, SE, NE, S, N, SW, NW, W}},
        {"west, heads", -5, 0, 0, 1, {W, SW, NW, S, N, SE, NE, E}},
        {"west, tails", -5, 0, 0, 0, {W, NW, SW, N, S, NE, SE, E}},
    };
    const uint32_t heads = FindSeed([](RandomMother& g) { return g.Random(2) != 0; });
    const uint32_t tails = FindSeed([](RandomMother& g) { return g.Random(2) == 0; });
    for (const Case& c : cases) {
        // With the first k steps of the order walled off, the next one is taken.
        for (std::size_t blocked = 0; blocked <= c.order.size(); ++blocked) {
            SCOPED_TRACE(testing::Message() << c.name << ", " << blocked << " blocked");
            ResetGameState();
            OpenArea(floorArray[0], 1, 1, 78, 17);
            PutPlayer(3, 3);
            Monster* monster = PlaceMonster(40, 10);
            monster->lastMove = c.lastMove;
            for (std::size_t k = 0; k < blocked; ++k) {
                const XY wall = Beside(*monster, c.order[k]);
                floorArray[0].At(wall.x, wall.y).glyph = kWallGlyph;
            }
            rng.RandomInit(c.coin == 0 ? tails : heads);
            const int32_t moved = monster->MoveMonsterToward(40 + c.dx, 10 + c.dy);
            if (blocked == c.order.size()) {
                EXPECT_EQ(moved, 0);
                EXPECT_EQ(monster->lastMove, c.lastMove);
            } else {
                EXPECT_EQ(moved, 1);
                EXPECT_EQ(monster->lastMove, c.order[blocked]);
            }
        }
    }
}

TEST_F(MonsterMovement, AStepIsRefusedByWallsIceSmithsFolkAndForbiddenGround) {
    struct Case {
        const char* what;
        char glyph;
        int32_t monsterFloor;  // the player stands on floor 0
        bool taken;
    };
    const Case cases[] = {
        {"floor", kFloorGlyph, 0, true},
        {"slush", kSlushGlyph, 0, true},
        {"wall", kWallGlyph, 0, false},
        {"ice block", kIceBlockGlyph, 0, false},
        {"deep smith", kDeepSmithGlyph, 0, false},
        {"stairs on the player's floor", kDownStairsGlyph, 0, true},
        {"stairs elsewhere", kUpStairsGlyph, 2, false},
        {"floor elsewhere", kFloorGlyph, 2, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ResetGameState();
        OpenArea(floorArray[c.monsterFloor], 1, 1, 78, 17);
        PutPlayer(3, 3);
        Monster* monster = PlaceMonster(40, 10, c.monsterFloor);
        floorArray[c.monsterFloor].At(41, 10).glyph = c.glyph;
        EXPECT_EQ(monster->StepMonster(E), c.taken ? 1 : 0);
        EXPECT_EQ(monster->x, c.taken ? 41 : 40);
    }
}

TEST_F(MonsterMovement, AStepNeverEntersThePlayerAnotherMonsterOrASage) {
    Monster* monster = PlaceMonster(40, 10);
    PutPlayer(41, 10);
    EXPECT_EQ(monster->StepMonster(E), 0);
    PlaceMonster(39, 10);
    EXPECT_EQ(monster->StepMonster(W), 0);
    AddSage(40, 9, 0);
    EXPECT_EQ(monster->StepMonster(N), 0);
    // The same square on another floor is no obstacle.
    AddSage(40, 11, 3);
    EXPECT_EQ(monster->StepMonster(S), 1);
}

TEST_F(MonsterMovement, TerrainBoundMonstersKeepOffGroundOfTheOtherColour) {
    struct Case {
        ColourCode monsterColour;
        ColourCode ground;
        bool taken;
    };
    const Case cases[] = {{kLightCyan, kWhite, false}, {kWhite, kLightCyan, false}, {kLightCyan, kLightCyan, true},
                          {kWhite, kWhite, true},      {kGrey, kWhite, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "colour " << c.monsterColour << " onto " << c.ground);
        Monster* monster = PlaceMonster(40, 10);
        monster->ability = kAbilityTerrainSpecific;
        monster->colour = c.monsterColour;
        floorArray[0].At(41, 10).colour = c.ground;
        EXPECT_EQ(monster->StepMonster(E), c.taken ? 1 : 0);
        FreeAllMonsters();
        for (Tile& tile : floorArray[0].tiles) tile.monsterPresent = 0;
    }
}

TEST_F(MonsterMovement, AStepMovesTheOccupiedMarkAndRemembersWhereItCameFrom) {
    Monster* monster = PlaceMonster(40, 10);
    EXPECT_EQ(monster->StepMonster(SW), 1);
    EXPECT_EQ(monster->x, 39);
    EXPECT_EQ(monster->y, 11);
    EXPECT_EQ(monster->previousX, 40);
    EXPECT_EQ(monster->previousY, 10);
    EXPECT_EQ(monster->lastMove, SW);
    EXPECT_EQ(floorArray[0].At(40, 10).monsterPresent, 0);
    EXPECT_EQ(floorArray[0].At(39, 11).monsterPresent, 1);
}

TEST_F(MonsterMovement, AWandererBoxedInTriesThirtyNineTimesAwakeAndOnceAsleep) {
    for (const uint8_t awake : {uint8_t{1}, uint8_t{0}}) {
        SCOPED_TRACE(testing::Message() << "awake " << int{awake});
        DrawMap(0, {"###", "#M#", "###"}, 40, 9);
        Monster* boxed = FindMonsterAt(41, 10, 0);
        boxed->awake = awake;
        RandomMother expected = rng;
        for (int32_t draw = 0; draw < (awake ? 39 : 1); ++draw) expected.Random(8);
        boxed->WanderMonster();
        EXPECT_EQ(boxed->x, 41);
        EXPECT_EQ(rng.x[0], expected.x[0]);
        EXPECT_EQ(rng.Random(1000), expected.Random(1000));
        FreeAllMonsters();
    }
}

TEST_F(MonsterMovement, AWoundedOrShootingMonsterSwapsWithAFresherFighterBehindIt) {
    struct Case {
        const char* what;
        int32_t frontHp;
        int32_t frontRanged;
        int32_t backHp;
        int32_t backRanged;
        int32_t backX;  // the player at (10, 10), the front monster at (11, 10)
        bool swaps;
    };
    const Case cases[] = {
        {"wounded before a healthy one", 10, 0, 20, 0, 12, true},
        {"healthy before a healthy one", 11, 0, 20, 0, 12, false},
        {"wounded before a wounded one", 10, 0, 19, 0, 12, false},
        {"a shooter before a fighter", 20, 1, 5, 0, 12, true},
        {"a shooter before a shooter", 20, 1, 20, 1, 12, false},
        {"the other beside the player too", 5, 0, 20, 0, 11, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ResetGameState();
        OpenArea(floorArray[0], 1, 1, 78, 17);
        PutPlayer(10, 10);
        Monster* front = PlaceMonster(11, 10, 0, "rat");
        front->hp = c.frontHp;
        front->ranged = c.frontRanged;
        front->lastMove = W;
        Monster* back = PlaceMonster(c.backX, c.backX == 11 ? 11 : 10, 0, "wolf");
        back->hp = c.backHp;
        back->ranged = c.backRanged;
        const XY backWasAt{back->x, back->y};
        EXPECT_EQ(front->SwapPlacesWithAlly(), c.swaps ? 1 : 0);
        if (!c.swaps) {
            EXPECT_EQ(front->x, 11);
            EXPECT_EQ(Messages(), "");
            continue;
        }
        EXPECT_EQ(front->x, backWasAt.x);
        EXPECT_EQ(back->x, 11);
        EXPECT_EQ(front->lastMove, W);
        EXPECT_EQ(floorArray[0].At(11, 10).monsterPresent, 1);
        EXPECT_EQ(floorArray[0].At(backWasAt.x, backWasAt.y).monsterPresent, 1);
        EXPECT_EQ(Messages(), "The rat and the wolf swap places.");
    }
}

TEST_F(MonsterMovement, AMonsterPluggingACorridorStepsAsideForTheAllyBehindIt) {
    // The corridor opens into the room where the player stands.
    DrawMap(0,
            {
                ".....######",
                "....PMM....",
                ".....######",
            },
            6, 9);
    Monster* plug = FindMonsterAt(11, 10, 0);
    EXPECT_EQ(plug->MakeRoomForAlly(), 1);
    EXPECT_EQ(plug->x, 10);
    EXPECT_EQ(plug->y, 9);
    EXPECT_EQ(floorArray[0].At(11, 10).monsterPresent, 0);
    EXPECT_EQ(floorArray[0].At(10, 9).monsterPresent, 1);
    EXPECT_EQ(Messages(), "");

    // With nobody behind it, it stays.
    FreeAllMonsters();
    DrawMap(0, {"....PM....."}, 6, 10);
    EXPECT_EQ(FindMonsterAt(11, 10, 0)->MakeRoomForAlly(), 0);
}

// An ally that died this turn still holds its square until the purge, but it
// needs no way through: the plug stays.
TEST_F(MonsterMovement, NobodyMakesRoomForAnAllyWaitingToBePurged) {
    DrawMap(0,
            {
                ".....######",
                "....PMM....",
                ".....######",
            },
            6, 9);
    Monster* behind = FindMonsterAt(12, 10, 0);
    behind->hp = 0;
    behind->alive = 0;
    Monster* plug = FindMonsterAt(11, 10, 0);
    EXPECT_EQ(plug->MakeRoomForAlly(), 0);
    EXPECT_EQ(plug->x, 11);
    EXPECT_EQ(floorArray[0].At(11, 10).monsterPresent, 1);
}

TEST_F(MonsterMovement, InAnOpenRoomNobodyMakesRoom) {
    DrawMap(0,
            {
                ".......",
                "...PMM.",
                ".......",
            },
            6, 9);
    EXPECT_EQ(FindMonsterAt(11, 10, 0)->MakeRoomForAlly(), 0);
}

}  // namespace
