// The quick move and quick rest, the hostile-monster test and where a run stops by itself.
#include <curses.h>
#include <gtest/gtest.h>

#include "game/command_reader.h"
#include "player/command_helpers.h"
#include "support/screen_test.h"
#include "toolkit/drawing.h"
#include "toolkit/message_log.h"
#include "world/command_keys.h"
#include "world/floor.h"
#include "world/monster.h"
#include "world/player.h"
#include "world/sage.h"

namespace {

class QuickMoves : public ScreenTest {
protected:
    // Runs the turn loop's reading and executing until the game waits for a key.
    static void PlayUntilAKeyIsWanted() {
        const bool waited = RunUntilItWaitsForAKey([] {
            for (;;) {
                while (ReadCommandKey() == 0) {
                }
                player.ExecuteCommand();
            }
        });
        EXPECT_TRUE(waited);
    }
    std::string Blank() const { return std::string(80, ' '); }
};

const std::vector<std::string> kRoom = {".......", ".......", "...P...", ".......", "......."};

TEST_F(QuickMoves, ThePromptAsksForADirectionAndZLeaves) {
    DrawMap(0, kRoom, 10, 5);
    Type("x");  // a key that names no direction is ignored
    EXPECT_TRUE(RunUntilItWaitsForAKey([] { player.QuickMove(); }));
    EXPECT_EQ(Row(19), "Quick move to which direction? (5 = quick rest, z = exit)" + std::string(23, ' '));
    EXPECT_EQ(Row(20), "Press space during the quick move to stop moving." + std::string(31, ' '));
    EXPECT_EQ(ColourAt(19, 0), 11);
    EXPECT_EQ(ColourAt(20, 0), 11);

    for (const char* leave : {"z", "Z", "`", "\x1b"}) {
        Type(leave);
        currentCommand = kCommandQuickMove;
        EXPECT_EQ(player.ExecuteCommand(), 0) << leave;
        EXPECT_EQ(Row(19), Blank()) << leave;
        EXPECT_EQ(Row(20), Blank()) << leave;
        EXPECT_EQ(player.runKey, kNoRunKey);
        EXPECT_EQ(player.x, 13);
    }
}

TEST_F(QuickMoves, ADirectionMakesTheFirstStepAndStartsTheRun) {
    DrawMap(0, kRoom, 10, 5);
    Type("8");
    EXPECT_EQ(player.QuickMove(), 1);
    EXPECT_EQ(player.y, 6);
    EXPECT_EQ(player.runKey, '8');
    EXPECT_EQ(player.quickRestCount, 50);
    EXPECT_EQ(Row(19), Blank());

    // The answer may be an arrow key, and the keypad starts without a prompt.
    Press(KEY_RIGHT);
    EXPECT_EQ(player.QuickMove(), 1);
    EXPECT_EQ(player.x, 14);
    EXPECT_EQ(player.runKey, '6');
    player.quickMoveDigit = '1';
    EXPECT_EQ(player.QuickMove(), 1);
    EXPECT_EQ(player.x, 13);
    EXPECT_EQ(player.y, 7);
    EXPECT_EQ(player.runKey, '1');

    // A found trap right after the first step: the step is made, the run is not.
    floorArray[0].At(13, 5).glyph = '^';
    Type("8");
    EXPECT_EQ(player.QuickMove(), 1);
    EXPECT_EQ(player.y, 6);
    EXPECT_EQ(player.runKey, kNoRunKey);
}

TEST_F(QuickMoves, WhatStopsTheFirstStep) {
    // A wall, a sage, and a monster (attacked, but no step is reported).
    DrawMap(0, {"#.M", ".P.", "..."}, 10, 5);
    AddSage(12, 6, 0);
    for (const char* key : {"7", "6", "9"}) {
        Type(key);
        EXPECT_EQ(player.QuickMove(), 0) << key;
        EXPECT_EQ(player.x, 11);
        EXPECT_EQ(player.y, 6);
        EXPECT_EQ(player.runKey, kNoRunKey);
    }
}

TEST_F(QuickMoves, HostileMonstersInSightRefuseIt) {
    DrawMap(0, {"M......", "...P..."}, 10, 5);
    SeeWholeFloor(0);
    EXPECT_EQ(player.QuickMove(), 0);
    EXPECT_EQ(TextAt(19, 0, 54), "You can't do that while there are monsters that close!");
    // A stalker that sleeps goes unnoticed.
    monsterListHead->ability = 24;
    Type("6");
    EXPECT_EQ(player.QuickMove(), 1);
}

TEST_F(QuickMoves, WhichMonstersCountAsHostileInSight) {
    struct Case {
        const char* what;
        int32_t dx;
        int32_t dy;
        int32_t floor;
        bool visible;
        int32_t ability;
        uint8_t awake;
        bool counts;
    };
    const Case cases[] = {
        {"beside", 1, 0, 0, true, 0, 0, true},
        {"at the corner of sight", 6, -6, 0, true, 0, 0, true},
        {"one beyond sight", 7, 0, 0, true, 0, 0, false},
        {"out of view", 2, 0, 0, false, 0, 0, false},
        {"on another floor", 1, 0, 1, true, 0, 0, false},
        {"a sleeping stalker", 1, 0, 0, true, 24, 0, false},
        {"an awake stalker", 1, 0, 0, true, 24, 1, true},
    };
    for (const Case& c : cases) {
        FreeAllMonsters();
        for (Tile& tile : floorArray[0].tiles) tile.visibleNow = c.visible ? 1 : 0;
        for (Tile& tile : floorArray[1].tiles) tile.visibleNow = 1;
        player.x = 20;
        player.y = 8;
        Monster* monster = AddMonster(20 + c.dx, 8 + c.dy, c.floor);
        monster->ability = c.ability;
        monster->awake = c.awake;
        EXPECT_EQ(player.IsHostileMonsterInSight(), c.counts) << c.what;
    }
    // A tile counts by the first monster the list holds for it.
    monsterListHead->awake = 0;
    AddMonster(21, 8, 0);
    EXPECT_FALSE(player.IsHostileMonsterInSight());
}

TEST_F(QuickMoves, AnImmobileCharacterMayOnlyRestOrLeave) {
    DrawMap(0, kRoom, 10, 5);
    player.immobility = 4;
    Type("8");
    EXPECT_EQ(player.QuickMove(), 0);
    EXPECT_EQ(TextAt(19, 0, 15), "You can't move!");
    Type("z");
    EXPECT_EQ(player.QuickMove(), 0);
    Type("5");
    EXPECT_EQ(player.QuickMove(), 1);
    EXPECT_EQ(player.runKey, '5');
    EXPECT_EQ(player.y, 7);
}

TEST_F(QuickMoves, AnUninterruptedQuickRestMakesFiftyOneRests) {
    DrawMap(0, kRoom, 10, 5);
    for (int enter : {'5', '\n', '.'}) {
        SCOPED_TRACE(enter);
        player.hpRegen.count = 0;
        player.spRegen.count = 0;
        Press(enter);
        EXPECT_EQ(player.QuickMove(), 1);
        EXPECT_EQ(player.quickRestCount, 0);
        PlayUntilAKeyIsWanted();
        EXPECT_EQ(player.hpRegen.count, 51);
        EXPECT_EQ(player.spRegen.count, 102);
        EXPECT_EQ(player.runKey, kNoRunKey);
    }
}

// Where a run stops by itself, told for a run north ('P' runs up the picture)
// and tried in all four directions by turning the picture with the run.
TEST_F(QuickMoves, WhereARunStopsByItself) {
    struct Case {
        const char* what;
        std::vector<std::string> picture;
        bool stops;
    };
    const Case cases[] = {
        {"a straight corridor", {"#.#", "#.#", "#P#", "#.#"}, false},
        {"the mouth of a corridor into a room", {".....", "#...#", "##P##", "##.##"}, true},
        {"a doorway onto a found trap and slush", {"#####", "#^.,#", "##P##", "##.##"}, true},
        {"a T-junction", {"###", ".P.", "#.#"}, true},
        {"a simple bend, which the step turns", {"###", "#P.", "#.#"}, false},
        {"a bend with no floor behind", {"#.#", "#P.", "###"}, true},
        {"an ice block beside, no floor", {"#.#", "'P#", "#.#"}, true},
        {"a side passage opening just ahead", {"#..", "#..", "#P#", "#.#"}, true},
        {"floor ahead on both sides further on", {"..#", "#..", "#P#", "#.#"}, false},
        {"the middle of a room", {".....", ".....", "..P..", ".....", "....."}, false},
    };
    const int32_t runs[] = {kCommandNorth, kCommandEast, kCommandSouth, kCommandWest};
    for (const Case& c : cases) {
        std::vector<std::string> picture = c.picture;
        for (int32_t run : runs) {
            for (Tile& tile : floorArray[0].tiles) tile = Tile();
            DrawMap(0, picture, 30, 6);
            player.runKey = static_cast<uint8_t>(keyTable[run]);
            player.CheckQuickMoveStop();
            EXPECT_EQ(player.runKey == kNoRunKey, c.stops) << c.what << ", run " << run << MapAround(0, 29, 5, 8, 8);
            picture = TurnRight(picture);
        }
    }
}

TEST_F(QuickMoves, OnlyOrthogonalRunsStopAtOpenings) {
    DrawMap(0, {"###", ".P.", "#.#"}, 30, 6);  // a T-junction
    for (uint8_t key : {uint8_t{'5'}, uint8_t{'7'}, uint8_t{'3'}, kNoRunKey}) {
        player.runKey = key;
        player.CheckQuickMoveStop();
        EXPECT_EQ(player.runKey, key);
    }
}

TEST_F(QuickMoves, AtTheMapsTopOnlyRowsFromOneOnCount) {
    // The side passage ahead reaches into row 0, which is not counted: no stop.
    DrawMap(0, {"#..", "#..", "#P#", "#.#"}, 30, 0);
    player.runKey = '8';
    player.CheckQuickMoveStop();
    EXPECT_EQ(player.runKey, '8');
}

TEST_F(QuickMoves, ARunFollowsACorridorRoundABendAndStopsAtTheRoom) {
    DrawMap(0,
            {
                "##.....##",
                "##.....##",
                "####.####",
                "####.####",
                "####...##",
                "######.##",
                "######.##",
                "######P##",
            },
            20, 3);
    Type("8");
    EXPECT_EQ(player.QuickMove(), 1);
    PlayUntilAKeyIsWanted();
    // North, west round the bend, north again, and a stop in the doorway of the room.
    EXPECT_EQ(player.x, 24);
    EXPECT_EQ(player.y, 5) << MapAround(0, 20, 3, 9, 8);
    EXPECT_EQ(player.runKey, kNoRunKey);
}

TEST_F(QuickMoves, ADiagonalRunStopsBeforeAnIceBlock) {
    // The key reader ends the run two steps before the block; the step it already chose is made.
    DrawMap(0, {"......'", "......", "......", "......", "..P..."}, 20, 3);
    Type("9");
    EXPECT_EQ(player.QuickMove(), 1);
    PlayUntilAKeyIsWanted();
    EXPECT_EQ(player.x, 25);
    EXPECT_EQ(player.y, 4);
    EXPECT_EQ(floorArray[0].At(26, 3).glyph, '\'');
    EXPECT_FALSE(messageLog.used[0]);  // the block was never kicked
}

}  // namespace
