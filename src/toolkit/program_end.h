#pragma once
// The one way the program ends.

// Lets the game free what it holds (toolkit_hooks.h), ends curses and exits
// with code 1. Never returns.
[[noreturn]] void QuitGame();
