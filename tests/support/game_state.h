#pragma once
// Test conveniences around the game's own resets (game/game_state.h). Every
// test starts from ResetProgramState with the test seed and the standard keys.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>

#include "game/game_state.h"
#include "toolkit/random_mother.h"

// The seed every test starts from.
constexpr uint32_t kTestSeed = 12345;

// Tests reset the game from the test seed unless they name one.
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

// Seeds the game's generator with the first seed whose draws `fits` accepts; fails the test when there is none.
inline void SeedFor(const std::function<bool(RandomMother&)>& fits) {
    const uint32_t seed = FindSeed(fits);
    ASSERT_NE(seed, 0u);
    rng.RandomInit(seed);
}
