// placeholder: traps and the features used in place until they are built.
#include "player/player.h"
#include "shell/message_log.h"

// placeholder: no trap springs yet.
void MessageLog::TriggerTrap() {}
// placeholder: blood stands are not described yet.
void MessageLog::DescribeBloodStand() {}

// placeholder: there is no feature to use yet.
int32_t Player::UseDungeonFeature() { return 0; }
