#pragma once
// The places of kProbeBatch probes worked out in 512-bit registers, for the
// scans that read the places in different ways.
#include <immintrin.h>

#include "floors/spot_probes.h"

// The 16 places x * columnStride + y, probe 0 in the lowest 32-bit slot, from
// the 32 entries at `draws`. A multiply reads only the low half of each 64-bit
// slot, which is the entry's draw.
__attribute__((target("avx512f"))) inline __m512i ProbePlacesAvx512(const uint64_t* draws, int32_t columnStride) {
    const __m512i evenSlots = _mm512_set_epi64(14, 12, 10, 8, 6, 4, 2, 0);
    const __m512i oddSlots = _mm512_set_epi64(15, 13, 11, 9, 7, 5, 3, 1);
    const __m512i columns = _mm512_set1_epi64(kFloorWidth);
    const __m512i rows = _mm512_set1_epi64(kFloorHeight);
    const __m512i stride = _mm512_set1_epi64(columnStride);
    __m512i places[2];
    for (int32_t half = 0; half < 2; ++half) {
        const uint64_t* pairs = draws + half * 16;
        const __m512i first = _mm512_loadu_si512(pairs);
        const __m512i second = _mm512_loadu_si512(pairs + 8);
        const __m512i xDraws = _mm512_permutex2var_epi64(first, evenSlots, second);
        const __m512i yDraws = _mm512_permutex2var_epi64(first, oddSlots, second);
        const __m512i x = _mm512_srli_epi64(_mm512_mul_epu32(xDraws, columns), 32);
        const __m512i y = _mm512_srli_epi64(_mm512_mul_epu32(yDraws, rows), 32);
        places[half] = _mm512_add_epi64(_mm512_mul_epu32(x, stride), y);
    }
    // The low halves of the sixteen 64-bit places, in order.
    const __m512i lowHalves = _mm512_set_epi32(30, 28, 26, 24, 22, 20, 18, 16, 14, 12, 10, 8, 6, 4, 2, 0);
    return _mm512_permutex2var_epi32(places[0], lowHalves, places[1]);
}
