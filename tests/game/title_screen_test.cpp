#include "game/title_screen.h"

#include <curses.h>

#include <filesystem>

#include "support/screen_test.h"
#include "support/working_directory.h"
#include "toolkit/drawing.h"
#include "world/game_hooks.h"
#include "world/player.h"
#include "world/sage.h"

namespace {

class TitleScreen : public ScreenTest {};

TEST_F(TitleScreen, DrawsThePictureAndTheMenuInTheirColours) {
    DrawTitleScreen();
    EXPECT_EQ(Row(3).substr(11, 53), "|`.__________/__|__o_____\\`|'/_____o__|__\\________.'|");
    EXPECT_EQ(Row(9).substr(11, 53), "|/\\)      Welcome to the Hollowmere!             (/\\|");
    EXPECT_EQ(Row(16).substr(11, 53), "|(    (5) Quit                                     )|");
    EXPECT_EQ(Row(22).substr(32, 1), "V");
    struct Case {
        int row;
        int column;
        char shown;
        ColourCode colour;
    };
    const Case cases[] = {
        {0, 27, '}', 9},  {2, 11, '*', 2},  {2, 25, '/', 9},  {3, 11, '|', 6},  {3, 24, '/', 9},  {3, 25, '_', 6},
        {3, 30, 'o', 9},  {3, 37, '`', 12}, {3, 39, '\'', 12}, {3, 52, '\\', 9}, {4, 14, '*', 10}, {4, 30, '^', 9},
        {4, 61, '|', 6},  {7, 35, ',', 9},  {7, 36, ',', 11}, {9, 21, 'W', 15}, {9, 36, 'H', 11}, {9, 37, 'o', 15},
        {10, 21, 'W', 15}, {11, 12, '*', 5}, {11, 13, '*', 13}, {11, 61, '*', 13}, {11, 62, '*', 5}, {12, 17, '(', 11},
        {12, 18, '1', 3}, {12, 19, ')', 11}, {12, 21, 'S', 11}, {18, 13, '.', 6}, {18, 14, '*', 11}, {18, 30, '_', 6},
        {19, 12, '\'', 6}, {19, 13, 'l', 9}, {19, 62, '\'', 6}, {20, 11, '*', 3}, {20, 13, 'l', 9}, {21, 14, '/', 9},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CharAt(c.row, c.column), c.shown) << c.row << "," << c.column;
        EXPECT_EQ(ColourAt(c.row, c.column), c.colour) << c.row << "," << c.column;
    }
}

TEST_F(TitleScreen, OtherKeysAreIgnoredAndFiveQuits) {
    Type("x9\n");
    Press(KEY_F(1));
    Type("5");
    EXPECT_EXIT(TitleMenu(), ::testing::ExitedWithCode(1), "");
}

TEST_F(TitleScreen, TheTutorialComesBackToTheMenuAndMarksTheFolder) {
    const ScopedWorkingDirectory directory;
    Type("41234");
    EXPECT_TRUE(RunUntilItWaitsForAKey([] { TitleMenu(); }));
    EXPECT_TRUE(std::filesystem::is_directory("Mortems"));
    EXPECT_EQ(TextAt(12, 21, 21), "Start a new adventure");
}

TEST_F(TitleScreen, TheLoadPromptKeepsNineCharactersAndRefusesUnsafeNames) {
    Type("2abcdefghijkl");
    EXPECT_TRUE(RunUntilItWaitsForAKey([] { TitleMenu(); }));
    EXPECT_EQ(TextAt(5, 19, 40), "What is the name of the saved character?");
    EXPECT_EQ(TextAt(6, 17, 44), "(The relevant save file's name without .hmd)");
    EXPECT_EQ(TextAt(8, 32, 10), "abcdefghi ");
    EXPECT_EQ(ColourAt(8, 32), 11);

    for (const char* refused : {"2abc\b\b\b../x\n", "2   \n"}) {
        Type(refused);
        EXPECT_TRUE(RunUntilItWaitsForAKey([] { TitleMenu(); }));
        EXPECT_EQ(TextAt(5, 19, 40), "What is the name of the saved character?");
        EXPECT_EQ(TextAt(8, 32, 10), std::string(10, ' ')) << refused;  // asked again
    }
}

TEST_F(TitleScreen, AFailedLoadLeavesNothingOfAGameBehind) {
    sages.push_back(cSage{});
    player.gold = 500;
    player.dotBound = 1;  // from the key-binding file: not part of a game
    Type("2ghost\n ");     // the name, then a key for the refusal
    EXPECT_TRUE(RunUntilItWaitsForAKey([] { TitleMenu(); }));
    EXPECT_EQ(TextAt(12, 17, 25), "(1) Start a new adventure");
    EXPECT_TRUE(sages.empty());
    EXPECT_EQ(player.gold, 0);
    EXPECT_EQ(player.dotBound, 1);
}

}  // namespace
