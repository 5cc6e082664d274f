#pragma once
// The 45 skills of the game, one record each, in one fixed table.
#include <cstdint>
#include <string>

constexpr int32_t kSkillCount = 45;

// SP cost values with a meaning of their own.
constexpr int32_t kSkillCostVariable = 1;
constexpr int32_t kSkillCostPassive = -1;

// Index into SkillDef::requirements.
enum SkillRequirement : int32_t {
    kReqStrength = 0,
    kReqVitality = 1,
    kReqStamina = 2,
    kReqDexterity = 3,
    kReqAgility = 4,
    kReqLevel = 5,
    kRequirementCount = 6,
};

class SkillDef {
public:
    // How many points of attributes and levels the character lacks for this skill.
    int32_t CountMissingRequirementPoints() const;
    // 1 learned or learnable now; -1 not in use or an attribute short; -2 level short; -3 no skill point.
    int32_t GetLearnStatus() const;
    // The information window on the right half of the learning screen.
    void DrawSkillInfo() const;

    char name[60] = " ";
    int32_t spCost = 0;  // kSkillCostVariable: worked out when used; kSkillCostPassive: never used
    uint8_t learned = 0;
    int32_t effect = 0;  // the SkillEffect that every rule tests
    std::string description;  // '|' is a line break
    int32_t orderIndex = -1;  // position in the default order
    uint8_t inUse = 0;
    // strength, vitality, stamina, dexterity, agility, character level; 0 = none
    int32_t requirements[kRequirementCount] = {};
};

// Outside the learning screen position i holds the skill whose orderIndex is i.
extern SkillDef skillTable[kSkillCount];

// Fills every record's name, cost, effect, requirements and description; keeps the learned flags.
void InitSkillTable();
// True when a skill of that effect is in use and learned.
bool IsSkillLearned(int32_t effect);
