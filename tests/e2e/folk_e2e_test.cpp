// The real program: a new character prays without piety, and walks down until
// it meets one of the dungeon folk, talks with him and takes its leave.
#include <gtest/gtest.h>

#include <string>

#include "e2e/dungeon_walker.h"

namespace {

using FolkInPlay = GameInTheDungeon;

// The folk stand as '@' like the character; any other '@' in sight is one of them.
bool IsFolk(const Sight& s, int x, int y) { return s.At(x, y) == '@' && !(x == s.x && y == s.y); }

bool BesideFolk(const Sight& s) {
    for (int dx = -1; dx <= 1; ++dx) {
        for (int dy = -1; dy <= 1; ++dy) {
            if ((dx != 0 || dy != 0) && IsFolk(s, s.x + dx, s.y + dy)) return true;
        }
    }
    return false;
}

TEST_F(FolkInPlay, APrayerWithoutPietyIsRefused) {
    const Sight sight = walker.Press("p");
    EXPECT_NE(sight.MessageRows().find("You can't sense the Goddess' presence."), std::string::npos) << Described(sight);
    EXPECT_EQ(sight.Turns(), walker.Look().Turns());
}

TEST_F(FolkInPlay, TalkingWithTheFirstFolkMet) {
    bool found = false;
    for (int floor = 0; floor < 6 && !found; ++floor) {
        found = walker.WalkUntil(BesideFolk, IsFolk, 600);
        if (found) break;
        ASSERT_TRUE(walker.WalkToTheStairsDown()) << Described(walker.Look());
        walker.Press(">");
    }
    ASSERT_TRUE(found) << Described(walker.Look());
    const Sight menu = walker.Press("c");
    const bool sage = menu.rows[19].find("\"How may I help you today, traveller?\"") != std::string::npos;
    const bool smith = menu.rows[19].find("\"Welcome to my forge adventurer!") != std::string::npos;
    ASSERT_TRUE(sage || smith) << Described(menu);
    const Sight after = walker.Press("z");
    EXPECT_NE(after.MessageRows().find(sage ? "\"Good luck on your quest.\"" : "\"Come back soon!\""),
              std::string::npos)
        << Described(after);
}

}  // namespace
