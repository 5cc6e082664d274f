// placeholder: the item-use commands not built yet.
#include "player/player.h"

// placeholder: the wand does nothing.
void Player::ZapWand(int32_t) {}
