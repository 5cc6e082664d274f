#pragma once
// Turning key presses into commands, replaying the steps of a quick move, and
// the direction prompt of the targeting and skill screens.
#include <cstdint>

// The command chosen by the last ReadCommandKey (a CommandIndex).
extern int32_t currentCommand;
// Run polls in a row in which the character did not move.
extern int32_t runStuckTurns;
// The character's position at the previous run poll.
extern int32_t runLastX;
extern int32_t runLastY;

// One action's worth of input: replays a running quick move or quick rest, or
// waits for a key. Returns 1 when a command was chosen (in currentCommand),
// 0 when the key meant nothing (currentCommand is then kCommandNone).
int32_t ReadCommandKey();

// Asks "Select a numpad or arrow key direction." on row 21 and returns the
// keypad digit of the chosen direction, '1' to '9' ('5' for the character's own square).
char AskDirection();
