#pragma once
// The 45 skills of the game, one record each.
#include <cstdint>
#include <string>

constexpr int32_t kSkillCount = 45;

class SkillDef {
public:
    char name[60] = " ";
    int32_t spCost = 0;  // 1 computed when used, -1 passive
    uint8_t learned = 0;
    int32_t effect = 0;  // the SkillEffect that every rule tests
    std::string description;
    int32_t orderIndex = -1;
    uint8_t inUse = 0;
    // strength, vitality, stamina, dexterity, agility, character level; 0 = none
    int32_t requirements[6] = {};
};

extern SkillDef skillTable[kSkillCount];

// True when a skill of that effect is in use and learned.
bool IsSkillLearned(int32_t effect);
