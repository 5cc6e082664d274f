#pragma once
// How a game ends when it is won.

// The ending after climbing out of the dungeon with the final demon slain; ends the program.
void VictoryEnding();
