// placeholder: the skill services until the skills are built.
#include "player/player.h"

// placeholder
void Player::ApplyTrainingSkills(bool) {}
