// Spot probes in 512-bit registers: eight probes a register, one per 64-bit slot.
#include <immintrin.h>

#include "floors/spot_probes.h"

// The compiler's own 512-bit helpers start from a deliberately undefined
// register, which it then reports as used uninitialised.
#pragma GCC diagnostic ignored "-Wuninitialized"
#if !defined(__clang__)  // clang knows no such warning, and refuses unknown ones
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif

__attribute__((target("avx512f"))) int32_t FirstFittingProbeAvx512(const uint64_t* draws, const PlaceTable& table) {
    const __m512i evenSlots = _mm512_set_epi64(14, 12, 10, 8, 6, 4, 2, 0);
    const __m512i oddSlots = _mm512_set_epi64(15, 13, 11, 9, 7, 5, 3, 1);
    const __m512i columns = _mm512_set1_epi64(80);
    const __m512i rows = _mm512_set1_epi64(19);
    const __m512i stride = _mm512_set1_epi64(table.columnStride);
    alignas(64) uint32_t places[kProbeBatch];
    for (int32_t half = 0; half < 2; ++half) {
        const uint64_t* pairs = draws + half * 16;
        const __m512i first = _mm512_loadu_si512(pairs);
        const __m512i second = _mm512_loadu_si512(pairs + 8);
        const __m512i xDraws = _mm512_permutex2var_epi64(first, evenSlots, second);
        const __m512i yDraws = _mm512_permutex2var_epi64(first, oddSlots, second);
        const __m512i x = _mm512_srli_epi64(_mm512_mul_epu32(xDraws, columns), 32);
        const __m512i y = _mm512_srli_epi64(_mm512_mul_epu32(yDraws, rows), 32);
        const __m512i place = _mm512_add_epi64(_mm512_mul_epu32(x, stride), y);
        _mm256_store_si256(reinterpret_cast<__m256i*>(places + half * 8), _mm512_cvtepi64_epi32(place));
    }
    return FirstFittingPlace(places, table);
}
