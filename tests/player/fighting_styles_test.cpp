#include <curses.h>

#include "player/condition_fixture.h"

namespace {

using namespace conditions;

class TrappedArmourTest : public ConditionTest {
protected:
    static constexpr int32_t kArmourKind = 30;
    void SetUp() override {
        ConditionTest::SetUp();
        DefineKind(kArmourKind, kItemArmour, 2, "leather armor");
    }
};

TEST_F(TrappedArmourTest, PutridArmourReleasesNoxiousFumes) {
    const int32_t index = Wear(kSlotChest, kArmourKind, 6);
    player.poison = 1;
    player.ExplodeTrappedArmour(index);
    EXPECT_GE(player.fever, 150);
    EXPECT_LE(player.fever, 299);
    EXPECT_GE(player.sickness, 50);
    EXPECT_LE(player.sickness, 99);
    EXPECT_GE(player.poison, 11);
    EXPECT_LE(player.poison, 25);
    EXPECT_EQ(player.inventory[index].prefix, 6) << "the prefix stays on the item";
}

TEST_F(TrappedArmourTest, OtherItemsDoNothing) {
    const int32_t deflecting = Wear(kSlotShield, kArmourKind, 0);
    const int32_t plain = Wear(kSlotHelmet, kArmourKind, -1);
    const int32_t wetCloth = Wear(kSlotClothShirt, kClothKind, 6);  // wetness, not a prefix
    const RandomMother before = rng;
    for (int32_t index : {deflecting, plain, wetCloth, -1, 99}) player.ExplodeTrappedArmour(index);
    EXPECT_EQ(player.fever + player.sickness + player.poison, 0);
    EXPECT_EQ(rng.x[0], before.x[0]);
}

TEST_F(TrappedArmourTest, FumesAreDescribed) {
    player.ExplodeTrappedArmour(Wear(kSlotChest, kArmourKind, 6));
    EXPECT_EQ(Messages().rfind("As you were putting on the piece of armor, the piece started slowly glowing green.", 0),
              0u);
}

}  // namespace

namespace {

using namespace conditions;

class FightingStyleMenu : public ConditionScreenTest {
protected:
    static std::string Padded(const std::string& text) { return text + std::string(80 - text.size(), ' '); }
};

TEST_F(FightingStyleMenu, PromptOffersTheFiveStylesAndThePreviousOne) {
    Type("x9");
    Press(KEY_F(5));
    EXPECT_TRUE(RunUntilItWaitsForAKey([] { player.ChooseFightingStyle(); }));
    EXPECT_EQ(Row(19), Padded("You are using the normal fighting style. Choose the new style:"));
    EXPECT_EQ(Row(20), "(1) Normal | (2) Aggressive | (3) Defensive | (4) Accurate | (5) Fast           ");
    EXPECT_EQ(Row(21), Padded("Or press 'F' again to switch to the previously used normal fighting style."));
    for (int row = 19; row <= 21; ++row) EXPECT_EQ(ColourAt(row, 0), 11);
    EXPECT_EQ(player.fightingStyle, kStyleNormal);
}

TEST_F(FightingStyleMenu, DigitChoosesAStyleAndRemembersTheOldOne) {
    Type("2");
    player.ChooseFightingStyle();
    EXPECT_EQ(player.fightingStyle, kStyleAggressive);
    EXPECT_EQ(previousFightingStyle, kStyleNormal);
    EXPECT_EQ(Row(19), Padded("Now using aggressive fighting style, increased damage at the cost of armor."));
    EXPECT_EQ(ColourAt(19, 0), 11);
    EXPECT_EQ(Row(20), std::string(80, ' '));
    EXPECT_EQ(Row(21), std::string(80, ' '));
    EXPECT_EQ(TextAt(23, 20, 11), "Style: Aggr") << "the status panel shows the new style";

    Type("2");  // the style already in use keeps the previous one
    player.ChooseFightingStyle();
    EXPECT_EQ(player.fightingStyle, kStyleAggressive);
    EXPECT_EQ(previousFightingStyle, kStyleNormal);
    EXPECT_EQ(Row(19), Padded("Now using aggressive fighting style, increased damage at the cost of armor."));
}

TEST_F(FightingStyleMenu, CommandKeySwitchesBetweenTheLastTwoStyles) {
    player.fightingStyle = kStyleFast;
    Type("F");
    player.ChooseFightingStyle();
    EXPECT_EQ(player.fightingStyle, kStyleNormal);
    EXPECT_EQ(previousFightingStyle, kStyleFast);
    EXPECT_EQ(Row(19), Padded("Now using normal fighting style, no positive or negative modifiers."));

    Type("F");
    EXPECT_FALSE(RunUntilItWaitsForAKey([] { player.ChooseFightingStyle(); }));
    EXPECT_EQ(player.fightingStyle, kStyleFast);
    EXPECT_EQ(previousFightingStyle, kStyleNormal);
    EXPECT_EQ(Row(19), Padded("Now using fast fighting style, increased speed at the cost of accuracy."));
}

TEST_F(FightingStyleMenu, EveryStyleHasItsLine) {
    const char* const lines[] = {
        "Now using defensive fighting style, increased armor at the cost of damage.",
        "Now using accurate fighting style, increased accuracy at the cost of speed.",
    };
    Type("3");
    player.ChooseFightingStyle();
    EXPECT_EQ(Row(19), Padded(lines[0]));
    Type("4");
    player.ChooseFightingStyle();
    EXPECT_EQ(Row(19), Padded(lines[1]));
    EXPECT_EQ(previousFightingStyle, kStyleDefensive);
}

}  // namespace
