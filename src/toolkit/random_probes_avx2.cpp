// Probes in 256-bit registers: four probes a register, one per 64-bit slot.
#include <immintrin.h>

#include "toolkit/random_probes.h"

__attribute__((target("avx2"))) int32_t FirstFittingProbeAvx2(const uint32_t* draws, int32_t probes,
                                                             const PlaceTable& table) {
    const __m256i columns = _mm256_set1_epi64x(kProbeColumns);
    const __m256i rows = _mm256_set1_epi64x(kProbeRows);
    const __m256i stride = _mm256_set1_epi32(table.columnStride);
    for (int32_t batch = 0; batch < probes; batch += kProbeBatch) {
        alignas(32) uint64_t places[kProbeBatch];
        for (int32_t quarter = 0; quarter < 4; ++quarter) {
            // A probe's two draws share a 64-bit slot, x below; Random(n) lands
            // in the high half of the product, and the place is made there.
            const __m256i pairs = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(draws + 2 * batch + quarter * 8));
            const __m256i column = _mm256_mul_epu32(pairs, columns);
            const __m256i row = _mm256_mul_epu32(_mm256_srli_epi64(pairs, 32), rows);
            const __m256i place = _mm256_add_epi32(_mm256_mullo_epi32(column, stride), row);
            _mm256_store_si256(reinterpret_cast<__m256i*>(places + quarter * 4), place);
        }
        uint32_t narrow[kProbeBatch];
        for (int32_t probe = 0; probe < kProbeBatch; ++probe) narrow[probe] = static_cast<uint32_t>(places[probe] >> 32);
        const uint32_t fits = FittingPlaces(narrow, table);
        if (fits != 0) return batch + __builtin_ctz(fits);
    }
    return -1;
}
