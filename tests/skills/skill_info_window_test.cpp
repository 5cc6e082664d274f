#include <gtest/gtest.h>

#include <string>

#include "skills/skill_def.h"
#include "support/screen_test.h"
#include "world/player.h"

namespace {

class SkillInfoWindow : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        InitSkillTable();
    }

    // The window's part of a row, without trailing blanks.
    std::string Window(int row) const {
        const std::string text = TextAt(row, 41, 39);
        const size_t end = text.find_last_not_of(' ');
        return end == std::string::npos ? "" : text.substr(0, end + 1);
    }
};

TEST_F(SkillInfoWindow, RequirementLinesLineUpWhateverTheNumberOfDigits) {
    skillTable[0].DrawSkillInfo();  // "Accurate strike": Str 14, Dex 10, Agi 11, level 3
    EXPECT_EQ(Window(4), "Strength req: 14      Strength now: 12");
    EXPECT_EQ(Window(5), "Vitality req: 0       Vitality now: 11");
    EXPECT_EQ(Window(6), "Dexterity req: 10     Dexterity now: 9");
    EXPECT_EQ(Window(7), "Agility req: 11       Agility now: 9");
    EXPECT_EQ(Window(8), "Stamina req: 0        Stamina now: 9");
    EXPECT_EQ(Window(9), "Level req: 3          Level now: 1");
    EXPECT_EQ(Window(11), "You have a skill point to learn this");
    EXPECT_EQ(Window(13), "SP consumption: 10");
    EXPECT_EQ(Window(15), "Tier 1 offensive skill.");
    EXPECT_EQ(Window(16), "");
    EXPECT_EQ(Window(17), "Your next normal strike has an");
    EXPECT_EQ(Window(21), "Preparing this doesn't consume a turn.");
}

TEST_F(SkillInfoWindow, UnmetRequirementsAreRedMetOnesGreen) {
    skillTable[0].DrawSkillInfo();
    const int expected[] = {12, 10, 12, 12, 10, 12};  // rows 4 to 9
    for (int row = 4; row <= 9; ++row) EXPECT_EQ(ColourAt(row, 41), expected[row - 4]) << Window(row);
    EXPECT_EQ(ColourAt(11, 41), 10);
    EXPECT_EQ(ColourAt(13, 41), 11);
    EXPECT_EQ(ColourAt(15, 41), 3);
}

TEST_F(SkillInfoWindow, LearnStateAndCostLinesFollowTheRecord) {
    player.skillPoints = 0;
    player.stamina = 14;
    player.vitality = 14;
    player.level = 6;
    skillTable[30].DrawSkillInfo();  // "Wild regeneration": every requirement met
    EXPECT_EQ(Window(11), "No skill points to learn this");
    EXPECT_EQ(ColourAt(11, 41), 12);
    for (int row = 4; row <= 9; ++row) EXPECT_EQ(ColourAt(row, 41), 10) << Window(row);
    EXPECT_EQ(Window(13), "SP consumption: Variable");

    skillTable[43].learned = 1;  // "Passive: Enhanced speed"
    skillTable[43].DrawSkillInfo();
    EXPECT_EQ(Window(11), "You know this skill");
    EXPECT_EQ(Window(13), "SP consumption: No cost, passive effect");
    EXPECT_EQ(Window(19), "") << "the window is cleared before the shorter description";
}

// "Yell" has a description line of 40 characters, one more than the window holds.
TEST_F(SkillInfoWindow, DescriptionStopsAtTheLastColumn) {
    skillTable[32].DrawSkillInfo();
    EXPECT_EQ(Window(19), "monsters. The skill isn't 100% reliable");
    EXPECT_EQ(CharAt(20, 0), ' ');
}

}  // namespace
