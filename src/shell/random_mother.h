#pragma once
// The one source of chance in the game: a four-lag multiply-with-carry
// generator. Every random decision anywhere goes through rng.Random(n), so the
// order in which the game draws numbers is part of its behaviour.
#include <cstdint>

class RandomMother {
public:
    // Seeds from HOLLOWMERE_SEED when that is set (repeatable runs), else from the tick count.
    RandomMother();

    void RandomInit(uint32_t seed);
    uint32_t BRandom();
    // 0..n-1 for n >= 2; 0 for n == 1 and INT32_MIN for n <= 0, both without drawing.
    int32_t Random(int32_t n);

    uint32_t x[4] = {0, 0, 0, 0};  // x[0] is the newest output
    uint32_t carry = 0;
};

extern RandomMother rng;

// Last tick count read by GetTickSeed.
extern int32_t randomSeed;

// Reads the millisecond tick count, stores it in randomSeed and returns it.
uint32_t GetTickSeed();

// The percentage callers use to round a fractional value up at random:
// 0 for a whole number, else 1 + the first two decimals (2.5 gives 51).
int32_t GetFractionPercent(float v);
