// The block's lanes in 256-bit registers: 8 lanes, four to a register, laid
// out as the 512-bit fill lays them (random_lanes_avx512.cpp tells how).
#include <immintrin.h>

#include "shell/random_block.h"

__attribute__((target("avx2"))) void FillLanesAvx2(const GeneratorState* starts, uint64_t* entries) {
    constexpr int32_t kGroups = kAvx2Lanes / 4;
    constexpr int32_t kLaneLength = kRandomBlockSize / kAvx2Lanes;
    static_assert(kLaneLength % 4 == 0, "a lane is stored four draws at a time");

    __m256i x0[kGroups], x1[kGroups], x2[kGroups], x3[kGroups], carry[kGroups];
    for (int32_t g = 0; g < kGroups; ++g) {
        alignas(32) uint64_t words[5][4];
        for (int32_t lane = 0; lane < 4; ++lane) {
            const GeneratorState& s = starts[g * 4 + lane];
            for (int32_t w = 0; w < 4; ++w) words[w][lane] = s.x[w];
            words[4][lane] = s.carry;
        }
        x0[g] = _mm256_load_si256(reinterpret_cast<const __m256i*>(words[0]));
        x1[g] = _mm256_load_si256(reinterpret_cast<const __m256i*>(words[1]));
        x2[g] = _mm256_load_si256(reinterpret_cast<const __m256i*>(words[2]));
        x3[g] = _mm256_load_si256(reinterpret_cast<const __m256i*>(words[3]));
        carry[g] = _mm256_load_si256(reinterpret_cast<const __m256i*>(words[4]));
    }
    const __m256i factorNewest = _mm256_set1_epi64x(5115);
    const __m256i factor1 = _mm256_set1_epi64x(1776);
    const __m256i factor2 = _mm256_set1_epi64x(1492);
    const __m256i factor3 = _mm256_set1_epi64x(2111111111);

    for (int32_t step = 0; step < kLaneLength; step += 4) {
        #pragma GCC unroll 8
        for (int32_t g = 0; g < kGroups; ++g) {
            __m256i sums[4];
            #pragma GCC unroll 8
            for (int32_t j = 0; j < 4; ++j) {
                const __m256i older = _mm256_add_epi64(_mm256_mul_epu32(x3[g], factor3), _mm256_mul_epu32(x2[g], factor2));
                const __m256i withCarry = _mm256_add_epi64(_mm256_mul_epu32(x1[g], factor1), carry[g]);
                const __m256i sum =
                    _mm256_add_epi64(_mm256_add_epi64(older, withCarry), _mm256_mul_epu32(x0[g], factorNewest));
                x3[g] = x2[g];
                x2[g] = x1[g];
                x1[g] = x0[g];
                x0[g] = sum;
                carry[g] = _mm256_srli_epi64(sum, 32);
                sums[j] = sum;
            }
            // sums[j] holds draw j of the four lanes; lane l wants draws 0..3 side by side.
            const __m256i even01 = _mm256_unpacklo_epi64(sums[0], sums[1]);
            const __m256i odd01 = _mm256_unpackhi_epi64(sums[0], sums[1]);
            const __m256i even23 = _mm256_unpacklo_epi64(sums[2], sums[3]);
            const __m256i odd23 = _mm256_unpackhi_epi64(sums[2], sums[3]);
            uint64_t* lane0 = entries + g * 4 * kLaneLength + step;
            _mm256_store_si256(reinterpret_cast<__m256i*>(lane0), _mm256_permute2x128_si256(even01, even23, 0x20));
            _mm256_store_si256(reinterpret_cast<__m256i*>(lane0 + kLaneLength),
                               _mm256_permute2x128_si256(odd01, odd23, 0x20));
            _mm256_store_si256(reinterpret_cast<__m256i*>(lane0 + 2 * kLaneLength),
                               _mm256_permute2x128_si256(even01, even23, 0x31));
            _mm256_store_si256(reinterpret_cast<__m256i*>(lane0 + 3 * kLaneLength),
                               _mm256_permute2x128_si256(odd01, odd23, 0x31));
        }
    }
}
