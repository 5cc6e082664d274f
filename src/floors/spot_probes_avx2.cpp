// Spot probes in 256-bit registers: four probes a register, one per 64-bit slot.
#include <immintrin.h>

#include "floors/spot_probes.h"

__attribute__((target("avx2"))) int32_t FirstFittingProbeAvx2(const uint64_t* draws, int32_t probes,
                                                             const PlaceTable& table) {
    const __m256i columns = _mm256_set1_epi64x(kFloorWidth);
    const __m256i rows = _mm256_set1_epi64x(kFloorHeight);
    const __m256i stride = _mm256_set1_epi64x(table.columnStride);
    for (int32_t batch = 0; batch < probes; batch += kProbeBatch) {
        alignas(32) uint64_t places[kProbeBatch];
        for (int32_t quarter = 0; quarter < 4; ++quarter) {
            const uint64_t* pairs = draws + 2 * batch + quarter * 8;
            const __m256i first = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(pairs));
            const __m256i second = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(pairs + 4));
            // unpack gives probes 0, 2, 1, 3; the permute puts them in order.
            const __m256i xDraws = _mm256_permute4x64_epi64(_mm256_unpacklo_epi64(first, second), 0xD8);
            const __m256i yDraws = _mm256_permute4x64_epi64(_mm256_unpackhi_epi64(first, second), 0xD8);
            const __m256i x = _mm256_srli_epi64(_mm256_mul_epu32(xDraws, columns), 32);
            const __m256i y = _mm256_srli_epi64(_mm256_mul_epu32(yDraws, rows), 32);
            const __m256i place = _mm256_add_epi64(_mm256_mul_epu32(x, stride), y);
            _mm256_store_si256(reinterpret_cast<__m256i*>(places + quarter * 4), place);
        }
        uint32_t narrow[kProbeBatch];
        for (int32_t probe = 0; probe < kProbeBatch; ++probe) narrow[probe] = static_cast<uint32_t>(places[probe]);
        const uint32_t fits = FittingPlaces(narrow, table);
        if (fits != 0) return batch + __builtin_ctz(fits);
    }
    return -1;
}
