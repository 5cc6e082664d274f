// Going down and up the stairs, and the stairs that refuse.
#include <gtest/gtest.h>

#include "player/command_helpers.h"
#include "support/screen_test.h"
#include "support/working_directory.h"
#include "toolkit/drawing.h"
#include "toolkit/message_log.h"
#include "world/command_keys.h"
#include "world/floor.h"
#include "world/monster.h"
#include "world/player.h"

namespace {

class Stairs : public ScreenTest {
protected:
    // The player on a staircase of the floor, with the other kind of staircase
    // on the floors above and below, twice, so that the first in scan order counts.
    static void StandOn(int32_t floor, char glyph) {
        for (int32_t f : {floor - 1, floor, floor + 1}) {
            if (f < 0 || f >= kFloorCount) continue;
            DrawMap(f, {"....", "<..>", "....", "<..>"}, 30, 8);
        }
        DrawMap(floor, {"P"}, glyph == '<' ? 30 : 33, 9);
        floorArray[floor].At(player.x, player.y).glyph = glyph;
    }
};

TEST_F(Stairs, DownToTheFirstUpStaircaseAndBackUp) {
    StandOn(0, '>');
    player.deepestFloor = 0;
    Monster target;
    player.target = &target;
    EXPECT_EQ(RunCommand(kCommandDescend), 1);
    EXPECT_EQ(player.currentFloor, 1);
    EXPECT_EQ(player.x, 30);
    EXPECT_EQ(player.y, 9);  // the upper of the two in the first column that holds one
    EXPECT_EQ(player.deepestFloor, 1);
    EXPECT_EQ(player.target, nullptr);
    EXPECT_EQ(floorArray[0].At(33, 9).monsterPresent, 0);
    EXPECT_EQ(floorArray[1].At(30, 9).monsterPresent, 1);
    EXPECT_EQ(CharAt(9, 30), '@');

    EXPECT_EQ(RunCommand(kCommandAscend), 1);
    EXPECT_EQ(player.currentFloor, 0);
    EXPECT_EQ(player.x, 33);
    EXPECT_EQ(player.y, 9);
    EXPECT_EQ(player.deepestFloor, 1);
    EXPECT_EQ(floorArray[1].At(30, 9).monsterPresent, 0);
    EXPECT_EQ(floorArray[0].At(33, 9).monsterPresent, 1);
}

TEST_F(Stairs, NoStaircaseOnTheOtherFloorKeepsThePosition) {
    StandOn(3, '>');
    for (Tile& tile : floorArray[4].tiles) {
        if (tile.glyph == '<') tile.glyph = '.';
    }
    player.deepestFloor = 9;
    EXPECT_EQ(RunCommand(kCommandDescend), 1);
    EXPECT_EQ(player.currentFloor, 4);
    EXPECT_EQ(player.x, 33);
    EXPECT_EQ(floorArray[4].At(33, 9).monsterPresent, 1);
    EXPECT_EQ(player.deepestFloor, 9);  // it only grows
}

TEST_F(Stairs, DescendingNeedsADownStaircaseAndSlainDemons) {
    StandOn(2, '<');
    EXPECT_EQ(RunCommand(kCommandDescend), 0);  // the wrong staircase
    EXPECT_EQ(player.currentFloor, 2);
    StandOn(34, '>');
    EXPECT_EQ(RunCommand(kCommandDescend), 0);  // the last floor's staircase leads nowhere
    EXPECT_EQ(player.currentFloor, 34);

    for (int32_t demon = 0; demon < 4; ++demon) {
        const int32_t floor = 6 + 7 * demon;
        SCOPED_TRACE(floor);
        messageLog = MessageLog();
        StandOn(floor, '>');
        EXPECT_EQ(RunCommand(kCommandDescend), 1);  // the action is spent
        EXPECT_EQ(player.currentFloor, floor);
        // The refusal spends the action, so the staircase is described again after it.
        EXPECT_EQ(MessageLog::StripColourCodes(messageLog.line[0]).rfind("A demonic power stops you! ", 0), 0u);
        player.demonSlainFlags[demon] = 1;
        EXPECT_EQ(RunCommand(kCommandDescend), 1);
        EXPECT_EQ(player.currentFloor, floor + 1);
    }
}

TEST_F(Stairs, ClimbingOutBeforeTheFinalDemonIsSlainIsCowardice) {
    struct Case {
        int32_t startMode;
        int32_t floor;
        bool refused;
    };
    // After the shortcut start the dungeon's top is floor 7.
    const Case cases[] = {{0, 0, true}, {1, 7, true}, {1, 8, false}, {0, 1, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "start mode " << c.startMode << ", floor " << c.floor);
        player.startMode = c.startMode;
        StandOn(c.floor, '<');
        DrawText(std::string(80, ' '), 0, 19, 0);
        EXPECT_EQ(RunCommand(kCommandAscend), c.refused ? 0 : 1);
        EXPECT_EQ(player.currentFloor, c.refused ? c.floor : c.floor - 1);
        if (c.refused) {
            EXPECT_EQ(TextAt(19, 0, 41), "You would be executed for your cowardice!");
            EXPECT_EQ(ColourAt(19, 0), 11);
        }
    }
}

TEST_F(Stairs, ClimbingOutWithTheFinalDemonSlainEndsTheGame) {
    StandOn(0, '<');
    player.demonSlainFlags[4] = 1;
    // The ending writes the scores and the post-mortem into the working directory.
    ScopedWorkingDirectory directory;
    EXPECT_EXIT(
        {
            // The ending's '5', then a key for each of the screens after it.
            Type(std::string(40, ' ') + "5" + std::string(20, 'z'));
            player.AscendStairs();
        },
        ::testing::ExitedWithCode(1), "");
}

}  // namespace
