// The real program makes a character through the specific, the random and
// the shortcut paths, as a new player would in an 80x25 terminal.
#include <gtest/gtest.h>

#include "support/game_session.h"

namespace {

// A session past the title menu's '1', with the first-play tutorial already seen.
void StartNewGame(GameSession& game, const SessionOptions& options = {}) {
    game.WriteFile("Mortems/.keep", "");
    game.Start(options);
    ASSERT_TRUE(game.WaitForText("Welcome to the Hollowmere!")) << game.Dump();
    game.Type("1");
    ASSERT_TRUE(game.WaitForText(7, 22, "Are you a battle-hardened veteran?")) << game.Dump();
}

void QuitFromTheMap(GameSession& game) {
    game.Type("QY");
    const std::optional<int> code = game.WaitForExit();
    ASSERT_TRUE(code.has_value()) << game.Dump();
    EXPECT_EQ(*code, 1);
    EXPECT_EQ(game.SanitizerReports(), "");
}

TEST(CharacterCreationInPlay, ASpecificDwarfWarrior) {
    GameSession game;
    StartNewGame(game);
    EXPECT_SHOWN(game, 5, 5, "There is a known shortcut that leads deeper into the dungeon complex.");
    EXPECT_SHOWN(game, 9, 18, "(1) No, take me to the main entrance");
    EXPECT_SHOWN(game, 10, 18, "(2) Yes, let's kickstart this adventure");
    game.Type("1");
    EXPECT_SHOWN(game, 5, 5, "Would you like to play a specific character or a randomly chosen one?");
    EXPECT_SHOWN(game, 10, 31, "(2) Random");
    game.Type("1");
    EXPECT_SHOWN(game, 5, 11, "Select your race");
    EXPECT_SHOWN(game, 12, 14, "(3) Elf");
    EXPECT_SHOWN(game, 2, 42, "Dwarves:");
    game.Type("1");
    EXPECT_SHOWN(game, 5, 9, "Select your training");
    EXPECT_SHOWN(game, 11, 13, "(2) Ranger");
    EXPECT_SHOWN(game, 1, 42, "Warriors:");
    game.Type("1");
    EXPECT_SHOWN(game, 5, 21, "Select your starting weaponry");
    EXPECT_SHOWN(game, 11, 20, "(2) One-handed weapon + shield");
    game.Type("1");
    EXPECT_SHOWN(game, 4, 10, "Select an attribute");
    EXPECT_SHOWN(game, 5, 5, "to boost with extra training");
    EXPECT_SHOWN(game, 14, 12, "(5) Stamina");
    game.Type("1");
    EXPECT_SHOWN(game, 5, 29, "What is your name?");
    game.Press("Enter");  // an empty name is asked again
    game.Type("Tester");
    EXPECT_SHOWN(game, 10, 32, "Tester");
    game.Press("Enter");
    EXPECT_SHOWN(game, 5, 29, "What is your gender?");
    EXPECT_SHOWN(game, 12, 32, "(3) Non-binary");
    game.Type("1");
    EXPECT_SHOWN(game, 23, 0, "HP: 23/23 SP: 10/10 Style: Norm Str: 15 Vit: 13 Dex: 8 Agi: 9 Sta: 9");
    EXPECT_SHOWN(game, 24, 0, "$: 0 Xp: 0% CL: 1 DL: 1 T: 0");
    QuitFromTheMap(game);
}

TEST(CharacterCreationInPlay, ARandomCharacterIsDescribedOnTheNameScreen) {
    GameSession game;
    StartNewGame(game);
    game.Type("12");
    ASSERT_TRUE(game.WaitForText(5, 29, "What is your name?")) << game.Dump();
    // The description is centred on row 15: "A <race> <training> <weaponry>, trained in <attribute>."
    ASSERT_TRUE(game.WaitForScreen([](const std::vector<std::string>& screen) {
        if (screen.size() < 16) return false;
        const std::string& row = screen[15];
        const std::size_t start = row.find("A ");
        const std::size_t end = row.find_last_not_of(' ');
        if (start == std::string::npos || end == std::string::npos) return false;
        const std::size_t length = end + 1 - start;
        return start == (80 - length) / 2 && row.find(" trained in ") != std::string::npos && row[end] == '.';
    })) << game.Dump();
    game.Type("Rand");
    game.Press("Enter");
    EXPECT_SHOWN(game, 24, 0, "$: 0 Xp: 0% CL: 1 DL: 1 T: 0");
    QuitFromTheMap(game);
}

TEST(CharacterCreationInPlay, ASavedCharactersNameIsRefused) {
    GameSession game;
    game.WriteFile("Tester.hmd", "a saved game");
    StartNewGame(game);
    game.Type("12");
    ASSERT_TRUE(game.WaitForText(5, 29, "What is your name?")) << game.Dump();
    game.Type("Tester");
    game.Press("Enter");
    EXPECT_SHOWN(game, 15, 20, "You can't use a saved character's name.");
    EXPECT_SHOWN(game, 16, 19, "Rename the save file or move it elsewhere.");
    game.Type("k");
    EXPECT_TRUE(game.WaitForScreen([](const std::vector<std::string>& screen) {
        return screen.size() > 16 && screen[10] == std::string(80, ' ') && screen[15] == std::string(80, ' ') &&
               screen[16] == std::string(80, ' ');
    })) << game.Dump();
    EXPECT_SHOWN(game, 5, 29, "What is your name?");
    game.Type("Other");
    game.Press("Enter");
    EXPECT_SHOWN(game, 24, 0, "$: 0 Xp: 0% CL: 1 DL: 1 T: 0");
    EXPECT_TRUE(game.FileExists("Tester.hmd"));
    QuitFromTheMap(game);
}

TEST(CharacterCreationInPlay, TheShortcutStartShowsThreeLevelUpPages) {
    GameSession game;
    // The level-up wheel turns as slowly as a player sees it.
    StartNewGame(game, SessionOptions().WithRealWaits());
    game.Type("2");
    ASSERT_TRUE(game.WaitForText(5, 5, "Would you like to play")) << game.Dump();
    game.Type("1");
    game.Type("2");   // human
    game.Type("1");   // warrior
    game.Type("2");   // weapon and shield
    game.Type("1");   // strength
    ASSERT_TRUE(game.WaitForText(5, 29, "What is your name?")) << game.Dump();
    game.Type("Vet");
    game.Press("Enter");
    game.Type("2");  // she
    for (int page = 0; page < 3; ++page) {
        SCOPED_TRACE(page);
        EXPECT_SHOWN(game, 1, 7, "Select an attribute to train");
        EXPECT_SHOWN(game, 1, 43, "Strength increases:");
        EXPECT_SHOWN(game, 24, 0, std::string(80, ' '));
        game.Type("2");
        EXPECT_SHOWN(game, 24, 28, "Press space to continue");
        game.Type(" ");
        EXPECT_SHOWN(game, 1, 43, "Select a trait to improve further");
        game.Type(std::string(1, static_cast<char>('a' + page)));
        EXPECT_SHOWN(game, 24, 30, "Press space to exit");
        game.Type(" ");
    }
    EXPECT_SHOWN(game, 24, 0, "$: 350 Xp: 0% CL: 4 DL: 8 T: 0");
    QuitFromTheMap(game);
}

}  // namespace
