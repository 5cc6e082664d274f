#include "world/game_hooks.h"

GameHooks gameHooks;
