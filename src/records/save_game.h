#pragma once
// Saving and loading the game, and what a termination signal does to it.
#include <cstdint>
#include <string>

// The save file of the named character: "<name>.hmd", in "-name" mode
// "Data/<name>/<name>.hmd".
std::string SaveFileName(const std::string& name);
// Writes the game to the player's save file and ends the program. A save that
// cannot be written leaves any older one as it was; the player is told, and
// this returns so that the game goes on.
void SaveGame();
// Unpacks and reads the save file of the named character. False, after saying
// so and a key, when it cannot be opened or is damaged: the game is then as
// start-up left it. A save of another version ends the program.
bool LoadGame(const char* name);
// Asks "Do you want to save (and quit) the game? (y/n)"; 'y' saves and ends the
// program. Returns 0: the command takes no turn.
int32_t SaveAndQuitPrompt();
// After a termination signal in "-name" mode: saves a living character or
// removes a dead one's save, and ends the program.
void OnTerminate(int signalNumber);
