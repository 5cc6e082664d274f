// The built program in a tmux session: start-up, the title menu and the ways start-up refuses to go on.
#include <gtest/gtest.h>

#include <csignal>

#include "e2e/dungeon_walker.h"
#include "support/game_session.h"

namespace {

void ExpectExitCode(const GameSession& session, int expected) {
    const std::optional<int> code = session.WaitForExit();
    ASSERT_TRUE(code.has_value()) << "the program did not end" << session.Dump();
    EXPECT_EQ(*code, expected) << session.Dump();
    EXPECT_EQ(session.SanitizerReports(), "");
}

TEST(Startup, ShowsTheTitleScreenAndQuitsWithFive) {
    GameSession game;
    game.Start();
    EXPECT_SHOWN(game, 9, 11, "|/\\)      Welcome to the Hollowmere!             (/\\|");
    EXPECT_SHOWN(game, 12, 17, "(1) Start a new adventure");
    EXPECT_SHOWN(game, 16, 17, "(5) Quit");
    EXPECT_SHOWN(game, 24, 60, "Version 1.06b");
    game.Type("x7");
    game.Press("F1");
    EXPECT_SHOWN(game, 16, 17, "(5) Quit");
    game.Type("5");
    ExpectExitCode(game, 1);
}

TEST(Startup, TheTutorialFromTheMenuReturnsToTheTitle) {
    GameSession game;
    game.Start();
    ASSERT_TRUE(game.WaitForText("Welcome to the Hollowmere!")) << game.Dump();
    game.Type("4");
    EXPECT_SHOWN(game, 0, 35, "Tutorial");
    EXPECT_SHOWN(game, 2, 0, "  Welcome to the short beginner tutorial of Hollowmere! Here's a few tips");
    EXPECT_SHOWN(game, 8, 62, "'w'");
    EXPECT_SHOWN(game, 11, 31, "'5'");
    game.Type("2");  // not yet
    game.Type("1");
    EXPECT_SHOWN(game, 8, 37, "'l'");
    EXPECT_SHOWN(game, 11, 25, "'?'");
    game.Type("2");
    EXPECT_SHOWN(game, 2, 0, "     -You will want to learn skills");
    game.Type("3");
    EXPECT_SHOWN(game, 0, 28, "Setting Up Your Terminal");
    EXPECT_SHOWN(game, 24, 15, "     Read the page, then press '4' to return.     ");
    game.Type("4");
    EXPECT_SHOWN(game, 9, 21, "Welcome to the Hollowmere!");
    EXPECT_TRUE(game.FileExists("Mortems"));
    game.Type("5");
    ExpectExitCode(game, 1);
}

TEST(Startup, HighScoresOnlyEndAfterOneKey) {
    GameSession game;
    game.Start(SessionOptions().WithArguments({"-scores"}));
    ASSERT_TRUE(game.WaitForText("Hall of Fame")) << game.Dump();
    game.Type("x");
    ExpectExitCode(game, 1);
}

TEST(Startup, RefusesAMissingSpoiledOrAmbiguousKeyFile) {
    struct Case {
        const char* name;
        std::optional<std::string> file;
        std::vector<std::pair<int, std::string>> shown;  // (row, text) at the text's column
        std::vector<int> columns;
    };
    const std::string keys = "5Q82467913<>giefcxwaltupLsS?mCFqvT";
    std::string twice = "50 " + keys;
    twice[twice.find('v')] = 'q';   // cycle quick skill on 'q' as well
    twice[twice.find('x')] = 'z';   // and two on 'z'
    twice[twice.find('a')] = 'z';
    const Case cases[] = {
        {"missing", std::nullopt, {{20, "You don't have the keybindings.txt file!"}}, {20}},
        {"byte 189", "50 5Q8\xbd" "2467913", {{20, "You've messed up your Keybindings.txt!"}}, {21}},
        {"no number first", "# keys\n50 " + keys, {{20, "You've messed up your Keybindings.txt!"}}, {21}},
        // Either would start a game that cannot be left, or a command no key reaches.
        {"quit unbound", "50 5", {{20, "You've messed up your Keybindings.txt!"}}, {21}},
        {"a letter outside ASCII", "50 5Q8\xe9" "467913", {{20, "You've messed up your Keybindings.txt!"}}, {21}},
        {"a symbol twice",
         twice,
         {{20, "You can't bind one symbol to two or more commands."},
          {21, "Please edit your Keybindings.txt and restart the game."},
          {22, "q"},
          {22, "is the colliding symbol."}},
         {15, 13, 0, 23}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GameSession game;
        if (c.file) {
            game.WriteFile("Keybindings.txt", *c.file);
        } else {
            game.RemoveFile("Keybindings.txt");
        }
        game.Start();
        for (std::size_t i = 0; i < c.shown.size(); ++i) EXPECT_SHOWN(game, c.shown[i].first, c.columns[i], c.shown[i].second);
        EXPECT_SHOWN(game, 5, 28, "Press a key to exit.");
        EXPECT_SHOWN(game, 10, 20, "Initializing game, please wait...");
        game.Type(" ");
        ExpectExitCode(game, 1);
    }
}

TEST(Startup, ATerminalSmallerThan80By25IsRefusedInRed) {
    for (const auto& [columns, rows] : {std::pair{79, 25}, std::pair{80, 24}}) {
        SCOPED_TRACE(std::to_string(columns) + "x" + std::to_string(rows));
        GameSession game;
        game.Start(SessionOptions().WithSize(columns, rows));
        EXPECT_SHOWN(game, 2, 6, "Your terminal is too small. Please resize it to 80x25 or larger.");
        EXPECT_SHOWN(game, 3, 16, "You'll have to restart the game after that.");
        EXPECT_SHOWN(game, 5, 28, "Press a key to exit.");
        const auto screen = game.ColouredScreen();
        ASSERT_GT(screen.size(), 5u);
        EXPECT_EQ(screen[5][28].foreground, 1);  // red
        game.Type("q");
        ExpectExitCode(game, 1);
    }
}

TEST(Startup, ATerminalWithoutColoursIsToldOnStandardOutput) {
    GameSession game;
    game.Start(SessionOptions().WithTerminal("vt100"));
    EXPECT_TRUE(game.WaitForText("Your terminal program doesn't support the minimum requirement of 16 colors!"))
        << game.Dump();
    EXPECT_TRUE(game.WaitForText(std::string(29, ' ') + "Press a key to exit")) << game.Dump();
    EXPECT_TRUE(game.WaitForText(std::string(75, '-'))) << game.Dump();
    game.Type("k");
    ExpectExitCode(game, 1);
}

TEST(Startup, NameModeNeedsAUsableName) {
    struct Case {
        std::vector<std::string> arguments;
        const char* text;
    };
    const Case cases[] = {
        {{"-name"}, "Provide a name too."},
        {{"-name", "../evil"}, "The name must be 1 to 14 printable characters"},
        {{"-name", "Abcdefghijklmno"}, "The name must be 1 to 14 printable characters"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.back());
        GameSession game;
        game.Start(SessionOptions().WithArguments(c.arguments));
        EXPECT_TRUE(game.WaitForText(c.text)) << game.Dump();
        ExpectExitCode(game, 255);
    }
}

}  // namespace

// Character creation asks its own questions between '1' and the dungeon; its
// keys go where the comment below says.
TEST(NewGame, TheFirstPlayOpensTheTutorialThenTheGameGreets) {
    GameSession game;
    game.Start();
    ASSERT_TRUE(game.WaitForText("Welcome to the Hollowmere!")) << game.Dump();
    game.Type("1");
    // (character creation) main entrance, a specific dwarf warrior with a two-handed weapon, Strength, male
    game.Type("111111");
    ASSERT_TRUE(game.WaitForText(5, 29, "What is your name?")) << game.Dump();
    game.Type("Tester");
    game.Press("Enter");
    game.Type("1");
    EXPECT_SHOWN(game, 2, 0, "  This seems to be your first time playing Hollowmere! Here's a few tips");
    game.Type("123");
    EXPECT_SHOWN(game, 24, 11, "     Read the page, then press '4' to start playing.     ");
    game.Type("4");
    EXPECT_SHOWN(game, 22, 0, std::string(80, '-'));
    EXPECT_SHOWN(game, 23, 0, "HP: ");
    game.Type("m");
    EXPECT_SHOWN(game, 0, 32, "Message Buffer");
    EXPECT_SHOWN(game, 24, 0, "Good luck in the depths. Press '?' for help.");
    game.Type("z");
    EXPECT_SHOWN(game, 23, 0, "HP: ");
    game.Type("Q");
    EXPECT_SHOWN(game, 20, 0, "Do you really want to quit without saving? (Y/n)");
    game.Type("yY");
    ExpectExitCode(game, 1);
}

TEST(NewGame, OnlyTheVeryFirstPlayOpensTheTutorial) {
    GameSession game;
    game.WriteFile("Mortems/.keep", "");
    game.Start();
    ASSERT_TRUE(game.WaitForText("Welcome to the Hollowmere!")) << game.Dump();
    game.Type("1");
    // (character creation) main entrance, a random character
    game.Type("12");
    ASSERT_TRUE(game.WaitForText(5, 29, "What is your name?")) << game.Dump();
    game.Type("Tester");
    game.Press("Enter");
    EXPECT_SHOWN(game, 23, 0, "HP: ");
    game.Type("QY");
    ExpectExitCode(game, 1);
}

TEST(NewGame, NameModeWithoutASaveGoesStraightToANewCharacter) {
    GameSession game;
    game.Start(SessionOptions().WithArguments({"-name", "Tester"}));
    // (character creation) no name screen: the name is the argument
    ASSERT_TRUE(game.WaitForText(5, 5, "There is a known shortcut")) << game.Dump();
    game.Type("12");
    EXPECT_SHOWN(game, 23, 0, "HP: ");  // no title menu, and never the first-play tutorial
    game.Type("QY");
    ExpectExitCode(game, 1);
}

// No single keystroke kills or freezes the game: Ctrl-C and Ctrl-\ are ignored,
// and Ctrl-S does not stop the terminal's output.
TEST(Signals, InterruptsAreIgnoredAndTerminationEndsANamedGameAtTheKeyRead) {
    GameSession game;
    game.Start(SessionOptions().WithArguments({"-name", "Tester"}));
    // (character creation) a random character
    game.Type("12");
    ASSERT_TRUE(game.WaitForText(23, 0, "HP: ")) << game.Dump();
    game.Signal(SIGINT);
    game.Signal(SIGQUIT);
    game.Press("C-s");
    game.Type("?");
    EXPECT_SHOWN(game, 0, 34, "Help Screen");
    game.Signal(SIGTERM);
    ExpectExitCode(game, 1);
}

// Shrinking the terminal cuts off part of the screen; growing it again brings
// the whole game screen back.
TEST(Resizing, AShrunkAndRegrownTerminalIsDrawnWholeAgain) {
    GameSession game;
    game.Start(SessionOptions().WithArguments({"-name", "Tester"}));
    // (character creation) a random character
    game.Type("12");
    ASSERT_TRUE(game.WaitForText(23, 0, "HP: ")) << game.Dump();
    ASSERT_TRUE(game.WaitUntilItAwaitsAKey()) << game.Dump();  // the whole screen drawn
    const std::vector<std::string> before = game.Screen();
    game.Resize(60, 20);
    ASSERT_TRUE(game.WaitForScreen([](const std::vector<std::string>& rows) { return rows.size() == 20; })) << game.Dump();
    game.Resize(80, 25);
    EXPECT_TRUE(game.WaitForScreen([&before](const std::vector<std::string>& rows) { return rows == before; }, 5))
        << game.Dump();
    game.Type("QY");
    ExpectExitCode(game, 1);
}

TEST(Signals, TerminationEndsEvenAQuickMovesLongPause) {
    GameSession game;
    game.WriteFile("Data/Tester/Tester.txt", "2000000000 5Q82467913<>giefcxwaltupLsS?mCFqvT");
    game.Start(SessionOptions().WithArguments({"-name", "Tester"}).WithRealWaits());
    // (character creation) a random character
    game.Type("12");
    ASSERT_TRUE(game.WaitForText(23, 0, "HP: ")) << game.Dump();
    // A quick move whose first step is made waits before its second one.
    bool running = false;
    for (const char direction : std::string("82467913")) {
        game.Type(std::string("w") + direction);
        running = game.WaitForScreen([](const std::vector<std::string>& rows) {
            Sight sight;
            sight.rows = rows;
            return sight.Turns() > 0;
        }, 2);
        if (running) break;
    }
    ASSERT_TRUE(running) << "no quick move got going" << game.Dump();
    game.Signal(SIGTERM);
    ExpectExitCode(game, 1);
}
