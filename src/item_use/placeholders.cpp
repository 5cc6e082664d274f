// placeholder: shooting, throwing, targeting and looking until they are built.
#include "player/player.h"

// placeholder: no shot is made.
int32_t Player::Shoot() { return 0; }
// placeholder: nothing is thrown.
int32_t Player::Throw() { return 0; }
// placeholder
void Player::ChooseTarget() {}
// placeholder
void Player::Look() {}
// placeholder: nothing is drunk, zapped or eaten.
void Player::UseItem(int32_t) {}
