#pragma once
// The 45 skills the character can learn, in one fixed table.
#include <cstdint>
#include <string>

constexpr int32_t kSkillCount = 45;

// SP cost values with a meaning of their own.
constexpr int32_t kSkillCostVariable = 1;
constexpr int32_t kSkillCostPassive = -1;

class SkillDef {
public:
    SkillDef();

    // How many points of attributes and levels the character lacks for this skill.
    int32_t CountMissingRequirementPoints() const;
    // 1 learned or learnable now; -1 not in use or an attribute short; -2 level short; -3 no skill point.
    int32_t GetLearnStatus() const;
    // The information window on the right half of the learning screen.
    void DrawSkillInfo() const;

    char name[60] = {};
    int32_t spCost = 0;
    uint8_t learned = 0;
    int32_t effect = 0;
    std::string description;  // '|' is a line break
    int32_t defaultOrder = -1;
    uint8_t inUse = 0;
    int32_t reqStrength = 0;
    int32_t reqVitality = 0;
    int32_t reqStamina = 0;
    int32_t reqDexterity = 0;
    int32_t reqAgility = 0;
    int32_t reqLevel = 0;
};

// Outside the learning screen position i holds the skill whose defaultOrder is i.
extern SkillDef skillTable[kSkillCount];

// Fills every record's name, cost, effect, requirements and description; keeps the learned flags.
void InitSkillTable();
// True when a record in use with this effect is learned.
bool IsSkillLearned(int32_t effect);
