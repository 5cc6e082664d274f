// The real program: a new character of each training finds its kit in the
// inventory, drops an item and picks it up again, as a new player would.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/game_session.h"

namespace {

// A human of the training (its digit on the training screen) with the weaponry
// (1 or 2) who trains Strength, in the dungeon, on the ordinary or the shortcut start.
void EnterAs(GameSession& game, char training, char weaponry, bool shortcut = false) {
    game.WriteFile("Mortems/.keep", "");  // no first-play tutorial
    game.Start();
    ASSERT_TRUE(game.WaitForText("Welcome to the Hollowmere!")) << game.Dump();
    game.Type("1");
    ASSERT_TRUE(game.WaitForText("Are you a battle-hardened veteran?")) << game.Dump();
    game.Type(shortcut ? "2" : "1");
    ASSERT_TRUE(game.WaitForText("randomly chosen one")) << game.Dump();
    game.Type("12");
    ASSERT_TRUE(game.WaitForText("Select your training")) << game.Dump();
    game.Type(std::string(1, training));
    ASSERT_TRUE(game.WaitForText("starting weaponry")) << game.Dump();
    game.Type(std::string(1, weaponry) + "1");
    ASSERT_TRUE(game.WaitForText("What is your name?")) << game.Dump();
    game.Type("Tester");
    game.Press("Enter");
    ASSERT_TRUE(game.WaitForText("What is your gender?")) << game.Dump();
    game.Type("1");
    // The shortcut's three level-ups each show their page and wait for a key.
    for (int page = 0; shortcut && page < 3; ++page) {
        ASSERT_TRUE(game.WaitForText(24, 0, std::string(80, ' '))) << game.Dump();
        ASSERT_TRUE(game.WaitForText(1, 7, "Select an attribute to train")) << game.Dump();
        game.Type("1");
        ASSERT_TRUE(game.WaitForText(24, 28, "Press space to continue")) << game.Dump();
        game.Type(" ");
        ASSERT_TRUE(game.WaitForText(1, 43, "Select a trait to improve further")) << game.Dump();
        game.Type("a");
        ASSERT_TRUE(game.WaitForText(24, 30, "Press space to exit")) << game.Dump();
        game.Type(" ");
    }
    ASSERT_TRUE(game.WaitForText(23, 0, "HP: ")) << game.Dump();
}

void ExpectRows(GameSession& game, int firstRow, const std::vector<std::string>& rows) {
    for (std::size_t i = 0; i < rows.size(); ++i) EXPECT_SHOWN(game, firstRow + static_cast<int>(i), 0, rows[i]);
    EXPECT_SHOWN(game, firstRow + static_cast<int>(rows.size()), 0, std::string(80, ' '));
}

void Quit(GameSession& game) {
    game.Type("QY");
    EXPECT_EQ(game.WaitForExit(), std::optional<int>(1)) << game.Dump();
    EXPECT_EQ(game.SanitizerReports(), "");
}

TEST(InventoryInPlay, AWarriorDropsItsMeadAndPicksItUpAgain) {
    GameSession game;
    EnterAs(game, '1', '1');
    game.Type("i");
    EXPECT_SHOWN(game, 0, 0, "| 8 = up     page up = previous page   u = use    d = drop 1   D = drop stack  |");
    EXPECT_SHOWN(game, 3, 0, "Eq.  Qty.  Durab.  Base+  Weight  Name                               Page: 1/1");
    ExpectRows(game, 4,
               {"     1                    3       firemead",
                "*    1     18/18   5.0    20      2H crude copper axe",
                "*    15            2.0    1       flintstone"});

    game.Type("d");
    EXPECT_SHOWN(game, 24, 28, "You drop the firemead.");
    EXPECT_SHOWN(game, 4, 0, "*    1     18/18   5.0    20      2H crude copper axe");
    game.Type("z");  // the map again, and the drop took the turn
    EXPECT_SHOWN(game, 24, 0, "$: 0 Xp: 0% CL: 1 DL: 1 T: 1");
    EXPECT_SHOWN(game, 22, 0, std::string(80, '-'));

    game.Type("g");
    EXPECT_SHOWN(game, 19, 0, "You pick the firemead up.");
    EXPECT_SHOWN(game, 24, 0, "$: 0 Xp: 0% CL: 1 DL: 1 T: 2");
    game.Type("i");
    EXPECT_SHOWN(game, 4, 0, "     1                    3       firemead");
    game.Type("z");
    EXPECT_SHOWN(game, 24, 0, "$: 0 Xp: 0% CL: 1 DL: 1 T: 2");  // looking took no turn
    Quit(game);
}

TEST(InventoryInPlay, ARangerHoldsTwoSwords) {
    GameSession game;
    EnterAs(game, '2', '1');
    game.Type("i");
    ExpectRows(game, 4,
               {"     1                    3       firemead",
                "*    1     18/18   3.5    12      1H crude copper sword",
                "*    1     18/18   3.5    12      1H crude copper sword",
                "*    25            2.0    1       flintstone"});
    game.Type("8e");  // the thrown stones, examined
    EXPECT_SHOWN(game, 19, 0, "You do some basic tests with the item to determine its properties. This is");
    EXPECT_SHOWN(game, 20, 0, "non-magical ammunition for ranged combat.");
    Quit(game);
}

TEST(InventoryInPlay, AnArcherCountsItsArrows) {
    GameSession game;
    EnterAs(game, '3', '2');
    EXPECT_SHOWN(game, 24, 0, "Arw: 150 $: 0");
    game.Type("i");
    ExpectRows(game, 4,
               {"     1                    3       firemead",
                "*    1     20/20   3.5    8       2H crude willow bow",
                "*    1     18/18   3.5    12      1H crude copper sword",
                "     150                  0       arrow",
                "*    20            2.0    1       flintstone"});
    game.Type("2u");
    EXPECT_SHOWN(game, 24, 13, "Use the equipment screen to equip items! (Press space)");
    game.Type(" ");
    EXPECT_SHOWN(game, 24, 0, std::string(80, ' '));

    // The mead and the arrows onto the floor, then back through the pick-up list.
    game.Type("8d");  // up from the bow to the mead
    EXPECT_SHOWN(game, 24, 28, "You drop the firemead.");
    game.Type("22D");
    EXPECT_SHOWN(game, 24, 27, "You drop all the arrows.");
    game.Type("z");
    EXPECT_SHOWN(game, 24, 0, "Arw: 0 $: 0 Xp: 0% CL: 1 DL: 1 T: 1");
    game.Type("g");
    EXPECT_SHOWN(game, 0, 0, "|  8 = up   2 = down    e = Take everything   Space = Select item   z = ready  |");
    EXPECT_SHOWN(game, 3, 0, "1" + std::string(33, ' ') + "firemead");
    EXPECT_SHOWN(game, 4, 0, "150" + std::string(31, ' ') + "arrow");
    game.Type("2 ");
    EXPECT_SHOWN(game, 4, 24, "*");
    game.Type("z");
    EXPECT_SHOWN(game, 19, 0, "You pick up the item.");
    EXPECT_SHOWN(game, 24, 0, "Arw: 150 $: 0 Xp: 0% CL: 1 DL: 1 T: 2");
    game.Type("g");
    EXPECT_SHOWN(game, 19, 0, "You pick the firemead up.");
    Quit(game);
}

TEST(InventoryInPlay, TheShortcutVeteranWearsLeatherAndLinen) {
    GameSession game;
    EnterAs(game, '1', '2', true);
    game.Type("i");
    ExpectRows(game, 4,
               {"     3                    3       firemead",
                "*    1     15/18   1.0    1       linen hat",
                "*    1     15/18   1.0    1       linen mittens",
                "*    1     15/18   1.0    2       linen trousers",
                "*    1     15/18   1.0    1       linen socks",
                "*    1     15/18   1.0    2       linen shirt",
                "*    1     20/24   1.0    5       leather helmet",
                "*    1     20/24   1.0    3       leather gauntlets",
                "*    1     20/24   2.0    9       leather greaves",
                "*    1     20/24   1.0    5       leather boots",
                "*    1     20/24   2.0    18      leather cuirass",
                "*    1     22/22   1.0    18      bronze triangle shield",
                "*    1     20/20   5.0    13      1H crude bronze hand axe",
                "*    15            3.0    1       dart"});
    game.Type("z");
    EXPECT_SHOWN(game, 24, 0, "$: 350 Xp: 0% CL: 4 DL: 8 T: 0");
    Quit(game);
}

}  // namespace
