// The block's lanes in 512-bit registers: 16 lanes, eight to a register, each
// lane's value in the low half of a 64-bit slot. The multiply reads only that
// half, so a lane's whole 64-bit sum (carry above, output below) serves at once
// as the next newest output, the next carry and the entry to store.
#include <immintrin.h>

#include "shell/random_block.h"

// The compiler's own 512-bit helpers start from a deliberately undefined
// register, which it then reports as used uninitialised.
#pragma GCC diagnostic ignored "-Wuninitialized"
#if !defined(__clang__)  // clang knows no such warning, and refuses unknown ones
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif

__attribute__((target("avx512f"))) void FillLanesAvx512(const GeneratorState* starts, uint64_t* entries) {
    constexpr int32_t kGroups = kAvx512Lanes / 8;
    constexpr int32_t kLaneLength = kRandomBlockSize / kAvx512Lanes;
    static_assert(kLaneLength % 8 == 0, "a lane is stored eight draws at a time");

    __m512i x0[kGroups], x1[kGroups], x2[kGroups], x3[kGroups], carry[kGroups];
    for (int32_t g = 0; g < kGroups; ++g) {
        alignas(64) uint64_t words[5][8];
        for (int32_t lane = 0; lane < 8; ++lane) {
            const GeneratorState& s = starts[g * 8 + lane];
            for (int32_t w = 0; w < 4; ++w) words[w][lane] = s.x[w];
            words[4][lane] = s.carry;
        }
        x0[g] = _mm512_load_si512(words[0]);
        x1[g] = _mm512_load_si512(words[1]);
        x2[g] = _mm512_load_si512(words[2]);
        x3[g] = _mm512_load_si512(words[3]);
        carry[g] = _mm512_load_si512(words[4]);
    }
    const __m512i factorNewest = _mm512_set1_epi64(5115);
    const __m512i factor1 = _mm512_set1_epi64(1776);
    const __m512i factor2 = _mm512_set1_epi64(1492);
    const __m512i factor3 = _mm512_set1_epi64(2111111111);
    // Index vectors of the 8x8 transpose's second stage.
    const __m512i pickLow = _mm512_set_epi64(13, 12, 5, 4, 9, 8, 1, 0);
    const __m512i pickHigh = _mm512_set_epi64(15, 14, 7, 6, 11, 10, 3, 2);

    for (int32_t step = 0; step < kLaneLength; step += 8) {
        #pragma GCC unroll 8
        for (int32_t g = 0; g < kGroups; ++g) {
            __m512i sums[8];
            #pragma GCC unroll 8
            for (int32_t j = 0; j < 8; ++j) {
                const __m512i older = _mm512_add_epi64(_mm512_mul_epu32(x3[g], factor3), _mm512_mul_epu32(x2[g], factor2));
                const __m512i withCarry = _mm512_add_epi64(_mm512_mul_epu32(x1[g], factor1), carry[g]);
                const __m512i sum =
                    _mm512_add_epi64(_mm512_add_epi64(older, withCarry), _mm512_mul_epu32(x0[g], factorNewest));
                x3[g] = x2[g];
                x2[g] = x1[g];
                x1[g] = x0[g];
                x0[g] = sum;
                carry[g] = _mm512_srli_epi64(sum, 32);
                sums[j] = sum;
            }
            // sums[j] holds draw j of the eight lanes; lane l wants draws 0..7 side by side.
            __m512i pairs[8];
            #pragma GCC unroll 8
            for (int32_t j = 0; j < 8; j += 2) {
                pairs[j] = _mm512_unpacklo_epi64(sums[j], sums[j + 1]);
                pairs[j + 1] = _mm512_unpackhi_epi64(sums[j], sums[j + 1]);
            }
            __m512i quads[8];
            #pragma GCC unroll 8
            for (int32_t j = 0; j < 8; j += 4) {
                #pragma GCC unroll 8
                for (int32_t odd = 0; odd < 2; ++odd) {
                    quads[j + odd] = _mm512_permutex2var_epi64(pairs[j + odd], pickLow, pairs[j + 2 + odd]);
                    quads[j + 2 + odd] = _mm512_permutex2var_epi64(pairs[j + odd], pickHigh, pairs[j + 2 + odd]);
                }
            }
            // quads[0] lanes 0 and 4 of draws 0..3, quads[1] lanes 1 and 5, quads[2] lanes 2 and 6,
            // quads[3] lanes 3 and 7; quads[4..7] the same for draws 4..7.
            #pragma GCC unroll 8
            for (int32_t lane = 0; lane < 4; ++lane) {
                const __m512i low = _mm512_shuffle_i64x2(quads[lane], quads[lane + 4], 0x44);
                const __m512i high = _mm512_shuffle_i64x2(quads[lane], quads[lane + 4], 0xEE);
                _mm512_store_si512(entries + (g * 8 + lane) * kLaneLength + step, low);
                _mm512_store_si512(entries + (g * 8 + lane + 4) * kLaneLength + step, high);
            }
        }
    }
}
