// The real program: a new character looks at its equipment, takes its weapon
// off and puts it on again, and swaps to its readied weapon.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/game_session.h"

namespace {

#define EXPECT_SHOWN(session, row, column, text) \
    EXPECT_TRUE((session).WaitForText(row, column, text)) << "expected \"" << (text) << "\"" << (session).Dump()

// Waits until the status panel counts the turns (it shows the arrows first while a bow is held).
bool ShowsTurn(const GameSession& game, int turn) {
    const std::string count = "CL: 1 DL: 1 T: " + std::to_string(turn) + " ";
    return game.WaitForScreen([&count](const std::vector<std::string>& screen) {
        return screen.size() > 24 && screen[24].find(count) != std::string::npos;
    });
}

class EquipmentInPlay : public ::testing::Test {
protected:
    // A ranger of the main entrance with a one-handed weapon and a bow, on the map.
    void SetUp() override {
        game.WriteFile("Mortems/.keep", "");
        game.Start();
        ASSERT_TRUE(game.WaitForText("Welcome to the Hollowmere!")) << game.Dump();
        struct Answer {
            const char* key;
            int row, column;
            const char* next;  // what the answer brings
        };
        const Answer answers[] = {
            {"1", 7, 22, "Are you a battle-hardened veteran?"},
            {"1", 5, 5, "Would you like to play a specific character"},
            {"1", 5, 11, "Select your race"},
            {"1", 5, 9, "Select your training"},
            {"2", 5, 21, "Select your starting weaponry"},  // a ranger
            {"2", 4, 10, "Select an attribute"},            // a one-handed weapon and a bow
            {"1", 5, 29, "What is your name?"},
        };
        for (const Answer& answer : answers) {
            game.Type(answer.key);
            ASSERT_TRUE(game.WaitForText(answer.row, answer.column, answer.next)) << game.Dump();
        }
        game.Type("Tester");
        game.Press("Enter");
        ASSERT_TRUE(game.WaitForText(5, 29, "What is your gender?")) << game.Dump();
        game.Type("1");
        ASSERT_TRUE(ShowsTurn(game, 0)) << game.Dump();
    }
    void TearDown() override {
        game.Type("QY");
        EXPECT_EQ(game.WaitForExit(), std::optional<int>(1)) << game.Dump();
        EXPECT_EQ(game.SanitizerReports(), "");
    }

    GameSession game;
};

TEST_F(EquipmentInPlay, TakeOffPutOnAndSwapToTheReadiedBow) {
    game.Type("e");
    EXPECT_SHOWN(game, 0, 35, "Equipment");
    EXPECT_SHOWN(game, 24, 31, "z = Close equipment");
    EXPECT_SHOWN(game, 23, 6, "[s] Second hand swap:   None");
    game.Press("Escape");
    ASSERT_TRUE(ShowsTurn(game, 0)) << game.Dump();
    game.Type("e");
    ASSERT_TRUE(game.WaitForText(0, 35, "Equipment")) << game.Dump();
    ASSERT_TRUE(game.WaitUntilItAwaitsAKey()) << game.Dump();  // the whole screen drawn
    if (game.Screen()[1].substr(30, 4) == "None") {
        game.Press("Escape");
        game.Type("x");
        EXPECT_SHOWN(game, 19, 0, "You haven't readied any weapons!");
        GTEST_SKIP() << "the new character has no starting kit to equip";
    }
    EXPECT_SHOWN(game, 1, 30, "1H crude copper sword 18");
    EXPECT_SHOWN(game, 22, 30, "2H crude willow bow 20");

    // Off: the list marks the worn sword with a red letter, and choosing it takes it off.
    game.Type("a");
    EXPECT_SHOWN(game, 4, 6, "[a] 1H crude copper sword (Durability: 18/18, Base+: 3.5)");
    game.Type("a");
    EXPECT_SHOWN(game, 1, 30, "None");
    // On again; a known item brings no notice.
    game.Type("a");
    EXPECT_SHOWN(game, 4, 6, "[a] 1H crude copper sword");
    game.Type("a");
    EXPECT_SHOWN(game, 1, 30, "1H crude copper sword 18");
    ASSERT_TRUE(game.WaitUntilItAwaitsAKey()) << game.Dump();
    EXPECT_EQ(game.Screen()[16].substr(59, 20), std::string(20, ' '));
    game.Type("z");
    EXPECT_TRUE(ShowsTurn(game, 1)) << game.Dump();  // opening a list used the turn

    game.Type("x");
    EXPECT_SHOWN(game, 19, 0, "You swap your weapons.");
    game.Type("e");
    EXPECT_SHOWN(game, 1, 30, "2H crude willow bow 20");
    EXPECT_SHOWN(game, 22, 30, "1H crude copper sword 18");
    game.Type("z");
    EXPECT_TRUE(ShowsTurn(game, 1)) << game.Dump();  // the swap and a look use none
}

}  // namespace
