// The training room's trait menu: raising one trait, the cap of 5, and what
// each letter raises.
#include <curses.h>

#include <string>

#include "player/condition_fixture.h"

namespace {

using namespace conditions;

class TraitMenu : public ScreenTest {
protected:
    static bool Run() {
        return RunUntilItWaitsForAKey([] { player.ImproveTrait(); });
    }
};

TEST_F(TraitMenu, TheScreenShowsTheAttributesReadOnlyAndTheMenu) {
    player.traits[kTraitSpRegeneration] = 3;  // letter f
    player.strength = 15;
    Type("s1");
    Press(KEY_DOWN);
    EXPECT_TRUE(Run());
    EXPECT_EQ(TextAt(1, 7, 28), "Select an attribute to train");
    EXPECT_EQ(TextAt(3, 3, 32), "(1) Strength       [Current: 15]");
    EXPECT_EQ(TextAt(9, 1, 38), "(to check skill requirements, press s)");
    EXPECT_EQ(TextAt(12, 10, 21), "No attributes gained.");
    for (const auto& [row, column] : {std::pair{1, 7}, std::pair{3, 3}, std::pair{3, 4}, std::pair{3, 32},
                                      std::pair{9, 1}, std::pair{12, 10}}) {
        EXPECT_EQ(ColourAt(row, column), 8) << row << "," << column;
    }
    EXPECT_EQ(CharAt(10, 0), '-');
    EXPECT_EQ(CharAt(20, 79), '-');
    EXPECT_EQ(CharAt(23, 40), '|');
    EXPECT_EQ(TextAt(1, 43, 33), "Select a trait to improve further");
    EXPECT_EQ(ColourAt(1, 43), 15);
    EXPECT_EQ(TextAt(3, 42, 37), "a) Extra HP                     (0/5)");
    EXPECT_EQ(TextAt(8, 42, 37), "f) Extra SP regeneration        (3/5)");
    EXPECT_EQ(TextAt(15, 42, 37), "m) Extra skill point            (0/5)");
    EXPECT_EQ(ColourAt(8, 42), 11);
    EXPECT_EQ(ColourAt(8, 44), 3);
    EXPECT_EQ(ColourAt(8, 75), 11);
    // 's', a digit and an arrow did nothing.
    EXPECT_EQ(Row(24), std::string(80, ' '));
    for (int32_t trait : player.traits) EXPECT_LE(trait, 3);
}

TEST_F(TraitMenu, EachLetterRaisesItsOwnTrait) {
    const std::pair<char, int32_t> letters[] = {{'a', 0}, {'b', 1}, {'c', 2},  {'d', 3},  {'e', 5},  {'f', 4}, {'g', 8},
                                                {'h', 9}, {'i', 10}, {'j', 11}, {'k', 12}, {'l', 7}, {'m', 6}};
    for (const auto& [letter, index] : letters) {
        SCOPED_TRACE(letter);
        ResetGameState();
        Type(std::string(1, letter) + " ");
        EXPECT_FALSE(Run());
        for (int32_t trait = 0; trait < kTraitCount; ++trait) EXPECT_EQ(player.traits[trait], trait == index ? 1 : 0);
    }
}

TEST_F(TraitMenu, ExtraHpRaisesTheMaximumAndEveryChoiceRefills) {
    player.traits[kTraitExtraHp] = 4;
    player.hp = 3;
    player.sp = 2;
    Type("a");
    EXPECT_TRUE(Run());
    EXPECT_EQ(ColourAt(3, 42), 10);
    EXPECT_EQ(CharAt(3, 75), '5');
    EXPECT_EQ(ColourAt(1, 43), 8);
    EXPECT_EQ(TextAt(24, 30, 19), "Press space to exit");
    EXPECT_EQ(ColourAt(24, 30), 15);

    ResetGameState();
    player.traits[kTraitExtraHp] = 4;
    player.hp = 3;
    player.sp = 2;
    Type("a ");
    EXPECT_FALSE(Run());
    EXPECT_EQ(player.traits[kTraitExtraHp], 5);
    EXPECT_EQ(player.maxHp, 32);
    EXPECT_EQ(player.hp, 32);
    EXPECT_EQ(player.sp, 10);
}

TEST_F(TraitMenu, AMaxedTraitIsRefusedUntilAnotherIsChosen) {
    player.traits[kTraitExtraHp] = 5;
    Type("axyz");  // only Space ends the notice
    EXPECT_TRUE(Run());
    EXPECT_EQ(TextAt(17, 43, 32), "That trait is maxed out already!");
    EXPECT_EQ(TextAt(18, 43, 32), "           Press Space          ");
    EXPECT_EQ(ColourAt(18, 54), 15);

    ResetGameState();
    player.traits[kTraitExtraHp] = 5;
    Type("a ");
    EXPECT_TRUE(Run());
    EXPECT_EQ(TextAt(17, 43, 32), std::string(32, ' '));
    EXPECT_EQ(TextAt(18, 43, 32), std::string(32, ' '));

    ResetGameState();
    player.traits[kTraitExtraHp] = 5;
    const int32_t dodgeBefore = (player.RecomputePlayerStats(), player.dodge);
    Type("a c ");
    EXPECT_FALSE(Run());
    EXPECT_EQ(player.maxHp, 28);
    EXPECT_EQ(player.traits[kTraitExtraDodge], 1);
    EXPECT_EQ(player.dodge, dodgeBefore + 12);
}

TEST_F(TraitMenu, AnExtraSkillPointCountsAtOnce) {
    Type("m ");
    EXPECT_FALSE(Run());
    EXPECT_EQ(player.skillPoints, 2);
    Type("b ");
    EXPECT_FALSE(Run());
    EXPECT_EQ(player.maxSp, 14);
    EXPECT_EQ(player.skillPoints, 2);
}

TEST_F(TraitMenu, WithEveryTraitMaxedSpaceLeavesTheScreen) {
    for (int32_t& trait : player.traits) trait = 5;
    player.hp = 1;
    Type("a");
    EXPECT_TRUE(Run());
    EXPECT_EQ(TextAt(24, 30, 19), "Press space to exit");
    Type(" ");
    EXPECT_FALSE(Run());
    EXPECT_EQ(player.maxHp, 28);
    EXPECT_EQ(player.hp, 28);
}

}  // namespace
