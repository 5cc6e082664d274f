// placeholder: using skills until it is built.
#include "player/player.h"

// placeholder: nothing is used.
int32_t Player::UseSkill() { return 0; }
// placeholder: nothing is used.
int32_t Player::UseQuickSkill() { return 0; }
// placeholder
void Player::CycleQuickSkill() {}
