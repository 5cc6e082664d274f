// The built program in a tmux session: a new warrior uses the starting skill
// from the use-skill screen and by the quick-skill keys.
#include <gtest/gtest.h>

#include <string>

#include "e2e/dungeon_walker.h"
#include "support/game_session.h"

namespace {

using Skills = GameInTheDungeon;

TEST_F(Skills, TheStartingSkillFromTheScreenAndByTheQuickKeys) {
    const Sight start = walker.Look();
    const Sight screen = walker.Press("s");
    ASSERT_EQ(screen.rows[0].substr(2, 7), "SP now:") << Described(screen);
    EXPECT_EQ(screen.rows[3].substr(0, 32), "SP cost   Quick selection   Name");
    EXPECT_EQ(screen.rows[4].substr(0, 52), "9         *                 Warrior's rending strike");

    const Sight used = walker.Press("d");
    EXPECT_TRUE(used.InGame()) << Described(used);
    EXPECT_NE(used.MessageRows().find("You prepare to rend flesh."), std::string::npos) << Described(used);
    EXPECT_EQ(used.Turns(), start.Turns());  // a preparation takes no turn

    // Nine of the ten special points are spent.
    const Sight again = walker.Press("q");
    EXPECT_EQ(again.rows[19].substr(0, 26), "Not enough special points.") << Described(again);
    EXPECT_EQ(again.Turns(), start.Turns());
}

TEST_F(Skills, TheQuickKeyUsesTheSkillFromTheMap) {
    const Sight used = walker.Press("q");
    EXPECT_NE(used.MessageRows().find("You prepare to rend flesh."), std::string::npos) << Described(used);
    const Sight screen = walker.Press("s");
    ASSERT_EQ(screen.rows[0].substr(2, 7), "SP now:") << Described(screen);
    EXPECT_EQ(screen.rows[0].substr(10, 2), "1 ");
    const Sight left = walker.Press("z");
    EXPECT_TRUE(left.InGame()) << Described(left);

    const Sight cycled = walker.Press("v");
    EXPECT_NE(cycled.MessageRows().find("Changed quick skill to: Warrior's rending strike"), std::string::npos)
        << Described(cycled);
}

}  // namespace
