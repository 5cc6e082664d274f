// placeholder: the monster kind table and monster list until they are built.
#include "monsters/monster.h"
#include "monsters/monster_kind.h"

MonsterKindTable monsterKinds;
Monster* monsterListHead = nullptr;
int32_t monsterVisionRange = 7;

void MonsterKindTable::LoadMonsterKinds() {}
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

#include "monsters/monster_descriptions.h"

std::vector<MonsKuvaus> monsterDescriptions;
// placeholder
std::string FillMonsterDescriptions(std::string) { return "Hmm, one can't say anything about this being. Strange."; }
