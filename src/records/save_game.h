#pragma once
// Saving and loading the game, and what a termination signal does to it.
#include <cstdint>

// Unpacks and reads the save file of the named character; false when it cannot be opened.
bool LoadGame(const char* name);
// Asks "Do you want to save (and quit) the game? (y/n)"; 'y' saves and ends the program.
int32_t SaveAndQuitPrompt();
// After a termination signal in "-name" mode: saves a living character or
// removes a dead one's save, and ends the program.
void OnTerminate(int signalNumber);
