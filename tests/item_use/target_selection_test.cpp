// The aiming cursor and the choose-target command.
#include <curses.h>
#include <gtest/gtest.h>

#include <string>

#include "floors/floor_feelings.h"
#include "item_use/ranged_fixture.h"

using namespace ranged;

namespace {

using TargetSelectionTest = RangedScreenTest;

TEST_F(TargetSelectionTest, TheCursorStartsOnTheNearestMonsterInViewLeftmostFirst) {
    struct Case {
        const char* what;
        std::vector<XY> monsters;
        int32_t sight;
        XY expected;  // relative to the character
    };
    const Case cases[] = {
        {"no monster", {}, 6, {0, 0}},
        {"sight below one", {{1, 0}}, 0, {0, 0}},
        {"equal distance, left column first", {{2, -2}, {-2, 2}}, 6, {-2, 2}},
        {"one step beats two", {{-2, -2}, {1, 1}}, 6, {1, 1}},
        {"beyond sight", {{7, 0}}, 6, {0, 0}},
    };
    for (const Case& c : cases) {
        ResetGameState();
        conditions::PrepareConditions();
        SeeFloor(0);
        for (const XY& at : c.monsters) fight::PlaceFighter(player.x + at.x, player.y + at.y);
        player.sightRadius = c.sight;
        int32_t x = -1;
        int32_t y = -1;
        player.FindNearestVisibleMonster(x, y);
        EXPECT_EQ(x - player.x, c.expected.x) << c.what;
        EXPECT_EQ(y - player.y, c.expected.y) << c.what;
    }
}

TEST_F(TargetSelectionTest, AMonsterOutOfViewIsNotFound) {
    fight::PlaceFighter(11, 10);
    floorArray[0].At(11, 10).visibleNow = 0;
    int32_t x = -1;
    int32_t y = -1;
    player.FindNearestVisibleMonster(x, y);
    EXPECT_EQ(x, player.x);
    EXPECT_EQ(y, player.y);
}

TEST_F(TargetSelectionTest, TheNameLineIsPaddedAndBlankedWhenTheCursorLeaves) {
    Monster* rat = fight::PlaceFighter(12, 10, "giant rat");
    Type("6z");  // onto the empty square beside the rat, then leave
    EXPECT_EQ(player.SelectTarget(false, false), nullptr);
    EXPECT_EQ(Row(20), std::string(80, ' ')) << Dump();
    // Confirming on the rat gives it back, its name on row 20 in bright cyan.
    Type("f");
    EXPECT_EQ(player.SelectTarget(false, false), rat);
    EXPECT_EQ(Row(20), "giant rat" + std::string(71, ' '));
    EXPECT_EQ(ColourAt(20, 0), kLightCyan);
}

TEST_F(TargetSelectionTest, ArrowKeysMoveTheCursorAndEscapeLeaves) {
    Monster* rat = fight::PlaceFighter(12, 11);
    fight::PlaceFighter(9, 9);  // nearest and leftmost: the cursor starts here
    Press(KEY_RIGHT);
    Press(KEY_RIGHT);
    Press(KEY_RIGHT);
    Press(KEY_DOWN);
    Press(KEY_DOWN);
    Type("f");
    EXPECT_EQ(player.SelectTarget(false, false), rat);
    Press(27);
    EXPECT_EQ(player.SelectTarget(false, false), nullptr);
}

TEST_F(TargetSelectionTest, ConfirmingOnTheCharactersOwnSquare) {
    // No monster: the cursor starts on the character; Enter there ends the aiming.
    Press('\n');
    EXPECT_EQ(player.SelectTarget(false, false), nullptr);
    // The acid bomb ignores it: only a monster or 'z' ends that aiming.
    Type("f");
    EXPECT_TRUE(RunUntilItWaitsForAKey([] { player.SelectTarget(false, true); }));
}

TEST_F(TargetSelectionTest, TheThrowKeyConfirmsAShotAndAnEmptySquareIgnoresIt) {
    Monster* rat = fight::PlaceFighter(12, 12);
    Type("3t");  // starts on the rat, steps away: 't' is ignored on the empty square
    EXPECT_TRUE(RunUntilItWaitsForAKey([] { player.SelectTarget(false, false); }));
    Type("t");
    EXPECT_EQ(player.SelectTarget(false, false), rat);
}

TEST_F(TargetSelectionTest, AStoredTargetInViewIsWhereTheCursorStarts) {
    fight::PlaceFighter(11, 10);
    Monster* far = fight::PlaceFighter(14, 14);
    player.target = far;
    Type("f");
    EXPECT_EQ(player.SelectTarget(false, false), far);
    // A stored target on another floor is not in view, whatever its square here shows.
    PlaceMonster(*far, far->x, far->y, 1);
    Type("f");
    EXPECT_NE(player.SelectTarget(false, false), far);
}

// An archer aiming a shot at an ice block: one arrow spent, the block crumbling below the floor's threshold.
TEST_F(TargetSelectionTest, AnArcherShootsAtAnIceBlock) {
    struct Case {
        int32_t feeling;
        int32_t roll;  // the Random(20) wanted
        bool crumbles;
    };
    const Case cases[] = {
        {kFeelingNone, 14, true}, {kFeelingNone, 15, false}, {kFeelingHardSnow, 2, true},
        {kFeelingHardSnow, 3, false}, {kFeelingSlushy, 18, true}, {kFeelingSlushy, 19, false},
    };
    for (const Case& c : cases) {
        ResetGameState();
        conditions::PrepareConditions();
        SeeFloor(0);
        DefineRangedKinds();
        player.training = kTrainingArcher;
        ArmWithBow(5);
        floorArray[0].feeling = c.feeling;
        floorArray[0].At(11, 10).glyph = kIceBlockGlyph;
        fight::SeedFor([&](RandomMother& r) {
            if (r.Random(20) != c.roll) return false;
            return r.Random(10) >= 2;  // the arrow that lands survives
        });
        Type("6f");
        EXPECT_EQ(player.SelectTarget(true, false), nullptr);
        EXPECT_EQ(player.targetConfirmed, 1);
        EXPECT_EQ(CarriedArrows(), 4);
        EXPECT_EQ(floorArray[0].At(11, 10).glyph, c.crumbles ? kFloorGlyph : kIceBlockGlyph) << c.roll;
        EXPECT_EQ(LyingOn(11, 10, kArrowKind), c.crumbles ? 1 : 0);
        EXPECT_NE(Messages().find(c.crumbles ? "You successfully crumble the block!" : "You fail to crumble the block."),
                  std::string::npos);
    }
}

TEST_F(TargetSelectionTest, TheIceBlockGivesNoReactionToOthers) {
    DefineRangedKinds();
    ArmWithBow(5);
    floorArray[0].At(11, 10).glyph = kIceBlockGlyph;
    Type("6f");
    EXPECT_TRUE(RunUntilItWaitsForAKey([] { player.SelectTarget(true, false); }));  // a warrior
    player.training = kTrainingArcher;
    Type("6f");
    EXPECT_TRUE(RunUntilItWaitsForAKey([] { player.SelectTarget(false, false); }));  // a throw
    EXPECT_EQ(CarriedArrows(), 5);
}

TEST_F(TargetSelectionTest, ChoosingATargetSetsItAndLeavingOnAnEmptySquareClearsIt) {
    Monster* rat = fight::PlaceFighter(12, 10);
    Type("T");
    player.ChooseTarget();
    EXPECT_EQ(player.target, rat);
    EXPECT_EQ(TextAt(19, 0, 21), "Current target: rat  ");
    EXPECT_EQ(Row(20), std::string(80, ' '));

    Type("4z");
    player.ChooseTarget();
    EXPECT_EQ(player.target, nullptr);
    EXPECT_EQ(Row(19), std::string(80, ' '));
    EXPECT_EQ(Row(20), std::string(80, ' '));
}

TEST_F(TargetSelectionTest, ChooseTargetShowsItsPromptAndIgnoresConfirmOnNothing) {
    Type("T");
    EXPECT_TRUE(RunUntilItWaitsForAKey([] { player.ChooseTarget(); }));
    EXPECT_EQ(TextAt(19, 0, 45), "Select a target, Z = exit, T = confirm target");
}

}  // namespace
