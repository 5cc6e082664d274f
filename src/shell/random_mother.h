#pragma once
// The one source of chance in the game: a four-lag multiply-with-carry
// generator. Every random decision anywhere goes through rng.Random(n), so the
// order in which the game draws numbers is part of its behaviour.
#include <climits>
#include <cstdint>

// Keeps the optimiser from moving a computation across this point (it may
// neither fold the value into later sums nor rewrite how it was made).
template <class T>
inline void KeepAsComputed(T& value) {
#if defined(__GNUC__)
    asm("" : "+r"(value));
#else
    (void)value;
#endif
}

class RandomMother {
public:
    // Seeds from HOLLOWMERE_SEED when that is set (repeatable runs), else from the tick count.
    RandomMother();

    void RandomInit(uint32_t seed);
    // Inline: generation draws over a million numbers per floor, one after the
    // other, so the time of a draw is the time from the last output to the next.
    // Only the newest output's product waits for the last draw: the older terms
    // and the carry are summed first, and the sums are kept in that order.
    uint32_t BRandom() {
        uint64_t older = 2111111111ull * x[3] + 1492ull * x[2] + 1776ull * x[1];
        uint64_t newestFactor = 5115;
        KeepAsComputed(older);
        KeepAsComputed(newestFactor);  // one multiply is quicker than the shifts it would become
        uint64_t withCarry = older + carry;
        KeepAsComputed(withCarry);
        const uint64_t sum = withCarry + newestFactor * x[0];
        x[3] = x[2];
        x[2] = x[1];
        x[1] = x[0];
        carry = static_cast<uint32_t>(sum >> 32);
        x[0] = static_cast<uint32_t>(sum);
        return x[0];
    }
    // 0..n-1 for n >= 2; 0 for n == 1 and INT32_MIN for n <= 0, both without drawing.
    int32_t Random(int32_t n) {
        if (n <= 0) return INT32_MIN;
        if (n == 1) return 0;
        const uint64_t product = static_cast<uint64_t>(static_cast<uint32_t>(n)) * BRandom();
        return static_cast<int32_t>(product >> 32);
    }

    uint32_t x[4] = {0, 0, 0, 0};  // x[0] is the newest output
    uint32_t carry = 0;
};

extern RandomMother rng;

// Last tick count read by GetTickSeed.
extern int32_t randomSeed;

// Reads the millisecond tick count, stores it in randomSeed and returns it.
uint32_t GetTickSeed();
// The seed the generator starts from: HOLLOWMERE_SEED when that is set, else GetTickSeed.
uint32_t StartingSeed();

// The percentage callers use to round a fractional value up at random:
// 0 for a whole number, else 1 + the first two decimals (2.5 gives 51).
int32_t GetFractionPercent(float v);
