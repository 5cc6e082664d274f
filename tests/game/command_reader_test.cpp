#include "game/command_reader.h"

#include <curses.h>

#include <fstream>

#include "support/screen_test.h"
#include "support/working_directory.h"
#include "toolkit/drawing.h"
#include "toolkit/random_mother.h"
#include "world/command_keys.h"
#include "world/floor.h"
#include "world/player.h"

namespace {

class CommandReader : public ScreenTest {
protected:
    // The command a typed key gives, or -1 when it gives none.
    int32_t CommandFor(int key) {
        Press(key);
        const int32_t chosen = ReadCommandKey();
        if (chosen == 0) {
            EXPECT_EQ(currentCommand, kCommandNone);
            return -1;
        }
        return currentCommand;
    }

    // An open floor around the player at (10, 10).
    void OpenFloor() {
        for (int32_t x = 1; x < kFloorWidth - 1; ++x) {
            for (int32_t y = 1; y < kFloorHeight - 1; ++y) floorArray[0].At(x, y).glyph = '.';
        }
        player.x = 10;
        player.y = 10;
    }
};

TEST_F(CommandReader, EveryBoundKeyGivesItsCommand) {
    const std::string keys = "5Q82467913<>  giefcxwaltupLsS?mCFqvT";
    for (int32_t command = 0; command < kCommandCount; ++command) {
        if (command == kCommandNone || command == kCommandNever) continue;
        EXPECT_EQ(CommandFor(keys[static_cast<std::size_t>(command)]), command) << keys[static_cast<std::size_t>(command)];
    }
    EXPECT_EQ(CommandFor('.'), kCommandRest);  // '.' rests while nothing else claims it
    EXPECT_EQ(CommandFor('z'), -1);
    EXPECT_EQ(CommandFor(0), -1);  // unbound commands match no key, not even NUL
}

TEST_F(CommandReader, ArrowsMoveAndOtherFunctionKeysMeanNothing) {
    EXPECT_EQ(CommandFor(KEY_UP), kCommandNorth);
    EXPECT_EQ(CommandFor(KEY_DOWN), kCommandSouth);
    EXPECT_EQ(CommandFor(KEY_LEFT), kCommandWest);
    EXPECT_EQ(CommandFor(KEY_RIGHT), kCommandEast);
    // Codes above 255 never pass for the letter of their low byte: Insert is
    // 331 ('K'), F5 is 269.
    // They are dropped, and the read goes on to the next key.
    keyTable[kCommandLearnSkills] = 'K';
    Press(KEY_IC);
    Press(KEY_F(5));
    EXPECT_EQ(CommandFor('i'), kCommandInventory);
    // With the directions moved off the arrows' keys, the arrows follow them.
    keyTable[kCommandNorth] = 'k';
    EXPECT_EQ(CommandFor(KEY_UP), kCommandNorth);
}

TEST_F(CommandReader, KeypadKeysStartAQuickMoveOnlyWithTheNumberLayout) {
    struct Case {
        int key;
        char digit;
    };
    const Case cases[] = {{KEY_A1, '7'}, {KEY_HOME, '7'}, {KEY_A3, '9'}, {KEY_PPAGE, '9'}, {KEY_B2, '5'},
                          {KEY_C1, '1'}, {KEY_END, '1'},  {KEY_C3, '3'}, {KEY_NPAGE, '3'}};
    for (const Case& c : cases) {
        EXPECT_EQ(CommandFor(c.key), kCommandQuickMove) << c.key;
        EXPECT_EQ(player.quickMoveDigit, c.digit) << c.key;
    }
    keyTable[kCommandNorthWest] = 'y';
    EXPECT_EQ(CommandFor(KEY_A1), -1);
    EXPECT_EQ(player.quickMoveDigit, 0);
    EXPECT_EQ(CommandFor('w'), kCommandQuickMove);
    EXPECT_EQ(player.quickMoveDigit, 0);  // the quick-move key asks for its direction itself
}

TEST_F(CommandReader, DeleteParksTheCursorForScreenReadersWhenAsked) {
    EXPECT_EQ(CommandFor(KEY_DC), -1);  // without the marker file it means nothing

    const ScopedWorkingDirectory directory;
    std::ofstream("sokeille.txt") << "";
    player.x = 7;
    player.y = 3;
    int row = 0;
    int column = 0;
    Press(KEY_DC);
    EXPECT_TRUE(RunUntilItWaitsForAKey([] { ReadCommandKey(); }));
    getyx(stdscr, row, column);
    EXPECT_EQ(row, 24);
    EXPECT_EQ(column, 0);

    Press(KEY_DC);
    Type("8");
    EXPECT_EQ(ReadCommandKey(), 0);  // the key that ends the wait is no command
    EXPECT_EQ(currentCommand, kCommandNone);
    getyx(stdscr, row, column);
    EXPECT_EQ(row, 3);
    EXPECT_EQ(column, 7);
}

TEST_F(CommandReader, ABoundDotIsNoLongerTheRestKey) {
    keyTable[kCommandLook] = '.';
    player.dotBound = 1;
    EXPECT_EQ(CommandFor('.'), kCommandLook);
}

TEST_F(CommandReader, ADizzyCharacterStaggersOnMovesAndRestsOnly) {
    player.dizziness = 4;
    for (int key : {'8', '5', '.'}) {
        const RandomMother before = rng;
        const int32_t expected = player.Stagger();
        rng = before;
        EXPECT_EQ(CommandFor(key), expected) << static_cast<char>(key);
        rng = before;
    }
    EXPECT_EQ(CommandFor('i'), kCommandInventory);
}

TEST_F(CommandReader, AQuickMoveReplaysItsStepUntilItIsStuckFiveTimes) {
    OpenFloor();
    player.runKey = '8';
    for (int poll = 0; poll < 5; ++poll) {
        EXPECT_EQ(ReadCommandKey(), 1) << poll;
        EXPECT_EQ(currentCommand, kCommandNorth);
        EXPECT_EQ(player.runKey, '8');
    }
    // The sixth poll without moving swallows a typed key, ends the run and waits for the next key.
    Type("xi");
    EXPECT_EQ(ReadCommandKey(), 1);
    EXPECT_EQ(currentCommand, kCommandInventory);
    EXPECT_EQ(player.runKey, kNoRunKey);
}

TEST_F(CommandReader, KeysDuringARunAreSwallowedButSpaceStopsIt) {
    OpenFloor();
    player.runKey = '4';
    Type("e");
    EXPECT_EQ(ReadCommandKey(), 1);
    EXPECT_EQ(currentCommand, kCommandWest);
    EXPECT_EQ(player.runKey, '4');

    Type(" i");
    EXPECT_EQ(ReadCommandKey(), 1);
    EXPECT_EQ(currentCommand, kCommandInventory);  // the same call waited for the next key
    EXPECT_EQ(player.runKey, kNoRunKey);
}

// The pause before each step listens for the space bar: however long the key
// file makes it, the run can be stopped, and the key after the space is read.
TEST_F(CommandReader, ALongPauseBetweenStepsStillListensForSpace) {
    OpenFloor();
    runDelayMs = 2000000000;
    SetWaitPercent(100);
    player.runKey = '4';
    Type("e i");
    EXPECT_EQ(ReadCommandKey(), 1);
    EXPECT_EQ(currentCommand, kCommandInventory);
    EXPECT_EQ(player.runKey, kNoRunKey);
}

TEST_F(CommandReader, AQuickRestIsNeverStuck) {
    OpenFloor();
    player.runKey = '5';
    for (int poll = 0; poll < 12; ++poll) {
        ASSERT_EQ(ReadCommandKey(), 1);
        EXPECT_EQ(currentCommand, kCommandRest);
    }
    EXPECT_EQ(player.runKey, '5');
}

TEST_F(CommandReader, ARunStopsBeforeTrapsAndIceBlocks) {
    struct Case {
        int32_t dx;
        int32_t dy;
        char glyph;
        bool stops;
    };
    // Where along the run's way (one or two steps ahead) a glyph lies.
    const Case cases[] = {{0, -2, '^', true}, {0, -1, '^', true}, {0, -1, '\'', true},
                          {0, -2, '\'', true}, {0, -2, '<', false}, {1, -1, '^', false}};
    for (const Case& c : cases) {
        OpenFloor();
        floorArray[0].At(10 + c.dx, 10 + c.dy).glyph = c.glyph;
        runStuckTurns = 0;
        player.runKey = '8';
        EXPECT_EQ(ReadCommandKey(), 1);
        EXPECT_EQ(currentCommand, kCommandNorth);  // the step itself is still made
        EXPECT_EQ(player.runKey == kNoRunKey, c.stops) << c.glyph << " at " << c.dx << "," << c.dy;
    }
    // Two steps ahead off the map counts as nothing.
    OpenFloor();
    player.y = 1;
    runStuckTurns = 0;
    player.runKey = '8';
    EXPECT_EQ(ReadCommandKey(), 1);
    EXPECT_EQ(player.runKey, '8');
}

}  // namespace
