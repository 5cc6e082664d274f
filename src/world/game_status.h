#pragma once
// What any part may ask of the game as a whole: the program's version, and
// whether a game is in play.
#include <cstdint>

// The version of the program, which every data file and save file carries.
extern int32_t gameVersion;
// Set once start-up has a game ready to play. The death and victory sequences
// clear it, so that a termination signal no longer saves the game.
extern uint8_t gameInPlay;
