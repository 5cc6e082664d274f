// placeholder: the skill screens until they are built.
#include "player/player.h"

// placeholder: nothing is learned.
int32_t Player::LearnSkill(bool) { return 0; }
// placeholder: nothing is used.
int32_t Player::UseSkill() { return 0; }
// placeholder: nothing is used.
int32_t Player::UseQuickSkill() { return 0; }
// placeholder
void Player::CycleQuickSkill() {}
