#include "skills/skill_def.h"

SkillDef skillTable[kSkillCount];

bool IsSkillLearned(int32_t effect) {
    for (const SkillDef& skill : skillTable) {
        if (skill.inUse != 0 && skill.effect == effect && skill.learned != 0) return true;
    }
    return false;
}
