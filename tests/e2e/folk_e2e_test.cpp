// The real program: a new character prays without piety and chats with nobody
// at the start of the game; on seeds that put the folk beside the start it
// sells to a sage and buys from him, visits a deep smith, and sacrifices at an
// altar.
#include <gtest/gtest.h>

#include <cstdlib>
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

// The gold shown on the status panel; -1 when not shown.
int GoldShown(const Sight& sight) {
    for (const std::string& row : sight.rows) {
        if (row.rfind("$: ", 0) == 0) return std::atoi(row.c_str() + 3);
    }
    return -1;
}

// A screen row without the blanks that pad it to the terminal's width.
std::string Trimmed(const std::string& row) { return row.substr(0, row.find_last_not_of(' ') + 1); }

// A new warrior on a seed whose first floor has the folk the test is after
// a few steps from the up stairs.
class FolkNearTheStart : public GameInTheDungeon {
protected:
    void EnterOnSeed(unsigned seed) { ASSERT_TRUE(walker.EnterTheDungeon(SessionOptions().WithSeed(seed))) << game.Dump(); }
    void SetUp() override {}
};

// Seed 34 puts a sage two rows above the start, one column right.
TEST_F(FolkNearTheStart, ASageBuysTheFiremeadAndSellsArrowsButHealingCostsMore) {
    EnterOnSeed(34);
    walker.Press("8");
    const Sight menu = walker.Press("c");
    EXPECT_EQ(Trimmed(menu.rows[19]), "                \"How may I help you today, traveller?\"               (z = Exit)")
        << Described(menu);
    EXPECT_EQ(Trimmed(menu.rows[20]), "     H(e)aling[50] | (U)ncursing[90] | (I)dentifying[Potions 33/Others 75]") << Described(menu);
    EXPECT_EQ(Trimmed(menu.rows[21]), "  (H)eating/Food[50] | (A)rrows[5=4$] | (S)ell | Prepaid (R)esurrection[500]")
        << Described(menu);

    // The firemead is the first entry of the sell list; the food is worth half its value.
    walker.Press("s");
    const Sight asked = walker.Press("s");
    EXPECT_EQ(Trimmed(asked.rows[19]), "\"Your firemead is worth 10 coins.\"") << Described(asked);
    EXPECT_EQ(Trimmed(asked.rows[20]), "\"Do you want to sell it?\" (y/n)") << Described(asked);
    EXPECT_EQ(GoldShown(walker.Press("y")), 10) << game.Dump();

    walker.Press("c");
    EXPECT_NE(walker.Press("e").MessageRows().find("You don't have enough gold."), std::string::npos) << game.Dump();
    EXPECT_EQ(GoldShown(walker.Look()), 10);

    walker.Press("c");
    const Sight arrows = walker.Press("a");
    EXPECT_EQ(Trimmed(arrows.rows[20]), "(A) Five [4 gold]  |  (B) Twenty five [20 gold]  |  (C) Fifty [40 gold]")
        << Described(arrows);
    const Sight bought = walker.Press("A");
    EXPECT_NE(bought.MessageRows().find("\"Here you go.\""), std::string::npos) << Described(bought);
    EXPECT_EQ(GoldShown(bought), 6) << Described(bought);
}

// Seed 58 puts a deep smith and an altar side by side three rows below the start.
TEST_F(FolkNearTheStart, TheSmithGreetsAndTheAltarTakesASacrifice) {
    EnterOnSeed(58);
    walker.Press("3");
    walker.Press("2");
    const Sight forge = walker.Press("c");
    EXPECT_EQ(forge.rows[19].find("\"Welcome to my forge adventurer! I offer thee the following services:\""), 4u)
        << Described(forge);
    EXPECT_EQ(Trimmed(forge.rows[20]), " (R)epair an item     | (D)estroy a piece of cursed equipment   | (S)ell items")
        << Described(forge);
    EXPECT_NE(walker.Press("z").MessageRows().find("\"Come back soon!\""), std::string::npos) << game.Dump();

    // To the altar at (38, 5), through whatever stands on it.
    constexpr int kAltarX = 38;
    constexpr int kAltarY = 5;
    for (int presses = 0; presses < 30; ++presses) {
        const Sight sight = walker.Look();
        if (sight.x == kAltarX && sight.y == kAltarY) break;
        if (sight.MessageRows().find("-More-") != std::string::npos) {
            walker.Press(" ");
            continue;
        }
        const int dx = (kAltarX > sight.x) - (kAltarX < sight.x);
        const int dy = (kAltarY > sight.y) - (kAltarY < sight.y);
        walker.Press(std::string(1, KeyOfStep(dx, dy)));
    }
    ASSERT_EQ(walker.Look().x, kAltarX) << game.Dump();
    ASSERT_EQ(walker.Look().y, kAltarY) << game.Dump();

    const std::string refused = walker.Press("p").MessageRows();
    EXPECT_NE(refused.find("You can't sense the Goddess' presence."), std::string::npos) << game.Dump();
    EXPECT_NE(refused.find("(To sacrifice at this altar, press 'u'.)"), std::string::npos) << game.Dump();

    const Sight list = walker.Press("u");
    EXPECT_EQ(list.rows[0].rfind("|  8 = up     page down = next page     s = sacrifice     S = quick sacrifice", 0), 0u)
        << Described(list);
    walker.Press("S");
    EXPECT_SHOWN(game, 24, 21, "You sacrifice it. Your piety is at 4%.");
    walker.Press("z");
}

}  // namespace
