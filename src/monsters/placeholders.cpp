// placeholder: the monster kind table and monster behaviour until they are built.
#include "monsters/monster.h"
#include "monsters/monster_kind.h"

MonsterKindTable monsterKinds;
int32_t monsterVisionRange = 7;

void MonsterKindTable::LoadMonsterKinds() {}
void Monster::TickMonster() {}
void Monster::RegenerateMonster() {}
bool Monster::KillMonster() { return false; }
void Monster::ReportMonsterHealth() {}
void Monster::SpillMonsterBlood(bool) {}
