// The block's lanes in 256-bit registers: 8 lanes, four to a register, laid
// out as the 512-bit fill lays them (random_lanes_avx512.cpp tells how).
#include <immintrin.h>

#include "toolkit/random_block.h"

namespace {

constexpr int32_t kGroups = kAvx2Lanes / 4;
constexpr int32_t kLaneLength = kRandomBlockSize / kAvx2Lanes;
// A lane's outputs are stored a register at a time: 8 draws.
constexpr int32_t kDrawsPerStore = 8;
static_assert(kLaneLength % kDrawsPerStore == 0, "a lane is stored eight draws at a time");

// Four lanes' state words, one lane per 64-bit slot.
struct LaneGroup {
    __m256i x0, x1, x2, x3, carry;
};

__attribute__((target("avx2"))) LaneGroup LoadGroup(const GeneratorState* starts) {
    alignas(32) uint64_t words[kLaneStateWords][4];
    SpreadLaneStates(starts, words);
    const __m256i* loaded = reinterpret_cast<const __m256i*>(words);
    return {_mm256_load_si256(loaded), _mm256_load_si256(loaded + 1), _mm256_load_si256(loaded + 2),
            _mm256_load_si256(loaded + 3), _mm256_load_si256(loaded + 4)};
}

__attribute__((target("avx2"))) void StoreGroup(const LaneGroup& group, GeneratorState* ends) {
    alignas(32) uint64_t words[kLaneStateWords][4];
    const __m256i parts[kLaneStateWords] = {group.x0, group.x1, group.x2, group.x3, group.carry};
    for (int32_t w = 0; w < kLaneStateWords; ++w) _mm256_store_si256(reinterpret_cast<__m256i*>(words[w]), parts[w]);
    GatherLaneStates(words, ends);
}

// One draw of four lanes: the lanes' whole sums.
__attribute__((target("avx2"))) inline __m256i DrawGroup(LaneGroup& g) {
    const __m256i older = _mm256_add_epi64(_mm256_mul_epu32(g.x3, _mm256_set1_epi64x(2111111111)),
                                           _mm256_mul_epu32(g.x2, _mm256_set1_epi64x(1492)));
    const __m256i withCarry = _mm256_add_epi64(_mm256_mul_epu32(g.x1, _mm256_set1_epi64x(1776)), g.carry);
    const __m256i sum =
        _mm256_add_epi64(_mm256_add_epi64(older, withCarry), _mm256_mul_epu32(g.x0, _mm256_set1_epi64x(5115)));
    g.x3 = g.x2;
    g.x2 = g.x1;
    g.x1 = g.x0;
    g.x0 = sum;
    g.carry = _mm256_srli_epi64(sum, 32);
    return sum;
}

// Four pairs of draws' outputs (slot l of pairs[j] holds lane l's draws 2j and
// 2j + 1) stored lane by lane: `lane0` is where lane 0's 8 outputs go, lane l's
// kLaneLength entries further on.
__attribute__((target("avx2"))) inline void StoreLanes(const __m256i (&pairs)[4], uint32_t* lane0) {
    const __m256i even01 = _mm256_unpacklo_epi64(pairs[0], pairs[1]);
    const __m256i odd01 = _mm256_unpackhi_epi64(pairs[0], pairs[1]);
    const __m256i even23 = _mm256_unpacklo_epi64(pairs[2], pairs[3]);
    const __m256i odd23 = _mm256_unpackhi_epi64(pairs[2], pairs[3]);
    const __m256i lanes[4] = {
        _mm256_permute2x128_si256(even01, even23, 0x20), _mm256_permute2x128_si256(odd01, odd23, 0x20),
        _mm256_permute2x128_si256(even01, even23, 0x31), _mm256_permute2x128_si256(odd01, odd23, 0x31)};
    for (int32_t lane = 0; lane < 4; ++lane) {
        _mm256_store_si256(reinterpret_cast<__m256i*>(lane0 + lane * kLaneLength), lanes[lane]);
    }
}

// Eight draws of a group's four lanes, stored. (Drawing both groups in turn,
// as the 512-bit fill does, needs more registers than there are.)
__attribute__((target("avx2"))) inline void DrawAndStore8(LaneGroup& group, uint32_t* lane0) {
    __m256i pairs[4];
#pragma GCC unroll 8
    for (int32_t j = 0; j < 4; ++j) {
        const __m256i even = DrawGroup(group);
        // The odd draw's output moves up beside the even one's, over the even one's carry.
        const __m256i oddRaised = _mm256_slli_epi64(DrawGroup(group), 32);
        pairs[j] = _mm256_blend_epi32(even, oddRaised, 0xAA);
    }
    StoreLanes(pairs, lane0);
}

}  // namespace

__attribute__((target("avx2"))) void FillLanesAvx2(const GeneratorState* starts, uint32_t* entries,
                                                   GeneratorState* ends) {
    LaneGroup groups[kGroups];
    for (int32_t g = 0; g < kGroups; ++g) groups[g] = LoadGroup(starts + g * 4);
    for (int32_t step = 0; step < kLaneLength; step += kDrawsPerStore) {
#pragma GCC unroll 8
        for (int32_t g = 0; g < kGroups; ++g) DrawAndStore8(groups[g], entries + g * 4 * kLaneLength + step);
    }
    for (int32_t g = 0; g < kGroups; ++g) StoreGroup(groups[g], ends + g * 4);
}
