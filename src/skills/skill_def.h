#pragma once
// The 45 skills of the game, one record each, in one fixed table.
#include <cstdint>
#include <string>

class FieldReader;
class FieldWriter;

constexpr int32_t kSkillCount = 45;

// SP cost values with a meaning of their own.
constexpr int32_t kSkillCostVariable = 1;
constexpr int32_t kSkillCostPassive = -1;

// Whether a skill can be learned now.
enum LearnStatus : int32_t {
    kLearnable = 1,        // or learned already
    kAttributeShort = -1,  // or the skill is not in use
    kLevelShort = -2,
    kNoSkillPoint = -3,
};

// What a skill does: the effect every rule tests, and what the prepared and
// active skill fields of the player hold (0 none).
enum SkillEffect : int32_t {
    kSkillNoEffect = 0,
    kSkillMultistrike = 1,
    kSkillMultishot = 2,
    kSkillCriticalStrike = 3,
    kSkillCriticalShot = 4,
    kSkillDoubleStrike = 5,
    kSkillDoubleShot = 6,
    kSkillBrutalStrike = 7,
    kSkillBrutalShot = 8,
    kSkillStunningStrike = 9,
    kSkillStunningShot = 10,
    kSkillAccurateStrike = 11,
    kSkillAccurateShot = 12,
    kSkillDesperateStrike = 13,
    kSkillDesperateShot = 14,
    kSkillMadStrike = 15,
    kSkillMadShot = 16,
    kSkillPenetratingStrike = 17,
    kSkillPenetratingShot = 18,
    kSkillVampiricStrike = 19,
    kSkillVampiricShot = 20,
    kSkillPiercingStrike = 21,
    kSkillPiercingShot = 22,
    kSkillDash = 23,
    kSkillYell = 24,
    kSkillKnockback = 25,
    kSkillCreateIceballs = 26,
    kSkillWildRegeneration = 27,
    kSkillWildRage = 28,
    kSkillListen = 29,
    kSkillDestroyWalls = 30,
    kSkillInhumanReflexes = 31,
    kSkillDisarmTraps = 32,
    kSkillWarriorsStrength = 33,
    kSkillArchersDexterity = 34,
    kSkillRangersAgility = 35,
    kSkillEnhancedSpeed = 36,
    kSkillEnhancedAccuracy = 37,
    kSkillEnhancedDeadliness = 38,
    kSkillEnhancedEvasion = 39,
    kSkillEnhancedRegeneration = 40,
    kSkillThrownExpertise = 41,
    kSkillWarriorsRendingStrike = 42,
    kSkillArchersRendingShot = 43,
    kSkillRangersRendingThrow = 44,
    kSkillTaunt = 45,
};

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
    // A LearnStatus.
    int32_t GetLearnStatus() const;
    // The information window on the right half of the learning screen.
    void DrawSkillInfo() const;
    // The learned flag, the only part of a skill a save file keeps.
    void WriteSkillLearned(FieldWriter& writer) const;
    void ReadSkillLearned(FieldReader& reader);

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
