// Using learned skills from the map: the quick-skill key and the key that
// cycles which skill it uses, and what they share with the use-skill screen.
#include "skills/skill_use.h"

#include "floors/floor_feelings.h"
#include "player/commands.h"
#include "shell/status_panel.h"
#include "skills/skill_def.h"
#include "skills/skill_effects.h"
#include "toolkit/drawing.h"
#include "toolkit/message_log.h"
#include "world/floor.h"
#include "world/player.h"

namespace {

constexpr int32_t kFirstMessageRow = 19;
constexpr int32_t kLastMessageRow = 21;

bool IsBoost(int32_t effect) {
    return effect == kSkillWarriorsStrength || effect == kSkillArchersDexterity || effect == kSkillRangersAgility;
}

bool IsSkillPosition(int32_t position) { return position >= 0 && position < kSkillCount; }

}  // namespace

std::vector<int32_t> LearnedSkillPositions(bool withPassive) {
    std::vector<int32_t> positions;
    for (int32_t position = 0; position < kSkillCount; ++position) {
        const SkillDef& skill = skillTable[position];
        if (skill.learned == 0 || skill.inUse == 0) continue;
        if (!withPassive && skill.spCost == kSkillCostPassive) continue;
        positions.push_back(position);
    }
    return positions;
}

int32_t ShownSkillCost(const Player& p, int32_t position) {
    const SkillDef& skill = skillTable[position];
    if (!IsBoost(skill.effect)) return skill.spCost;
    if (p.sp == 0) return 1;
    const int32_t full = 1 + BoostPrice(p.level);
    return p.sp > full ? full : p.sp;
}

bool IsSkillFreeFloor(const Player& p) {
    return IsFloorNumber(p.currentFloor) &&
           floorArray[p.currentFloor].feeling == kFeelingStupid;
}

void DrawSkillRefusal(const char* text) {
    BlankMessageRows(kFirstMessageRow, kLastMessageRow);
    DrawText(text, 0, kFirstMessageRow, kLightCyan);
}

int32_t PayAndPerformSkill(Player& p, int32_t position) {
    const SkillDef& skill = skillTable[position];
    p.sp -= skill.spCost;
    const int32_t result = p.PerformSkill(skill.effect);
    DrawStatusPanel();
    if (result == 0) messageLog.FlushMessages(false);
    return result;
}

int32_t Player::UseQuickSkill() {
    BlankMessageRows(kFirstMessageRow, kLastMessageRow);
    if (IsSkillFreeFloor(*this)) {
        DrawSkillRefusal("You feel too stupid to use any skills on this floor!");
        return 0;
    }
    if (!IsSkillPosition(quickSkill)) {
        DrawSkillRefusal("You haven't defined a quick skill. You can do that in the skill menu.");
        return 0;
    }
    if (dizziness >= 1) {
        DrawSkillRefusal("You are too confused to use your skills.");
        return 0;
    }
    const SkillDef& skill = skillTable[quickSkill];
    if (sp < skill.spCost) {
        DrawSkillRefusal("Not enough special points.");
        return 0;
    }
    if (skill.effect == preparedSkill || skill.effect == activeSkill) {
        DrawSkillRefusal("You have already prepared that.");
        return 0;
    }
    if (immobility >= 1 && skill.effect == kSkillDash) {
        DrawSkillRefusal("You can't dash while you're immobilized.");
        return 0;
    }
    return PayAndPerformSkill(*this, quickSkill);
}

void Player::CycleQuickSkill() {
    const std::vector<int32_t> cycle = LearnedSkillPositions(false);
    if (cycle.empty()) return;
    // Unset, or set to a skill the cycle does not hold: the cycle starts from its first skill.
    int32_t next = cycle.front();
    for (std::size_t i = 0; i < cycle.size(); ++i) {
        if (cycle[i] == quickSkill) next = cycle[(i + 1) % cycle.size()];
    }
    quickSkill = next;
    PrintWords(std::string("Changed quick skill to: ") + skillTable[quickSkill].name + " ");
    messageLog.FlushMessages(false);
}
