// placeholder: the monster behaviour until it is built.
#include "monsters/monster.h"

void Monster::TickMonster() {}
void Monster::RegenerateMonster() {}
bool Monster::KillMonster() { return false; }
void Monster::ReportMonsterHealth() {}
void Monster::SpillMonsterBlood(bool) {}
// placeholder: nobody follows the player yet.
void LetFollowersTakeStairs(int32_t) {}
// placeholder: the arrival square is left as it is.
void ClearArrivalStairs(int32_t, int32_t, int32_t) {}
