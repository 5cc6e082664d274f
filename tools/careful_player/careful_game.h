#pragma once
// One game of the careful player, played in the calling process: the game's
// own start-up on a terminal of its own, the character made through the
// creation screens, then the main loop, every key from the player's mind. It
// ends with one line of results on the given file descriptor, and the process
// with it (the game's own end leaves no other way).
#include <cstdint>

struct CarefulTraining;

struct CarefulGameOptions {
    // The game ends, reported as capped, once the character has taken this many turns.
    int32_t turnCap = 30000;
    // A game whose turn count stands still for this many keys is stuck.
    int64_t keysWithoutATurn = 20000;
    // Checks the game's invariants after every pass of the main loop (slow; for the tests).
    bool checkInvariants = false;
};

// Exit codes of the game's process.
constexpr int kCarefulGamePlayed = 0;
constexpr int kCarefulGameCannotStart = 4;

// Plays the seed's game from the working directory's data files; writes its
// line to `resultFd` and ends the process. The scratch folder takes what the
// game writes at its end (scores, post-mortem).
[[noreturn]] void PlayCarefulGame(uint32_t seed, const CarefulTraining& training, const CarefulGameOptions& options,
                                  int resultFd, const char* scratchFolder);
