// The built program in a tmux session: a new warrior finds a monster on the
// first floor and beats it to death, as a player would.
#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "e2e/dungeon_walker.h"
#include "support/game_session.h"

namespace {

bool IsMonsterGlyph(char glyph) { return std::isalpha(static_cast<unsigned char>(glyph)) != 0; }

// The key of a step from the player toward a monster beside it; 0 when none stands there.
char KeyTowardAMonster(const Sight& sight) {
    for (const WalkKey& walk : kWalkKeys) {
        if (IsMonsterGlyph(sight.At(sight.x + walk.dx, sight.y + walk.dy))) return walk.key;
    }
    return 0;
}

// Walks to the nearest square beside a monster in sight, exploring until one shows.
bool WalkBesideAMonster(const DungeonWalker& walker) {
    return walker.WalkUntil([](const Sight& sight) { return KeyTowardAMonster(sight) != 0; },
                            [](const Sight& sight, int x, int y) {
                                for (const WalkKey& walk : kWalkKeys) {
                                    if (IsMonsterGlyph(sight.At(x + walk.dx, y + walk.dy))) return true;
                                }
                                return false;
                            });
}

// The experience shown on the status panel, as a percentage of the next level.
int ExperiencePercent(const Sight& sight) {
    const std::string& row = sight.rows[24];
    const std::size_t at = row.find("Xp: ");
    return at == std::string::npos ? -1 : std::stoi(row.substr(at + 4));
}

TEST(Fight, ANewWarriorKillsAMonsterOnTheFirstFloor) {
    GameSession game;
    DungeonWalker walker{game};
    // A game whose first monster met is one worth experience (a wanderer may come first on other seeds),
    // with the monster's death flash as a player sees it.
    ASSERT_TRUE(walker.EnterTheDungeon(SessionOptions().WithSeed(2).WithRealWaits())) << game.Dump();
    const Sight start = walker.Look();
    ASSERT_EQ(start.Depth(), 1) << game.Dump();
    const int experienceBefore = ExperiencePercent(start);

    const bool beside = WalkBesideAMonster(walker);
    ASSERT_TRUE(beside) << game.Dump();

    // Blow after blow until the kill text shows; a full message window asks for a key first.
    std::string told;
    for (int blows = 0; blows < 200 && told.find("You kill the ") == std::string::npos; ++blows) {
        const Sight sight = walker.Look();
        if (sight.MessageRows().find("-More-") != std::string::npos) {
            told += sight.MessageRows();
            walker.Press(" ");
            continue;
        }
        const char key = KeyTowardAMonster(sight);
        ASSERT_NE(key, 0) << "the monster went away" << game.Dump();
        const Sight after = walker.Press(std::string(1, key));
        told += after.MessageRows();
    }
    EXPECT_NE(told.find("You kill the "), std::string::npos) << told;
    EXPECT_LT(told.find(" hit"), told.find("You kill the ")) << told;  // the blows come before the kill text
    const Sight end = walker.Look();
    EXPECT_GT(ExperiencePercent(end), experienceBefore) << game.Dump();

    game.Type("Q");
    game.Type("Y");
    EXPECT_EQ(game.WaitForExit(), std::optional<int>(1)) << game.Dump();
    EXPECT_EQ(game.SanitizerReports(), "");
}

// A character that stays beside a monster and only rests is worn down and
// killed: the death screen shows, then the final screens, then the game ends.
TEST(Fight, ACharacterThatOnlyRestsBesideAMonsterDies) {
    GameSession game;
    DungeonWalker walker{game};
    // The final screens with their pauses as a player sees them.
    ASSERT_TRUE(walker.EnterTheDungeon(SessionOptions().WithRealWaits())) << game.Dump();
    const bool beside = WalkBesideAMonster(walker);
    ASSERT_TRUE(beside) << game.Dump();

    // Rests ten at a time (a -More- takes any key); a wait for the space bar gets one.
    bool died = false;
    for (int rounds = 0; rounds < 300 && !died; ++rounds) {
        const Sight sight = walker.Look();
        died = sight.MessageRows().find("You die... Press space.") != std::string::npos;
        if (died) break;
        game.Type(sight.MessageRows().find("Press space") != std::string::npos ? " " : "5555555555");
    }
    ASSERT_TRUE(died) << game.Dump();
    EXPECT_TRUE(walker.Look().InGame());  // the death is told over the map

    // The final screens each leave with a key; then the program ends.
    std::optional<int> code;
    for (int keys = 0; keys < 40 && !code; ++keys) {
        game.Type(keys % 2 == 0 ? " " : "z");
        code = game.WaitForExit(0.3);
    }
    EXPECT_EQ(code, std::optional<int>(1)) << game.Dump();
    EXPECT_EQ(game.SanitizerReports(), "");
}

}  // namespace
