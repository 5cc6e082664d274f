// Each training has a skill of its own to start with and an attribute boost
// that comes earlier and cheaper than for the others.
#include "skills/skill_def.h"
#include "world/player.h"

namespace {

struct TrainingSkills {
    int32_t startingEffect;
    int32_t easedEffect;
    int32_t easedRequirement;
};

const TrainingSkills kTrainingSkills[] = {
    {42, 33, kReqStrength},   // warrior: rending strike, strength
    {43, 34, kReqDexterity},  // archer: rending shot, dexterity
    {44, 35, kReqAgility},    // ranger: rending throw, agility
};

}  // namespace

void Player::ApplyTrainingSkills(bool loaded) {
    if (training < kTrainingWarrior || training > kTrainingRanger) return;
    const TrainingSkills& own = kTrainingSkills[training - kTrainingWarrior];
    for (int32_t position = 0; position < kSkillCount; ++position) {
        SkillDef& skill = skillTable[position];
        if (!skill.inUse) continue;
        if (skill.effect == own.startingEffect) {
            if (!loaded) {
                skill.learned = 1;
                quickSkill = position;
            }
            for (int32_t& requirement : skill.requirements) requirement = 0;
            skill.description += "||This is your training's starting skill.";
        }
        if (skill.effect == own.easedEffect) {
            skill.requirements[own.easedRequirement] -= 2;
            skill.requirements[kReqLevel] = 3;
            skill.description += "||Your training makes learning this|skill easier.";
        }
    }
}
