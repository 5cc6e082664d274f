#pragma once
// Puts the game's global objects back to their start-up state, so that tests
// do not depend on the order they run in.
#include <cstdint>

#include "shell/random_mother.h"

// The seed every test starts from.
constexpr uint32_t kTestSeed = 12345;

// Everything the game keeps in globals: the player, message log, floors,
// monster list, sages, monster and item kinds, prefixes, appearance tables,
// skills, key table (the standard bindings), command line ("Noargs") and the
// random generator, seeded with `seed`. Whoever adds a global object that
// tests touch resets it here too.
void ResetGameState(uint32_t seed = kTestSeed);

// The bindings of the shipped key-binding file: rest '5', quit 'Q', the
// directions on the number keys as on the keypad, '<' '>', then
// g i e f c x w a l t u p L s S ? m C F q v T for commands 14 to 35.
void UseStandardKeys();

// The first seed from `from` on whose generator `fits` holds (the generator is handed to
// `fits` freshly seeded); 0 when none of a million seeds does.
template <typename Fits>
uint32_t FindSeed(Fits fits, uint32_t from = 1) {
    for (uint32_t seed = from; seed < from + 1000000; ++seed) {
        RandomMother probe;
        probe.RandomInit(seed);
        if (fits(probe)) return seed;
    }
    return 0;
}
