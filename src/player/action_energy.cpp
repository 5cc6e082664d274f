// The character's turns: the energy that buys an action, and the count of turns taken.
#include "world/player.h"

bool Player::AccumulateEnergy() {
    if (energy >= actThreshold) {
        energy -= actThreshold;
        return true;
    }
    int32_t gain = speed;
    if (slowness > 0) gain = static_cast<int32_t>(gain / 1.7);
    // Stone skin can hold the gain back to one action, never raise it.
    if (stoneSkinTurns > 0 && gain > actThreshold) gain = actThreshold;
    if (speedBoost > 0) {
        gain += static_cast<int32_t>(static_cast<float>(speedBoost) / 15.0f * static_cast<float>(gain));
    }
    energy += gain;
    return false;
}

void Player::CountPlayerTurn() { ++turns; }
