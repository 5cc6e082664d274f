// placeholder: the player record's operations until they are built.
#include "player/player.h"

Player player;

Player::Player() {
    for (int32_t& slot : equipSlots) slot = -1;
}
void Player::RecomputePlayerStats() {}
bool Player::AccumulateEnergy() { return true; }
void Player::CountPlayerTurn() { ++turns; }
bool Player::PlaceOnUpStairs() { return false; }
