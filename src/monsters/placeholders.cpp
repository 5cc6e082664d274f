// placeholder: the monster behaviour until it is built.
#include "monsters/monster.h"

void Monster::TickMonster() {}
void Monster::RegenerateMonster() {}
// placeholder: no demon plays a trick yet.
void Monster::PerformDemonTrick() {}
// placeholder: nobody follows the player yet.
void LetFollowersTakeStairs(int32_t) {}
// placeholder: the arrival square is left as it is.
void ClearArrivalStairs(int32_t, int32_t, int32_t) {}
