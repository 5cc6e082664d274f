// The built program in a tmux session: a game saved with "S" and played on
// after the program starts again, from the title menu and in "-name" mode; the
// termination signals in "-name" mode; a damaged save.
#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <iterator>

#include "e2e/dungeon_walker.h"
#include "support/game_session.h"

namespace {

void ExpectExitCode(const GameSession& game, int expected) {
    const std::optional<int> code = game.WaitForExit();
    ASSERT_TRUE(code.has_value()) << "the program did not end" << game.Dump();
    EXPECT_EQ(*code, expected) << game.Dump();
    EXPECT_EQ(game.SanitizerReports(), "");
}

// The map and the status panel: what must look the same after a load.
std::vector<std::string> MapAndStatus(const Sight& sight) {
    std::vector<std::string> rows(sight.rows.begin(), sight.rows.begin() + 19);
    rows.push_back(sight.rows[23]);
    rows.push_back(sight.rows[24]);
    return rows;
}

// A few turns of play, so that the saved game is not the new one.
Sight PlayAFewTurns(const DungeonWalker& walker) {
    for (const char* key : {"5", "5", "5"}) walker.Press(key);
    return walker.Look();
}

void SaveAndQuit(GameSession& game) {
    game.Type("S");
    EXPECT_TRUE(game.WaitForText(19, 0, "Do you want to save (and quit) the game? (y/n)")) << game.Dump();
    game.Type("y");
    ExpectExitCode(game, 1);
}

// Starts the program again and asks the title menu for the named save.
void LoadFromTheTitleMenu(GameSession& game, const std::string& name) {
    game.Restart();
    ASSERT_TRUE(game.WaitForText("Welcome to the Hollowmere!")) << game.Dump();
    game.Type("2");
    EXPECT_TRUE(game.WaitForText(5, 19, "What is the name of the saved character?")) << game.Dump();
    game.Type(name);
    game.Press("Enter");
}

// After a load the same screen comes back, and the game goes on from it.
void ExpectToPlayOn(const GameSession& game, const DungeonWalker& walker, const Sight& saved) {
    ASSERT_TRUE(game.WaitForText(23, 0, "HP: ")) << game.Dump();
    const Sight loaded = walker.Look();
    ASSERT_TRUE(loaded.InGame()) << walker.Look().rows[5];
    EXPECT_EQ(MapAndStatus(loaded), MapAndStatus(saved));
    EXPECT_EQ(loaded.x, saved.x);
    EXPECT_EQ(loaded.y, saved.y);
    const Sight after = walker.Press("5");
    EXPECT_EQ(after.Turns(), saved.Turns() + 1);
}

TEST(SaveAndLoad, FromTheTitleMenu) {
    GameSession game;
    DungeonWalker walker(game);
    ASSERT_TRUE(walker.EnterTheDungeon()) << game.Dump();
    const Sight saved = PlayAFewTurns(walker);
    ASSERT_GT(saved.Turns(), 0);
    SaveAndQuit(game);
    EXPECT_TRUE(game.FileExists("Tester.hmd"));

    LoadFromTheTitleMenu(game, "Tester");
    ExpectToPlayOn(game, walker, saved);
    EXPECT_FALSE(game.FileExists("Tester.hmd"));  // played from once only

    // The save was taken along: asking for it again is told, and the title comes back.
    game.Type("Q");
    game.Type("Y");
    ExpectExitCode(game, 1);
    LoadFromTheTitleMenu(game, "Tester");
    EXPECT_TRUE(game.WaitForText(5, 11, "Couldn't open the save file. Are you sure that it exists?")) << game.Dump();
    game.Type("k");
    EXPECT_TRUE(game.WaitForText(12, 17, "(1) Start a new adventure")) << game.Dump();
    game.Type("5");
    ExpectExitCode(game, 1);
}

TEST(SaveAndLoad, ADamagedSaveIsRefusedAndTheTitleComesBack) {
    GameSession game;
    DungeonWalker walker(game);
    ASSERT_TRUE(walker.EnterTheDungeon()) << game.Dump();
    SaveAndQuit(game);
    std::ifstream in(game.WorkingDirectory() + "/Tester.hmd", std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_GT(bytes.size(), 1000u);
    game.WriteFile("Tester.hmd", bytes.substr(0, bytes.size() / 2));

    LoadFromTheTitleMenu(game, "Tester");
    EXPECT_TRUE(game.WaitForText(5, 11, "The save file is damaged and can't be loaded.")) << game.Dump();
    EXPECT_TRUE(game.WaitForText(6, 19, "Press a key to return to the main menu")) << game.Dump();
    game.Type("k");
    EXPECT_TRUE(game.WaitForText(12, 17, "(1) Start a new adventure")) << game.Dump();
    EXPECT_TRUE(game.FileExists("Tester.hmd"));
    game.Type("5");
    ExpectExitCode(game, 1);
}

TEST(SaveAndLoad, InNameModeTheSaveIsLoadedAtOnceAndKept) {
    GameSession game;
    DungeonWalker walker(game);
    game.WriteFile("Data/Bob/.keep", "");
    const SessionOptions named = SessionOptions().WithArguments({"-name", "Bob"});
    ASSERT_TRUE(walker.EnterTheDungeon(named)) << game.Dump();
    const Sight saved = PlayAFewTurns(walker);
    SaveAndQuit(game);
    ASSERT_TRUE(game.FileExists("Data/Bob/Bob.hmd"));

    game.Restart(named);
    ExpectToPlayOn(game, walker, saved);
    EXPECT_TRUE(game.FileExists("Data/Bob/Bob.hmd"));
    game.Type("Q");
    game.Type("Y");
    ExpectExitCode(game, 1);
}

// A termination signal or a closed terminal saves a game in play; the next
// start goes on from it.
TEST(SaveAndLoad, TerminationSignalsSaveTheGameInNameMode) {
    for (int signalNumber : {SIGTERM, SIGHUP}) {
        SCOPED_TRACE(signalNumber);
        GameSession game;
        DungeonWalker walker(game);
        game.WriteFile("Data/Bob/.keep", "");
        const SessionOptions named = SessionOptions().WithArguments({"-name", "Bob"});
        ASSERT_TRUE(walker.EnterTheDungeon(named)) << game.Dump();
        const Sight saved = PlayAFewTurns(walker);
        game.Signal(signalNumber);
        ExpectExitCode(game, 1);
        ASSERT_TRUE(game.FileExists("Data/Bob/Bob.hmd"));

        game.Restart(named);
        ExpectToPlayOn(game, walker, saved);
        game.Type("Q");
        game.Type("Y");
        ExpectExitCode(game, 1);
    }
}

}  // namespace
