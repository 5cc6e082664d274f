#include <gtest/gtest.h>

#include <string>

#include "skills/skill_def.h"
#include "support/game_state.h"
#include "world/player.h"

namespace {

const std::string kStartingText = "||This is your training's starting skill.";
const std::string kEasedText = "||Your training makes learning this|skill easier.";

class TrainingSkillsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetGameState();
        InitSkillTable();
    }

    static bool EndsWith(const std::string& text, const std::string& end) {
        return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
    }
};

TEST_F(TrainingSkillsTest, EachTrainingGetsItsSkillAndItsEasedBoost) {
    struct Case {
        int32_t training;
        int32_t startingPosition;
        int32_t easedPosition;
        int32_t str, dex, agi;  // eased requirements
    };
    const Case cases[] = {
        {kTrainingWarrior, 37, 38, 14, 0, 0},
        {kTrainingArcher, 33, 34, 0, 14, 0},
        {kTrainingRanger, 35, 36, 0, 0, 14},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.training);
        SetUp();
        player.training = c.training;
        player.ApplyTrainingSkills(false);

        const SkillDef& starting = skillTable[c.startingPosition];
        EXPECT_EQ(starting.learned, 1);
        EXPECT_EQ(player.quickSkill, c.startingPosition);
        EXPECT_EQ(starting.requirements[kReqStrength] + starting.requirements[kReqVitality] + starting.requirements[kReqStamina] + starting.requirements[kReqDexterity] +
                      starting.requirements[kReqAgility] + starting.requirements[kReqLevel],
                  0);
        EXPECT_TRUE(EndsWith(starting.description, kStartingText));

        const SkillDef& eased = skillTable[c.easedPosition];
        EXPECT_EQ(eased.learned, 0);
        EXPECT_EQ(eased.requirements[kReqStrength], c.str);
        EXPECT_EQ(eased.requirements[kReqDexterity], c.dex);
        EXPECT_EQ(eased.requirements[kReqAgility], c.agi);
        EXPECT_EQ(eased.requirements[kReqStamina], 12);
        EXPECT_EQ(eased.requirements[kReqLevel], 3);
        EXPECT_TRUE(EndsWith(eased.description, kEasedText));

        int32_t learned = 0;
        for (const SkillDef& skill : skillTable) learned += skill.learned;
        EXPECT_EQ(learned, 1);
    }
}

TEST_F(TrainingSkillsTest, LoadedGameKeepsLearnedFlagsAndQuickSkill) {
    player.quickSkill = 4;
    player.ApplyTrainingSkills(true);
    EXPECT_EQ(skillTable[37].learned, 0);
    EXPECT_EQ(player.quickSkill, 4);
    EXPECT_EQ(skillTable[37].requirements[kReqLevel], 0);
    EXPECT_TRUE(EndsWith(skillTable[37].description, kStartingText));
}

TEST_F(TrainingSkillsTest, UnknownTrainingAndUnusedRecordsAreLeftAlone) {
    player.training = 4;
    player.ApplyTrainingSkills(false);
    for (const SkillDef& skill : skillTable) EXPECT_EQ(skill.learned, 0);

    player.training = kTrainingWarrior;
    skillTable[37].inUse = 0;
    player.ApplyTrainingSkills(false);
    EXPECT_EQ(skillTable[37].learned, 0);
    EXPECT_EQ(player.quickSkill, -1);
}

}  // namespace
