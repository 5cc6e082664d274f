// placeholder: the world update and tile events until they are built.
#include "shell/message_log.h"

// placeholder
void MessageLog::UpdateWorld() {}
// placeholder
int MessageLog::StepOnTile() { return 0; }
