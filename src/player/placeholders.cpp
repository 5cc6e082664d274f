// placeholder: the player's commands and conditions until they are built.
#include "monsters/monster.h"
#include "player/player.h"
#include "shell/xy.h"

// placeholder: the blow does nothing yet, but an attack always uses the turn.
int32_t Player::MeleeAttack(Monster* monster, bool) { return monster == nullptr ? 0 : 1; }
// placeholder: the blow does nothing yet; 1 when a monster stands there to be attacked.
int32_t Player::AttackUnlessHorrified(int32_t command) {
    if (command < 2 || command > 9) return 0;
    const XY step = DirectionStep(command);
    return MeleeAttack(FindMonsterAt(x + step.x, y + step.y, currentFloor), false);
}
// placeholder: the death check only looks at the hit points until death is built.
void Player::CheckPlayerDeath(const std::string&, int32_t) {
    if (hp > 0) return;
}
// placeholder: no bonus and always a miss until melee is built.
int32_t Player::RollToHit(bool, int32_t, bool bonusOnly) { return bonusOnly ? 0 : 1; }
