// Each training has a skill of its own to start with and an attribute boost
// that comes earlier and cheaper than for the others.
#include "player/player.h"
#include "skills/skill_table.h"

namespace {

struct TrainingSkills {
    int32_t startingEffect;
    int32_t easedEffect;
    int32_t SkillDef::*easedRequirement;
};

const TrainingSkills kTrainingSkills[] = {
    {42, 33, &SkillDef::reqStrength},   // warrior: rending strike, strength
    {43, 34, &SkillDef::reqDexterity},  // archer: rending shot, dexterity
    {44, 35, &SkillDef::reqAgility},    // ranger: rending throw, agility
};

}  // namespace

void Player::ApplyTrainingSkills(uint8_t loaded) {
    if (training < kTrainingWarrior || training > kTrainingRanger) return;
    const TrainingSkills& own = kTrainingSkills[training - kTrainingWarrior];
    for (int32_t position = 0; position < kSkillCount; ++position) {
        SkillDef& skill = skillTable[position];
        if (!skill.inUse) continue;
        if (skill.effect == own.startingEffect) {
            if (loaded == 0) {
                skill.learned = 1;
                quickSkill = position;
            }
            skill.reqStrength = 0;
            skill.reqVitality = 0;
            skill.reqStamina = 0;
            skill.reqDexterity = 0;
            skill.reqAgility = 0;
            skill.reqLevel = 0;
            skill.description += "||This is your training's starting skill.";
        }
        if (skill.effect == own.easedEffect) {
            skill.*own.easedRequirement -= 2;
            skill.reqLevel = 3;
            skill.description += "||Your training makes learning this|skill easier.";
        }
    }
}
