#pragma once
// The generator as it was before draws were made ahead in blocks: one
// multiply-with-carry step per draw. Kept apart from the game's generator, and
// deliberately left as it was, as the reference the block-filled one must match
// draw for draw, and as the measure the benchmarks compare it with.
#include <climits>
#include <cstdint>

class SerialRandomMother {
public:
    void RandomInit(uint32_t seed) {
        uint32_t s = seed;
        uint32_t* targets[5] = {&x[0], &x[1], &x[2], &x[3], &carry};
        for (uint32_t* target : targets) {
            s = s * 29943829u - 1u;
            *target = s;
        }
        for (int i = 0; i < 19; ++i) BRandom();
    }
    uint32_t BRandom() {
        uint64_t older = 2111111111ull * x[3] + 1492ull * x[2] + 1776ull * x[1];
        uint64_t newestFactor = 5115;
        Pin(older);
        Pin(newestFactor);
        uint64_t withCarry = older + carry;
        Pin(withCarry);
        const uint64_t sum = withCarry + newestFactor * x[0];
        x[3] = x[2];
        x[2] = x[1];
        x[1] = x[0];
        carry = static_cast<uint32_t>(sum >> 32);
        x[0] = static_cast<uint32_t>(sum);
        return x[0];
    }
    int32_t Random(int32_t n) {
        if (n <= 0) return INT32_MIN;
        if (n == 1) return 0;
        const uint64_t product = static_cast<uint64_t>(static_cast<uint32_t>(n)) * BRandom();
        return static_cast<int32_t>(product >> 32);
    }

    uint32_t x[4] = {0, 0, 0, 0};
    uint32_t carry = 0;

private:
    // The tuned step's barrier: the sums stay in the order written.
    template <class T>
    static void Pin(T& value) {
#if defined(__GNUC__)
        asm("" : "+r"(value));
#else
        (void)value;
#endif
    }
};
