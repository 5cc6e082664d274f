// The eight steps, ice blocks, corridor bends, staggering and the berserk rule.
#include <gtest/gtest.h>

#include <algorithm>

#include "floors/floor_feelings.h"
#include "player/command_helpers.h"
#include "player/commands.h"
#include "support/game_state.h"
#include "support/screen_test.h"
#include "toolkit/message_log.h"
#include "toolkit/random_mother.h"
#include "world/command_keys.h"
#include "world/direction.h"
#include "world/floor.h"
#include "world/player.h"

namespace {

class Movement : public ScreenTest {};

struct Direction {
    int32_t command;
    int32_t dx;
    int32_t dy;
};
constexpr Direction kDirections[] = {{kCommandNorth, 0, -1},    {kCommandSouth, 0, 1},      {kCommandWest, -1, 0},
                                     {kCommandEast, 1, 0},      {kCommandNorthWest, -1, -1}, {kCommandNorthEast, 1, -1},
                                     {kCommandSouthWest, -1, 1}, {kCommandSouthEast, 1, 1}};

const std::vector<std::string> kOpenRoom = {".....", ".....", "..P..", ".....", "....."};

TEST_F(Movement, EveryDirectionStepsOntoOpenGround) {
    for (const Direction& d : kDirections) {
        DrawMap(0, kOpenRoom, 10, 5);
        player.trapLock = 1;
        EXPECT_EQ(RunCommand(d.command), 1) << d.command;
        EXPECT_EQ(player.x, 12 + d.dx) << d.command;
        EXPECT_EQ(player.y, 7 + d.dy) << d.command;
        EXPECT_EQ(floorArray[0].At(12, 7).monsterPresent, 0);
        EXPECT_EQ(floorArray[0].At(player.x, player.y).monsterPresent, 1);
        EXPECT_EQ(player.trapLock, 0);
        floorArray[0].At(player.x, player.y).monsterPresent = 0;
    }
    // Whatever lies on the ground is walked onto: stairs, slush, a found trap, a bag, a campfire.
    for (char glyph : {'<', '>', ',', '^', '|', '~'}) {
        DrawMap(0, {"P" + std::string(1, glyph)}, 10, 5);
        EXPECT_EQ(RunCommand(kCommandEast), 1) << glyph;
        EXPECT_EQ(player.x, 11) << glyph;
    }
}

TEST_F(Movement, WallsAndDeepSmithsBlockWithoutCost) {
    for (char glyph : {'#', '@'}) {
        for (const Direction& d : kDirections) {
            DrawMap(0, {"...", ".P.", "..."}, 10, 5);
            floorArray[0].At(11 + d.dx, 6 + d.dy).glyph = glyph;
            EXPECT_EQ(RunCommand(d.command), 0) << glyph << " " << d.command;
            EXPECT_EQ(player.x, 11);
            EXPECT_EQ(player.y, 6);
            EXPECT_EQ(floorArray[0].At(11, 6).monsterPresent, 1);
        }
    }
    // The map's edge is a wall too.
    DrawMap(0, {"P."}, 0, 0);
    EXPECT_EQ(RunCommand(kCommandNorthWest), 0);
    EXPECT_EQ(player.x, 0);
}

TEST_F(Movement, ADiagonalRunEndsAtTheFirstWall) {
    DrawMap(0, {"#..", ".P.", "..."}, 10, 5);
    player.runKey = '7';
    EXPECT_EQ(RunCommand(kCommandNorthWest), 0);
    EXPECT_EQ(player.runKey, kNoRunKey);
}

// Runs north into the picture's wall, in all four turnings of the picture: the
// run turns to 'T' and steps there in the same action.
TEST_F(Movement, ARunTurnsAtASimpleBendInEveryDirection) {
    const std::vector<std::vector<std::string>> bends = {
        {"#####", "##PT#", "##.##"},  // north, turning east
        {"#####", "#TP##", "##.##"},  // north, turning west
    };
    const int32_t runs[] = {kCommandNorth, kCommandEast, kCommandSouth, kCommandWest};
    for (std::vector<std::string> picture : bends) {
        for (int32_t run : runs) {
            for (Tile& tile : floorArray[0].tiles) tile = Tile();
            XY turnTo;
            for (std::size_t j = 0; j < picture.size(); ++j) {
                const std::size_t i = picture[j].find('T');
                if (i == std::string::npos) continue;
                turnTo = {20 + static_cast<int32_t>(i), 5 + static_cast<int32_t>(j)};
            }
            std::vector<std::string> drawn = picture;
            for (std::string& row : drawn) std::replace(row.begin(), row.end(), 'T', '.');
            DrawMap(0, drawn, 20, 5);
            const XY from{player.x, player.y};
            player.runKey = static_cast<uint8_t>(keyTable[run]);
            EXPECT_EQ(RunCommand(run), 1) << run << MapAround(0, 19, 4, 7, 7);
            EXPECT_EQ(player.x, turnTo.x) << run;
            EXPECT_EQ(player.y, turnTo.y) << run;
            int32_t turned = kCommandNone;
            for (int32_t command = kCommandNorth; command <= kCommandEast; ++command) {
                const XY step = DirectionStep(command);
                if (from.x + step.x == turnTo.x && from.y + step.y == turnTo.y) turned = command;
            }
            EXPECT_EQ(player.runKey, static_cast<uint8_t>(keyTable[turned])) << run;
            picture = TurnRight(picture);
        }
    }
}

TEST_F(Movement, ARunOnlyFollowsCorridors) {
    // Not a corridor: more than three floor tiles around. The run stops at the wall.
    DrawMap(0, {"#####", "##P..", "##..."}, 20, 5);
    player.runKey = '8';
    EXPECT_EQ(RunCommand(kCommandNorth), 0);
    EXPECT_EQ(player.runKey, kNoRunKey);

    // Three floor tiles, but the third is no side: the run keeps pressing north,
    // and the key reader's stuck count ends it.
    for (Tile& tile : floorArray[0].tiles) tile = Tile();
    DrawMap(0, {"###.#", "##P##", "##.##"}, 20, 5);
    player.runKey = '8';
    EXPECT_EQ(RunCommand(kCommandNorth), 0);
    EXPECT_EQ(player.runKey, '8');
    EXPECT_EQ(player.x, 22);

    // Without a run going on, a wall is only a wall.
    for (Tile& tile : floorArray[0].tiles) tile = Tile();
    player.runKey = kNoRunKey;
    DrawMap(0, {"#####", "##P.#", "##.##"}, 20, 5);
    EXPECT_EQ(RunCommand(kCommandNorth), 0);
    EXPECT_EQ(player.x, 22);
}

TEST_F(Movement, KickingAnIceBlockUsesTheActionAndMayShatterIt) {
    struct Case {
        int32_t feeling;
        int32_t roll;
        bool shatters;
    };
    // 10 in 20 break on most floors, 3 in 20 on hard snow, 19 in 20 on a slushy floor.
    const Case cases[] = {{kFeelingNone, 9, true},     {kFeelingNone, 10, false},  {kFeelingHardSnow, 2, true},
                          {kFeelingHardSnow, 3, false}, {kFeelingSlushy, 18, true}, {kFeelingSlushy, 19, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "feeling " << c.feeling << ", roll " << c.roll);
        messageLog = MessageLog();
        DrawMap(0, {"P'"}, 10, 5);
        floorArray[0].feeling = c.feeling;
        rng.RandomInit(FindSeed([&](RandomMother& probe) { return probe.Random(20) == c.roll; }));
        EXPECT_EQ(RunCommand(kCommandEast), 1);
        EXPECT_EQ(player.x, 10);
        EXPECT_EQ(floorArray[0].At(10, 5).monsterPresent, 1);
        EXPECT_EQ(floorArray[0].At(11, 5).glyph, c.shatters ? '.' : '\'');
        EXPECT_NE(Messages().find(c.shatters ? "You smash the iceblock into pieces!"
                                             : "You kick the iceblock, but it doesn't shatter yet."),
                  std::string::npos)
            << Messages();
    }
    // A diagonal kick breaks the block in its own direction.
    DrawMap(0, {".'", "P."}, 10, 5);
    floorArray[0].feeling = kFeelingNone;
    rng.RandomInit(FindSeed([](RandomMother& probe) { return probe.Random(20) == 0; }));
    EXPECT_EQ(RunCommand(kCommandNorthEast), 1);
    EXPECT_EQ(floorArray[0].At(11, 5).glyph, '.');
    EXPECT_EQ(player.x, 10);
}

TEST_F(Movement, AStaggerGoesAnywhereButIntoAWall) {
    // By the first draw: stay, east, south, west, north, south-east, north-west, north-east, south-west.
    const int32_t byDraw[9] = {kCommandRest,      kCommandEast,      kCommandSouth,     kCommandWest,     kCommandNorth,
                               kCommandSouthEast, kCommandNorthWest, kCommandNorthEast, kCommandSouthWest};
    for (int32_t draw = 0; draw < 9; ++draw) {
        DrawMap(0, kOpenRoom, 10, 5);
        messageLog = MessageLog();
        rng.RandomInit(FindSeed([&](RandomMother& probe) { return probe.Random(9) == draw; }));
        EXPECT_EQ(player.Stagger(), byDraw[draw]) << draw;
        EXPECT_EQ(Messages().find("You stagger."), 0u) << Messages();
    }

    // Only east is open: every stagger goes east or stays.
    for (Tile& tile : floorArray[0].tiles) tile = Tile();
    DrawMap(0, {"P."}, 10, 5);
    bool went = false;
    bool stayed = false;
    for (uint32_t seed = 1; seed <= 40; ++seed) {
        rng.RandomInit(seed);
        messageLog = MessageLog();
        const int32_t command = player.Stagger();
        EXPECT_TRUE(command == kCommandEast || command == kCommandRest) << command;
        went = went || command == kCommandEast;
        stayed = stayed || command == kCommandRest;
    }
    EXPECT_TRUE(went && stayed);

    // Walled in on every side, the character stays.
    for (Tile& tile : floorArray[0].tiles) tile = Tile();
    DrawMap(0, {"P"}, 10, 5);
    EXPECT_EQ(player.Stagger(), kCommandRest);
}

TEST_F(Movement, ABerserkCharacterOnlyClosesIn) {
    DrawMap(0, {".....", ".P..M", "....."}, 10, 5);
    SeeWholeFloor(0);
    player.berserkBoon = kBoonStronger;
    EXPECT_EQ(RunCommand(kCommandWest), 0);
    EXPECT_EQ(player.x, 11);
    EXPECT_EQ(TextAt(19, 0, 45), "You can only move to attack while berserking!");
    EXPECT_EQ(RunCommand(kCommandNorth), 0);      // sideways is no closer
    EXPECT_EQ(RunCommand(kCommandNorthEast), 0);  // 3 away becomes 2 + 1
    EXPECT_EQ(RunCommand(kCommandEast), 1);
    EXPECT_EQ(player.x, 12);

    // A monster out of view does not hold the rage back; nor does a rage that has not broken out.
    for (Tile& tile : floorArray[0].tiles) tile.visibleNow = 0;
    EXPECT_EQ(RunCommand(kCommandWest), 1);
    SeeWholeFloor(0);
    player.berserkBoon = 1;
    EXPECT_EQ(RunCommand(kCommandWest), 1);
}

}  // namespace
