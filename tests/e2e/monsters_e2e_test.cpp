// The built program in a tmux session: monsters notice the character, come for
// it, and follow it down the stairs.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <string>

#include "e2e/dungeon_walker.h"
#include "support/game_session.h"

namespace {

bool IsMonsterGlyph(char glyph) { return std::isalpha(static_cast<unsigned char>(glyph)) != 0; }

bool MonsterBeside(const Sight& sight) {
    for (const WalkKey& walk : kWalkKeys) {
        if (IsMonsterGlyph(sight.At(sight.x + walk.dx, sight.y + walk.dy))) return true;
    }
    return false;
}

// The distance (in king's moves) from the player to the nearest monster on screen; -1 for none.
int NearestMonster(const Sight& sight) {
    int nearest = -1;
    for (int y = 0; y < 19; ++y) {
        for (int x = 0; x < 80; ++x) {
            if (!IsMonsterGlyph(sight.At(x, y))) continue;
            const int distance = std::max(std::abs(x - sight.x), std::abs(y - sight.y));
            if (nearest < 0 || distance < nearest) nearest = distance;
        }
    }
    return nearest;
}

using Monsters = GameInTheDungeon;

TEST_F(Monsters, TheyComeForTheCharacterAndFollowItDownTheStairs) {
    ASSERT_TRUE(walker.WalkToTheStairsDown()) << Described(walker.Look());

    // Waiting on the staircase, the character sees a monster close in until it stands beside it.
    Sight waiting = walker.Look();
    int firstSeenAt = -1;
    for (int rest = 0; rest < 80 && !MonsterBeside(waiting); ++rest) {
        waiting = walker.Press("5");
        while (waiting.MessageRows().find("-More-") != std::string::npos) waiting = walker.Press(" ");
        if (firstSeenAt < 0) firstSeenAt = NearestMonster(waiting);
    }
    ASSERT_TRUE(MonsterBeside(waiting)) << Described(waiting);
    EXPECT_NE(firstSeenAt, 1) << "it was seen coming, not only once beside the character";

    Sight below = walker.Press(">");
    std::string said = below.MessageRows();
    while (below.MessageRows().find("Press space") != std::string::npos ||
           below.MessageRows().find("-More-") != std::string::npos) {
        below = walker.Press(" ");
        said += below.MessageRows();
    }
    EXPECT_EQ(below.Depth(), 2) << Described(below);
    EXPECT_NE(said.find(" follows you."), std::string::npos) << said << Described(below);
    EXPECT_TRUE(MonsterBeside(below)) << Described(below);
}

}  // namespace
