#pragma once
// Turning key presses into commands through the key table, and the direction
// prompt of the targeting and skill screens.
#include <cstdint>

// The command chosen by the last ReadCommandKey (a CommandIndex).
extern int32_t currentCommand;

// One action's worth of input: the next step of a running quick move or quick
// rest (Player::NextRunStep), or a key waited for and mapped. Returns 1 when a command was chosen (in currentCommand),
// 0 when the key meant nothing (currentCommand is then kCommandNone).
int32_t ReadCommandKey();

// Asks "Select a numpad or arrow key direction." on row 21 and returns the
// keypad digit of the chosen direction, '1' to '9' ('5' for the character's own square).
char AskDirection();
