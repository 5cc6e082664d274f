// One sentence on how badly a monster is hurt, after the player's blow, shot or throw.
#include "monsters/monster_messages.h"
#include "toolkit/message_log.h"
#include "world/monster.h"

void Monster::ReportMonsterHealth() {
    const int32_t barely = static_cast<int32_t>(maxHp / 1.5);
    const char* state = nullptr;
    if (hp == maxHp || hp < 1 || hp > maxHp) return;  // unhurt, or its death speaks for itself
    if (hp >= barely) {
        state = "is barely injured.";
    } else if (hp >= maxHp / 2) {
        state = "is injured.";
    } else if (hp >= maxHp / 3) {
        state = "is badly injured.";
    } else {
        state = living == 1 ? "is almost dead." : "is almost destroyed.";
    }
    PrintWords(MonsterSubject(*this) + " " + state + " ");
}
