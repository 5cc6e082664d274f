#include <gtest/gtest.h>

#include <string>

#include "player/player.h"
#include "skills/skill_table.h"
#include "support/offscreen_curses.h"

namespace {

class SkillInfoWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!screen.Ready()) GTEST_SKIP() << "no curses terminal";
        player = Player();
        for (SkillDef& skill : skillTable) skill = SkillDef();
        InitSkillTable();
    }

    std::string Row(int32_t y, int32_t from = 41, int32_t to = 79) const {
        std::string text;
        for (int32_t x = from; x <= to; ++x) text += screen.At(x, y);
        const size_t end = text.find_last_not_of(' ');
        return end == std::string::npos ? "" : text.substr(0, end + 1);
    }

    OffscreenCurses screen;
};

TEST_F(SkillInfoWindowTest, RequirementLinesLineUpWhateverTheNumberOfDigits) {
    skillTable[0].DrawSkillInfo();  // "Accurate strike": Str 14, Dex 10, Agi 11, level 3
    EXPECT_EQ(Row(4), "Strength req: 14      Strength now: 12");
    EXPECT_EQ(Row(5), "Vitality req: 0       Vitality now: 11");
    EXPECT_EQ(Row(6), "Dexterity req: 10     Dexterity now: 9");
    EXPECT_EQ(Row(7), "Agility req: 11       Agility now: 9");
    EXPECT_EQ(Row(8), "Stamina req: 0        Stamina now: 9");
    EXPECT_EQ(Row(9), "Level req: 3          Level now: 1");
    EXPECT_EQ(Row(11), "You have a skill point to learn this");
    EXPECT_EQ(Row(13), "SP consumption: 10");
    EXPECT_EQ(Row(15), "Tier 1 offensive skill.");
    EXPECT_EQ(Row(16), "");
    EXPECT_EQ(Row(17), "Your next normal strike has an");
    EXPECT_EQ(Row(21), "Preparing this doesn't consume a turn.");
}

TEST_F(SkillInfoWindowTest, LearnStateAndCostLinesFollowTheRecord) {
    player.skillPoints = 0;
    skillTable[30].DrawSkillInfo();  // "Wild regeneration"
    EXPECT_EQ(Row(11), "No skill points to learn this");
    EXPECT_EQ(Row(13), "SP consumption: Variable");

    skillTable[43].learned = 1;  // "Passive: Enhanced speed"
    skillTable[43].DrawSkillInfo();
    EXPECT_EQ(Row(11), "You know this skill");
    EXPECT_EQ(Row(13), "SP consumption: No cost, passive effect");
    EXPECT_EQ(Row(19), "") << "the window is cleared before the shorter description";
}

// "Yell" has a description line of 40 characters, one more than the window holds.
TEST_F(SkillInfoWindowTest, DescriptionStopsAtTheLastColumn) {
    skillTable[32].DrawSkillInfo();
    EXPECT_EQ(Row(19), "monsters. The skill isn't 100% reliable");
    EXPECT_EQ(screen.At(0, 20), ' ');
}

}  // namespace
