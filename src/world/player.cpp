#include "world/player.h"

Player player;

Player::Player() {
    for (int32_t& slot : equipSlots) slot = -1;
}
