#pragma once
// What the use-skill screen and the quick-skill keys share: which skills can
// be picked, the cost a row shows, and paying for a skill and using it.
#include <cstdint>
#include <vector>

class Player;

// The skillTable positions of the learned skills in use, in table order; the
// passive ones only when asked for.
std::vector<int32_t> LearnedSkillPositions(bool withPassive);
// The special points a row shows for the skill: the attribute boosts show what
// they would take now, the passive skills kSkillCostPassive.
int32_t ShownSkillCost(const Player& p, int32_t position);
// True when no skill can be used on the character's floor (everyone is stupid there).
bool IsSkillFreeFloor(const Player& p);
// A refusal written straight onto message row 19, bypassing the message log.
void DrawSkillRefusal(const char* text);
// Takes the skill's table cost and carries it out; 1 when the turn was used.
int32_t PayAndPerformSkill(Player& p, int32_t position);
