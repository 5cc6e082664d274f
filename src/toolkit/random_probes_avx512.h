#pragma once
// The places of kProbeBatch probes worked out in 512-bit registers, for the
// scans that read the places in different ways.
#include <immintrin.h>

#include "toolkit/random_probes.h"

// The 16 places x * columnStride + y, probe 0 in the lowest 32-bit slot, from
// the 32 draws at `draws`. A probe's two draws share a 64-bit slot, x below;
// a multiply reads only the low half of a slot, and Random(n), the high word of
// n times the draw, lands in the high half of the product, where the place is
// then worked out.
__attribute__((target("avx512f"))) inline __m512i ProbePlacesAvx512(const uint32_t* draws, int32_t columnStride) {
    const __m512i columns = _mm512_set1_epi64(kProbeColumns);
    const __m512i rows = _mm512_set1_epi64(kProbeRows);
    const __m512i stride = _mm512_set1_epi32(columnStride);
    __m512i places[2];
    for (int32_t half = 0; half < 2; ++half) {
        const __m512i probes = _mm512_loadu_si512(draws + half * 16);
        const __m512i column = _mm512_mul_epu32(probes, columns);
        const __m512i row = _mm512_mul_epu32(_mm512_srli_epi64(probes, 32), rows);
        places[half] = _mm512_add_epi32(_mm512_mullo_epi32(column, stride), row);
    }
    // The high halves of the sixteen 64-bit slots, in order.
    const __m512i highHalves = _mm512_set_epi32(31, 29, 27, 25, 23, 21, 19, 17, 15, 13, 11, 9, 7, 5, 3, 1);
    return _mm512_permutex2var_epi32(places[0], highHalves, places[1]);
}
