#pragma once
// Start-up, the main loop and the one way the program ends.
#include <cstdint>
#include <string>
#include <vector>

#include "shell/command_line.h"
#include "toolkit/terminal.h"  // ReadKey, the one key read, and the key codes

extern int32_t gameVersion;
// Set once start-up has a game ready to play. The death and victory sequences
// clear it, so that a termination signal no longer saves the game.
extern uint8_t gameInPlay;

// Gives the shell's toolkit the game's answers to what it asks (toolkit_hooks.h).
void InstallToolkitHooks();
// Brings up the terminal, loads the data files and makes a game ready to play
// (loaded, or created and generated). Every failure inside ends the program.
void InitGame();
// True when the named file can be opened for reading.
bool FileExists(const std::string& fileName);
// Frees the monsters, ends curses and exits with code 1. Never returns.
[[noreturn]] void QuitGame();
// In "-name" mode removes the character's save file; otherwise nothing.
void RemoveNamedCharacterSave();
// Asks "Do you really want to quit without saving? (Y/n)"; 'Y' quits (in "-name"
// mode after removing the save file), 'n' or 'N' returns.
void QuitWithoutSaving();

// One pass of the main loop: the player's actions, field of view, the world
// update, the monsters' turns and the end-of-turn redraw.
void RunMainLoopPass();
void RunPlayerTurn();
// Every monster of the player's floor ticks, then the dead among them are removed.
void RunMonsterPhase();
void RedrawEndOfTurn();
