#pragma once
// Turning key presses into commands through the key table.
#include <cstdint>

// One action's worth of input: the next step of a running quick move or quick
// rest (Player::NextRunStep), or a key waited for and mapped. Returns 1 when a command was chosen (in currentCommand,
// world/command_keys.h), 0 when the key meant nothing (currentCommand is then kCommandNone).
int32_t ReadCommandKey();
