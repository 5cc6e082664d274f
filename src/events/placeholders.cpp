// placeholder: the world update and tile events until they are built.
#include "shell/message_log.h"

// placeholder
void MessageLog::UpdateWorld() {}
// placeholder
int MessageLog::StepOnTile() { return 0; }
#include "player/player.h"

// placeholder: there is no feature to use yet.
int32_t Player::UseDungeonFeature() { return 0; }
