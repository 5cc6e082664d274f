#pragma once
// The generators' tight loops of draws run on a copy of the game's generator:
// the copy can stay in registers, where each draw from the global one makes a
// round trip through memory. The copy is handed back when its scope ends, so
// the game's generator moves on exactly as if it had drawn the numbers itself.
// Nothing inside the scope may draw from the global generator.
#include <cstdint>

#include "shell/random_mother.h"

class LocalRandom {
public:
    LocalRandom() : generator(rng) {}
    ~LocalRandom() { rng = generator; }
    LocalRandom(const LocalRandom&) = delete;
    LocalRandom& operator=(const LocalRandom&) = delete;

    int32_t Random(int32_t n) { return generator.Random(n); }

private:
    RandomMother generator;
};

// A digging direction from any generator: Random(4) gives 2 north, 3 south, 5 east, 4 west.
template <class Generator>
int32_t RandomDirection(Generator& generator) {
    static constexpr int32_t kDirections[4] = {2, 3, 5, 4};
    return kDirections[generator.Random(4)];
}
