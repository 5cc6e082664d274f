// The real program: a new character prays without piety, and chats with
// nobody at the start of the game.
#include <gtest/gtest.h>

#include <string>

#include "e2e/dungeon_walker.h"

namespace {

using FolkInPlay = GameInTheDungeon;

TEST_F(FolkInPlay, APrayerWithoutPietyIsRefused) {
    const Sight before = walker.Look();
    const Sight sight = walker.Press("p");
    EXPECT_NE(sight.MessageRows().find("You can't sense the Goddess' presence."), std::string::npos) << Described(sight);
    EXPECT_EQ(sight.Turns(), before.Turns());
}

TEST_F(FolkInPlay, ChattingWithNobodyBesideTakesNoTurn) {
    const Sight before = walker.Look();
    const Sight after = walker.Press("c", 1);
    EXPECT_EQ(after.Turns(), before.Turns());
    EXPECT_EQ(after.MessageRows().find("\""), std::string::npos) << Described(after);
}

}  // namespace
