#pragma once
// How the story ends: the deaths of the unique demons and the victory.
#include <cstdint>

// Told when unique demon n dies (1 to 4 the guardians of the way down, 5 the
// final demon); the caller has already set its slain flag.
void AnnounceDemonSlain(int32_t n);
// The ending after climbing out of the dungeon with the final demon slain:
// the ending screen, the score, the final screens and the post-mortem. Ends the program.
[[noreturn]] void VictoryEnding();
