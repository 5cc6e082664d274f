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
// placeholder: the death check only looks at the hit points until death is built.
void Player::CheckPlayerDeath(const std::string&, int32_t) {
    if (hp > 0) return;
}
// placeholder: no monster counts as in sight until quick moves are built.
bool Player::IsHostileMonsterInSight() { return false; }
