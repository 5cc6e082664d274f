#pragma once
// The game's long-lived state in one place. game_state.cpp lists every global
// object of the game, where it is defined, whether the save file holds it (and
// in which of its blocks), and which reset puts it back, and every variable a
// file keeps to itself (a static, or one in an anonymous namespace). Whoever
// adds one lists it there; a test reads the sources for them.
#include <cstdint>

// Every global that a game changes (all that a save holds, and what a game in
// play keeps besides) back to how start-up leaves it before a game is chosen,
// and the random generator seeded with `seed`. The data that start-up reads
// (kinds, prefixes, descriptions, key bindings, scores, command line) stays:
// a load that failed half-way comes back here and the title menu goes on.
void ResetGameState(uint32_t seed);

// ResetGameState, and also the data that start-up reads back to how the
// program begins, before anything is read (no kinds, no keys bound, the
// command line "Noargs"), with the toolkit's and the game's hooks installed
// as start-up installs them first. Tests start each case from here.
void ResetProgramState(uint32_t seed);
