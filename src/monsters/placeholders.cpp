// placeholder: the monster list and monster services until they are built.
#include "monsters/monster.h"

Monster* monsterListHead = nullptr;
int32_t monsterVisionRange = 7;

void Monster::TickMonster() {}
void Monster::RegenerateMonster() {}
bool Monster::KillMonster() { return false; }
void Monster::ReportMonsterHealth() {}
void Monster::SpillMonsterBlood(bool) {}
void Monster::MatchMonsterToFloorColour() {}
void DrawMonsters() {}
void PurgeDeadMonsters() {}
void FreeAllMonsters() {}
bool IsMonsterAt(int32_t, int32_t, int32_t) { return false; }
Monster* FindMonsterAt(int32_t, int32_t, int32_t) { return nullptr; }
