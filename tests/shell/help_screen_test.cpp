#include <filesystem>
#include <fstream>

#include "shell/command_line.h"
#include "shell/quitting.h"
#include "support/screen_test.h"
#include "support/working_directory.h"
#include "toolkit/drawing.h"
#include "toolkit/message_log.h"
#include "world/command_keys.h"
#include "world/player.h"

namespace {

class HelpScreen : public ScreenTest {};

TEST_F(HelpScreen, ListsEveryCommandWithItsBoundKey) {
    keyTable[kCommandNorth] = 'k';
    ASSERT_TRUE(RunUntilItWaitsForAKey([] { player.ShowHelpScreen(); }));
    struct Case {
        int row;
        int column;
        const char* text;
        ColourCode colour;
    };
    const Case cases[] = {
        {0, 34, "Help Screen", 3},          {1, 1, "Movement:", 3},
        {3, 3, "k = Move/attack north", 11}, {10, 3, "5 = Rest one turn", 11},
        {13, 3, "w = Quick move/quick rest", 11}, {15, 8, "-Rest 50 turns or until healed", 3},
        {22, 3, "x = Swap to readied weapon(s)", 11}, {1, 41, "General:", 3},
        {8, 48, "-Includes sacrificing on altars", 3}, {15, 43, "? = This screen", 11},
        {17, 43, "Q = Quit without saving", 11}, {23, 43, "v = Cycle selected quick skill", 11},
        {24, 30, "Press a key to exit", 3},
    };
    for (const Case& c : cases) {
        const int length = static_cast<int>(std::string(c.text).size());
        EXPECT_EQ(TextAt(c.row, c.column, length), c.text);
        EXPECT_EQ(ColourAt(c.row, c.column), c.colour) << c.text;
    }
    for (int row = 1; row <= 23; ++row) {
        EXPECT_EQ(CharAt(row, 39), '|') << row;
        EXPECT_EQ(ColourAt(row, 39), 3) << row;
    }
}

TEST_F(HelpScreen, AnUnboundCommandShowsABlankKey) {
    keyTable[kCommandPray] = 0;
    ASSERT_TRUE(RunUntilItWaitsForAKey([] { player.ShowHelpScreen(); }));
    EXPECT_EQ(TextAt(11, 43, 10), "  = Pray  ");
}

TEST_F(HelpScreen, AnyKeyLeavesForTheGameScreen) {
    Type("x");
    player.ShowHelpScreen();
    EXPECT_EQ(Row(0).find("Help Screen"), std::string::npos);
    EXPECT_EQ(CharAt(0, 0), '@');
    EXPECT_EQ(TextAt(23, 0, 4), "HP: ");
}

class QuitPrompt : public ScreenTest {};

TEST_F(QuitPrompt, OnlyCapitalYQuitsAndNLeavesTheRowsBlank) {
    DrawText("old message", 0, 19, 11);
    Type("yqn");
    QuitWithoutSaving();
    for (int row = 19; row <= 21; ++row) EXPECT_EQ(Row(row), std::string(80, ' ')) << row;

    Type("N");
    QuitWithoutSaving();
    Type("x");
    EXPECT_TRUE(RunUntilItWaitsForAKey([] { QuitWithoutSaving(); }));
    EXPECT_EQ(TextAt(20, 0, 49), "Do you really want to quit without saving? (Y/n) ");
    EXPECT_EQ(ColourAt(20, 0), 11);
}

TEST_F(QuitPrompt, CapitalYEndsTheProgramAndRemovesOnlyANamedCharactersSave) {
    const ScopedWorkingDirectory directory;
    std::filesystem::create_directories("Data/Tester");
    std::ofstream("Data/Tester/Tester.hmd") << "save";
    std::ofstream("Tester.hmd") << "save";
    std::snprintf(player.name, sizeof player.name, "%s", "Tester");

    Type("Y");
    EXPECT_EXIT(QuitWithoutSaving(), ::testing::ExitedWithCode(1), "");
    EXPECT_TRUE(std::filesystem::exists("Data/Tester/Tester.hmd"));  // not in "-name" mode

    programArgs = {"-name", "Tester"};
    Type("Y");
    EXPECT_EXIT(QuitWithoutSaving(), ::testing::ExitedWithCode(1), "");
    EXPECT_FALSE(std::filesystem::exists("Data/Tester/Tester.hmd"));
    EXPECT_TRUE(std::filesystem::exists("Tester.hmd"));
}

}  // namespace
