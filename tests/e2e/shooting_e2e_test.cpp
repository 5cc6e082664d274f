// The built program in a tmux session: a new archer aims at a monster on the
// first floor and shoots it dead with the bow alone, as a player would.
#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "e2e/dungeon_walker.h"
#include "support/game_session.h"

namespace {

bool IsMonsterGlyph(char glyph) { return std::isalpha(static_cast<unsigned char>(glyph)) != 0; }

bool MonsterInSight(const Sight& sight) {
    for (int y = 0; y < 19; ++y) {
        for (int x = 0; x < 80; ++x) {
            if (IsMonsterGlyph(sight.At(x, y))) return true;
        }
    }
    return false;
}

// The arrows shown on the status panel; -1 when not shown.
int ArrowsShown(const Sight& sight) {
    for (const std::string& row : sight.rows) {
        const std::size_t at = row.find("Arw: ");
        if (at != std::string::npos) return std::stoi(row.substr(at + 5));
    }
    return -1;
}

TEST(Shooting, ANewArcherShootsAMonsterDeadOnTheFirstFloor) {
    GameSession game;
    DungeonWalker walker{game};
    ASSERT_TRUE(walker.EnterTheDungeon({}, "3")) << game.Dump();
    const Sight start = walker.Look();
    ASSERT_EQ(ArrowsShown(start), 200) << game.Dump();

    ASSERT_TRUE(walker.WalkUntil(MonsterInSight, [](const Sight&, int, int) { return false; })) << game.Dump();

    // The first shot asks for a target: the cursor starts on the nearest monster.
    Sight aiming = walker.Press("f");
    ASSERT_EQ(aiming.rows[19].rfind("Select a target, Z = exit, f or t = shoot", 0), 0u) << game.Dump();
    std::string told = walker.Press("f").MessageRows();

    // Then every press shoots the stored target while it stays in view.
    for (int shots = 0; shots < 150 && told.find("You kill the ") == std::string::npos; ++shots) {
        const Sight sight = walker.Look();
        if (sight.MessageRows().find("-More-") != std::string::npos ||
            sight.MessageRows().find("Press space") != std::string::npos) {
            told += walker.Press(" ").MessageRows();
            continue;
        }
        if (!MonsterInSight(sight)) break;
        told += walker.Press("f").MessageRows();
        // A target that left the view brings the cursor back: confirm on the nearest monster again.
        if (walker.Look().rows[19].rfind("Select a target", 0) == 0) told += walker.Press("f").MessageRows();
    }
    EXPECT_NE(told.find("You kill the "), std::string::npos) << told << game.Dump();
    EXPECT_NE(told.find("You shoot"), std::string::npos) << told;
    EXPECT_LT(ArrowsShown(walker.Look()), 200) << game.Dump();

    game.Type("Q");
    game.Type("Y");
    EXPECT_EQ(game.WaitForExit(), std::optional<int>(1)) << game.Dump();
    EXPECT_EQ(game.SanitizerReports(), "");
}

}  // namespace
