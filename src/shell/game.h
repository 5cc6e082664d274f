#pragma once
// Start-up, the command line and the one way the program ends.
#include <cstdint>
#include <string>
#include <vector>

struct _win_st;

extern std::vector<std::string> programArgs;
extern int32_t gameVersion;
extern _win_st* mainWindow;
extern int32_t arrowKindIndex;

void InitGame();
// True when the named file can be opened for reading.
bool FileExists(const std::string& fileName);
// The one way the game reads a key: waits for a key press and returns its code.
int ReadKey();
// Frees the monsters, ends curses and exits with code 1. Never returns.
[[noreturn]] void QuitGame();
