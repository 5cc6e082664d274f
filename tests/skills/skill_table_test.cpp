#include "skills/skill_def.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "support/game_state.h"
#include "world/player.h"

namespace {

class SkillTableTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetGameState();
        InitSkillTable();
    }

    static int32_t PositionOf(const std::string& name) {
        for (int32_t i = 0; i < kSkillCount; ++i) {
            if (name == skillTable[i].name) return i;
        }
        return -1;
    }
};

TEST_F(SkillTableTest, FreshRecordIsBlankAndUnused) {
    const SkillDef skill;
    EXPECT_STREQ(skill.name, " ");
    EXPECT_EQ(skill.orderIndex, -1);
    EXPECT_EQ(skill.inUse, 0);
    EXPECT_EQ(skill.learned, 0);
    EXPECT_TRUE(skill.description.empty());
}

TEST_F(SkillTableTest, EveryEffectAppearsOnceInDefaultOrder) {
    std::set<int32_t> effects;
    for (int32_t i = 0; i < kSkillCount; ++i) {
        EXPECT_EQ(skillTable[i].orderIndex, i);
        EXPECT_EQ(skillTable[i].inUse, 1);
        effects.insert(skillTable[i].effect);
    }
    EXPECT_EQ(effects.size(), 45u);
    EXPECT_EQ(*effects.begin(), 1);
    EXPECT_EQ(*effects.rbegin(), 45);
}

TEST_F(SkillTableTest, RowsHoldTheirCostsEffectsAndRequirements) {
    struct Row {
        int32_t position;
        const char* name;
        int32_t cost, effect, str, vit, sta, dex, agi, level;
    };
    const Row rows[] = {
        {0, "Accurate strike", 10, 11, 14, 0, 0, 10, 11, 3},
        {13, "Multishot", 14, 2, 0, 0, 12, 16, 12, 6},
        {21, "Vampiric shot", 15, 20, 0, 13, 14, 15, 0, 6},
        {30, "Wild regeneration", 1, 27, 0, 14, 14, 0, 0, 6},
        {31, "Wild rage", 1, 28, 13, 0, 13, 13, 13, 9},
        {37, "Warrior's rending strike", 9, 42, 14, 0, 11, 0, 0, 3},
        {43, "Passive: Enhanced speed", -1, 36, 0, 0, 0, 0, 19, 12},
        {44, "Passive: Thrown weapon expertise", -1, 41, 16, 0, 0, 16, 0, 9},
    };
    for (const Row& row : rows) {
        const SkillDef& skill = skillTable[row.position];
        SCOPED_TRACE(row.name);
        EXPECT_STREQ(skill.name, row.name);
        EXPECT_EQ(skill.spCost, row.cost);
        EXPECT_EQ(skill.effect, row.effect);
        EXPECT_EQ(skill.requirements[kReqStrength], row.str);
        EXPECT_EQ(skill.requirements[kReqVitality], row.vit);
        EXPECT_EQ(skill.requirements[kReqStamina], row.sta);
        EXPECT_EQ(skill.requirements[kReqDexterity], row.dex);
        EXPECT_EQ(skill.requirements[kReqAgility], row.agi);
        EXPECT_EQ(skill.requirements[kReqLevel], row.level);
    }
    EXPECT_EQ(skillTable[32].description,
              "Releases frozen stalactites from the|ceiling very close to you to block|corridors. The stalactites "
              "can't hit|monsters or you. Also wakes up|monsters. The skill isn't 100% reliable.");
    EXPECT_EQ(skillTable[2].description, skillTable[3].description);
}

// The information window has room for 10 lines of 40 characters, training texts included.
TEST_F(SkillTableTest, DescriptionsFitTheInformationWindow) {
    for (int32_t position = 0; position < kSkillCount; ++position) {
        const SkillDef& skill = skillTable[position];
        SCOPED_TRACE(skill.name);
        std::string text = skill.description;
        if (position == 33 || position == 35 || position == 37) text += "||This is your training's starting skill.";
        if (position == 34 || position == 36 || position == 38) text += "||Your training makes learning this|skill easier.";
        int32_t lines = 1;
        size_t width = 0;
        for (char c : text) {
            if (c == '|') {
                ++lines;
                width = 0;
            } else {
                EXPECT_LE(++width, 40u);
            }
        }
        EXPECT_LE(lines, 10);
    }
}

TEST_F(SkillTableTest, RefillingKeepsLearnedFlagsAndRestoresTheRest) {
    skillTable[5].learned = 1;
    skillTable[5].description += "||extra";
    skillTable[5].requirements[kReqLevel] = 0;
    InitSkillTable();
    EXPECT_EQ(skillTable[5].learned, 1);
    EXPECT_EQ(skillTable[5].requirements[kReqLevel], 3);
    EXPECT_EQ(skillTable[5].description.find("extra"), std::string::npos);
}

TEST_F(SkillTableTest, LearnStatusTestsAttributesBeforeLevelAndPoints) {
    // The default character: Str 12, Vit 11, Sta 9, Dex 9, Agi 9, level 1, one skill point.
    SkillDef& dash = skillTable[PositionOf("Dash")];                // Sta 12, Dex 12, Agi 12, level 1
    SkillDef& destroy = skillTable[PositionOf("Destroy walls")];    // Sta 14, level 1
    SkillDef& brutal = skillTable[PositionOf("Brutal strike")];     // Str 16, Agi 12, level 6
    EXPECT_EQ(dash.GetLearnStatus(), -1);

    player.stamina = 14;
    EXPECT_EQ(destroy.GetLearnStatus(), 1);
    player.skillPoints = 0;
    EXPECT_EQ(destroy.GetLearnStatus(), -3);
    destroy.learned = 1;
    EXPECT_EQ(destroy.GetLearnStatus(), 1);
    destroy.inUse = 0;
    EXPECT_EQ(destroy.GetLearnStatus(), -1);

    player.strength = 16;
    player.agility = 12;
    player.skillPoints = 1;
    EXPECT_EQ(brutal.GetLearnStatus(), -2);
    player.strength = 15;  // both the attribute and the level fall short
    EXPECT_EQ(brutal.GetLearnStatus(), -1);
    // Boosts do not count.
    player.strengthBoost = 5;
    EXPECT_EQ(brutal.GetLearnStatus(), -1);
}

TEST_F(SkillTableTest, MissingRequirementPointsAddUpEveryShortfall) {
    EXPECT_EQ(skillTable[PositionOf("Vampiric shot")].CountMissingRequirementPoints(), 2 + 5 + 6 + 5);
    player.strength = 20;
    player.vitality = 20;
    player.stamina = 20;
    player.dexterity = 20;
    player.agility = 20;
    player.level = 20;
    for (const SkillDef& skill : skillTable) EXPECT_EQ(skill.CountMissingRequirementPoints(), 0) << skill.name;
}

TEST_F(SkillTableTest, LearnedSkillCountsOnlyWhileInUse) {
    const int32_t speed = PositionOf("Passive: Enhanced speed");
    EXPECT_FALSE(IsSkillLearned(36));
    skillTable[speed].learned = 1;
    EXPECT_TRUE(IsSkillLearned(36));
    skillTable[speed].inUse = 0;
    EXPECT_FALSE(IsSkillLearned(36));
}

}  // namespace
