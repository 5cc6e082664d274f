#include "world/game_status.h"

int32_t gameVersion = 106;  // start-up sets it again before anything else
uint8_t gameInPlay = 0;
