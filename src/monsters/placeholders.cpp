// placeholder: the monster behaviour until it is built.
#include "monsters/monster.h"

bool Monster::KillMonster() { return false; }
void Monster::ReportMonsterHealth() {}
void Monster::SpillMonsterBlood(bool) {}
// placeholder: the blow does nothing yet.
int32_t Monster::MonsterMeleeAttack() { return 0; }
// placeholder: only the demon's trick before the shot; the shot does nothing yet.
int32_t Monster::MonsterRangedAttack() {
    if (std::string(name) != kUniqueDemonNames[kNonehes]) PerformDemonTrick();
    return 0;
}
