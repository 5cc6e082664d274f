// The real program: a new warrior drinks from the inventory, opens the throw
// cursor and leaves it, and looks around, with the exact screens.
#include <gtest/gtest.h>

#include <string>

#include "e2e/dungeon_walker.h"
#include "support/game_session.h"

namespace {

TEST(ItemUseInPlay, AWarriorDrinksItsMeadThrowsAtNothingAndLooksAtItself) {
    GameSession game;
    DungeonWalker walker{game};
    ASSERT_TRUE(walker.EnterTheDungeon()) << game.Dump();
    const int turns = walker.Look().Turns();

    // The mead is the first row of the inventory; using it ends the screen on the map.
    game.Type("i");
    ASSERT_TRUE(game.WaitForText(4, 0, "     1                    3       firemead")) << game.Dump();
    game.Type("u");
    ASSERT_TRUE(game.WaitForText(19, 0, "You start drinking the firemead. This beverage is strong! You feel dizzy. You")) << game.Dump();
    EXPECT_SHOWN(game, 20, 0, "finish drinking it.");
    EXPECT_EQ(walker.Look().Turns(), turns + 1) << game.Dump();

    // Dizzy, the throw is refused; once clear-headed, its cursor opens and 'z' leaves it without a turn.
    game.Type("t");
    EXPECT_SHOWN(game, 19, 0, "You are too confused to do that");
    Sight sight = walker.Look();
    for (int rests = 0; rests < 40 && (sight.rows[23] + sight.rows[24]).find("Con ") != std::string::npos; ++rests) sight = walker.Press("5");
    const int rested = walker.Look().Turns();
    game.Type("t");
    EXPECT_SHOWN(game, 19, 0, "Select a target, Z = exit, f or t = throw");
    game.Type("z");
    ASSERT_TRUE(game.WaitForText(19, 0, std::string(80, ' '))) << game.Dump();
    EXPECT_EQ(walker.Look().Turns(), rested);

    // Looking starts on the character.
    game.Type("l");
    EXPECT_SHOWN(game, 20, 0, "you (l = look at details)");
    EXPECT_SHOWN(game, 21, 72, "z = exit");
    game.Type("z");
    ASSERT_TRUE(game.WaitForText(20, 0, std::string(80, ' '))) << game.Dump();

    game.Type("QY");
    EXPECT_EQ(game.WaitForExit(), std::optional<int>(1)) << game.Dump();
    EXPECT_EQ(game.SanitizerReports(), "");
}

}  // namespace
