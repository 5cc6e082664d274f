#pragma once
// A fight-ready floor (monsters/monster_fight_fixture.h) with the skill table
// filled, and skills learned by their effect.
#include <cstdint>

#include "monsters/monster_fight_fixture.h"
#include "skills/skill_def.h"

namespace skilluse {

// The table position of the skill with the effect; -1 when there is none.
inline int32_t PositionOf(int32_t effect) {
    for (int32_t position = 0; position < kSkillCount; ++position) {
        if (skillTable[position].effect == effect) return position;
    }
    return -1;
}

// Marks the skill of the effect learned and returns its position.
inline int32_t Learn(int32_t effect) {
    const int32_t position = PositionOf(effect);
    skillTable[position].learned = 1;
    return position;
}

}  // namespace skilluse

class SkillScreenTest : public FightScreenTest {
protected:
    void SetUp() override {
        FightScreenTest::SetUp();
        InitSkillTable();
        player.sp = player.maxSp = 50;
    }
    // A list row is highlighted when its name stands on the white background.
    bool Highlighted(int row) const { return (ColourAt(row, 28) & kOnWhite) != 0; }
};
