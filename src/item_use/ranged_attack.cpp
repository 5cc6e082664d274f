// The steps shooting and throwing take alike.
#include "item_use/ranged_attack.h"

#include "floors/floor_feelings.h"
#include "item_use/aiming.h"
#include "player/commands.h"
#include "player/to_hit_result.h"
#include "toolkit/drawing.h"
#include "toolkit/message_log.h"
#include "toolkit/random_mother.h"
#include "world/floor.h"
#include "world/monster.h"
#include "world/monster_abilities.h"
#include "world/player.h"

int32_t RefuseRanged(const char* text) {
    PrintWords(text);
    messageLog.FlushMessages(false);
    return 0;
}

bool AimRangedAttack(Player& p, const char* verb, bool crumbleIce) {
    if (IsTargetInView(p)) return true;
    p.target = nullptr;
    BlankMessageRows(kPromptRow, kLastCursorRow);
    DrawRangedPrompt(verb, kPromptRow);
    SetCursorVeryVisible();
    p.target = p.SelectTarget(crumbleIce, false);
    RestoreCursorVisibility();
    BlankMessageRows(kPromptRow, kNameRow);
    return p.target != nullptr;
}

bool IsDeflected(const Player& p, const Monster& monster) {
    if (monster.ability != kAbilityDeflectsMissiles) return false;
    if (IsFloorNumber(p.currentFloor) && floorArray[p.currentFloor].feeling == kFeelingStupid) {
        return false;
    }
    const int32_t roll = rng.Random(10);
    return roll < 5;
}

int32_t RollRangedToHit(Player& p, const Monster& monster, bool thrown) {
    p.toHitThreshold += monster.dodge;
    const int32_t result = p.RollToHit(thrown, monster.dodge, false);
    p.toHitThreshold -= monster.dodge;
    return result;
}

void ReportRangedMiss(const Monster& monster, int32_t toHit) {
    if (toHit == kToHitDodged) {
        PrintMonsterName("@I", monster, true, " ");
        PrintWords("dodges your attack.@C ");
    } else {
        PrintWords("@IYou miss ");
        PrintMonsterName("", monster, false, ".@C ");
    }
}

void PrintMonsterName(const std::string& lead, const Monster& monster, bool capital, const std::string& ending) {
    if (IsUniqueDemon(monster.name)) {
        messageLog.PrintMessage(lead + monster.name + ending);
        return;
    }
    messageLog.PrintMessage(lead + (capital ? "The " : "the "));
    messageLog.PrintMessage(monster.name + ending);
}
