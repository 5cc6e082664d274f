// placeholder: the player's commands and conditions until they are built.
#include "monsters/monster.h"
#include "player/player.h"

// placeholder
void Player::RegeneratePlayer() {}
// placeholder
void Player::WarnLowHp() {}
// placeholder
void Player::UpdateWarmthColour() {}
// placeholder: the sight radius stays as it is.
void Player::UpdateSightRadius(int32_t) {}
// placeholder: the style stays as it is.
void Player::ChooseFightingStyle() {}
// placeholder
void Player::ExplodeTrappedArmour(int32_t) {}
// placeholder: the blow does nothing yet, but an attack always uses the turn.
int32_t Player::MeleeAttack(Monster* monster, bool) { return monster == nullptr ? 0 : 1; }
// placeholder: the blow does nothing yet; 1 when a monster stands there to be attacked.
int32_t Player::AttackUnlessHorrified(int32_t command) {
    static constexpr int32_t kSteps[8][2] = {{0, -1}, {0, 1}, {-1, 0}, {1, 0}, {-1, -1}, {1, -1}, {-1, 1}, {1, 1}};
    if (command < 2 || command > 9) return 0;
    const int32_t* step = kSteps[command - 2];
    return MeleeAttack(FindMonsterAt(x + step[0], y + step[1], currentFloor), false);
}
// placeholder
void Player::ShowCharacterInfo() {}
// placeholder
void CreateCharacter() {}
