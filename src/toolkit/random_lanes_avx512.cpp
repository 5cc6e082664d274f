// The block's lanes in 512-bit registers: 16 lanes, eight to a register, each
// lane's value in the low half of a 64-bit slot. The multiply reads only that
// half, so a lane's whole 64-bit sum (carry above, output below) serves at once
// as the next newest output and the next carry; only the outputs are stored.
#include <immintrin.h>

#include "toolkit/random_block.h"

// The compiler's own 512-bit helpers start from a deliberately undefined
// register, which it then reports as used uninitialised.
#pragma GCC diagnostic ignored "-Wuninitialized"
#if !defined(__clang__)  // clang knows no such warning, and refuses unknown ones
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif

namespace {

constexpr int32_t kGroups = kAvx512Lanes / 8;
constexpr int32_t kLaneLength = kRandomBlockSize / kAvx512Lanes;
// A lane's outputs are stored a register at a time: 16 draws.
constexpr int32_t kDrawsPerStore = 16;
static_assert(kLaneLength % kDrawsPerStore == 0, "a lane is stored 16 draws at a time");

// Eight lanes' state words, one lane per 64-bit slot.
struct LaneGroup {
    __m512i x0, x1, x2, x3, carry;
};

__attribute__((target("avx512f"))) LaneGroup LoadGroup(const GeneratorState* starts) {
    alignas(64) uint64_t words[kLaneStateWords][8];
    SpreadLaneStates(starts, words);
    return {_mm512_load_si512(words[0]), _mm512_load_si512(words[1]), _mm512_load_si512(words[2]),
            _mm512_load_si512(words[3]), _mm512_load_si512(words[4])};
}

__attribute__((target("avx512f"))) void StoreGroup(const LaneGroup& group, GeneratorState* ends) {
    alignas(64) uint64_t words[kLaneStateWords][8];
    const __m512i parts[kLaneStateWords] = {group.x0, group.x1, group.x2, group.x3, group.carry};
    for (int32_t w = 0; w < kLaneStateWords; ++w) _mm512_store_si512(words[w], parts[w]);
    GatherLaneStates(words, ends);
}

// One draw of eight lanes: the lanes' whole sums.
__attribute__((target("avx512f"))) inline __m512i DrawGroup(LaneGroup& g) {
    const __m512i older = _mm512_add_epi64(_mm512_mul_epu32(g.x3, _mm512_set1_epi64(2111111111)),
                                           _mm512_mul_epu32(g.x2, _mm512_set1_epi64(1492)));
    const __m512i withCarry = _mm512_add_epi64(_mm512_mul_epu32(g.x1, _mm512_set1_epi64(1776)), g.carry);
    const __m512i sum =
        _mm512_add_epi64(_mm512_add_epi64(older, withCarry), _mm512_mul_epu32(g.x0, _mm512_set1_epi64(5115)));
    g.x3 = g.x2;
    g.x2 = g.x1;
    g.x1 = g.x0;
    g.x0 = sum;
    g.carry = _mm512_srli_epi64(sum, 32);
    return sum;
}

// Eight pairs of draws' outputs (slot l of pairs[j] holds lane l's draws 2j
// and 2j + 1) stored lane by lane: `lane0` is where lane 0's 16 outputs go,
// lane l's kLaneLength entries further on.
__attribute__((target("avx512f"))) inline void StoreLanes(const __m512i (&pairs)[8], uint32_t* lane0) {
    // An 8x8 transpose of the 64-bit slots, so that lane l holds its own 16 draws.
    const __m512i pickLow = _mm512_set_epi64(13, 12, 5, 4, 9, 8, 1, 0);
    const __m512i pickHigh = _mm512_set_epi64(15, 14, 7, 6, 11, 10, 3, 2);
    __m512i twos[8];
#pragma GCC unroll 8
    for (int32_t j = 0; j < 8; j += 2) {
        twos[j] = _mm512_unpacklo_epi64(pairs[j], pairs[j + 1]);
        twos[j + 1] = _mm512_unpackhi_epi64(pairs[j], pairs[j + 1]);
    }
    __m512i fours[8];
#pragma GCC unroll 8
    for (int32_t j = 0; j < 8; j += 4) {
#pragma GCC unroll 8
        for (int32_t odd = 0; odd < 2; ++odd) {
            fours[j + odd] = _mm512_permutex2var_epi64(twos[j + odd], pickLow, twos[j + 2 + odd]);
            fours[j + 2 + odd] = _mm512_permutex2var_epi64(twos[j + odd], pickHigh, twos[j + 2 + odd]);
        }
    }
    // fours[0] holds lanes 0 and 4 of pairs 0..3, fours[1] lanes 1 and 5, fours[2] lanes 2 and 6,
    // fours[3] lanes 3 and 7; fours[4..7] the same for pairs 4..7.
#pragma GCC unroll 8
    for (int32_t lane = 0; lane < 4; ++lane) {
        const __m512i low = _mm512_shuffle_i64x2(fours[lane], fours[lane + 4], 0x44);
        const __m512i high = _mm512_shuffle_i64x2(fours[lane], fours[lane + 4], 0xEE);
        _mm512_store_si512(lane0 + lane * kLaneLength, low);
        _mm512_store_si512(lane0 + (lane + 4) * kLaneLength, high);
    }
}

// Sixteen draws of every lane, stored. The groups' draws alternate, so that
// each group's chain of draws runs while the other's waits on its multiplies.
__attribute__((target("avx512f"))) inline void DrawAndStore16(LaneGroup (&groups)[kGroups], uint32_t* entries) {
    // Two draws' outputs side by side in each lane's 64-bit slot.
    const __m512i outputsOfTwo = _mm512_set_epi32(30, 14, 28, 12, 26, 10, 24, 8, 22, 6, 20, 4, 18, 2, 16, 0);
    __m512i pairs[kGroups][8];
#pragma GCC unroll 8
    for (int32_t j = 0; j < 8; ++j) {
        __m512i even[kGroups];
#pragma GCC unroll 8
        for (int32_t g = 0; g < kGroups; ++g) even[g] = DrawGroup(groups[g]);
#pragma GCC unroll 8
        for (int32_t g = 0; g < kGroups; ++g) {
            pairs[g][j] = _mm512_permutex2var_epi32(even[g], outputsOfTwo, DrawGroup(groups[g]));
        }
    }
#pragma GCC unroll 8
    for (int32_t g = 0; g < kGroups; ++g) StoreLanes(pairs[g], entries + g * 8 * kLaneLength);
}

}  // namespace

__attribute__((target("avx512f"))) void FillLanesAvx512(const GeneratorState* starts, uint32_t* entries,
                                                       GeneratorState* ends) {
    LaneGroup groups[kGroups];
    for (int32_t g = 0; g < kGroups; ++g) groups[g] = LoadGroup(starts + g * 8);
    for (int32_t step = 0; step < kLaneLength; step += kDrawsPerStore) DrawAndStore16(groups, entries + step);
    for (int32_t g = 0; g < kGroups; ++g) StoreGroup(groups[g], ends + g * 8);
}
