// placeholder: the monster behaviour until it is built.
#include "monsters/monster.h"

int32_t monsterVisionRange = 7;

void Monster::TickMonster() {}
void Monster::RegenerateMonster() {}
bool Monster::KillMonster() { return false; }
void Monster::ReportMonsterHealth() {}
void Monster::SpillMonsterBlood(bool) {}
