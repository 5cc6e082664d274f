// Probes in 512-bit registers: eight probes a register, one per 64-bit slot.
#include <immintrin.h>

#include "toolkit/random_probes_avx512.h"

// The compiler's own 512-bit helpers start from a deliberately undefined
// register, which it then reports as used uninitialised.
#pragma GCC diagnostic ignored "-Wuninitialized"
#if !defined(__clang__)  // clang knows no such warning, and refuses unknown ones
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif

__attribute__((target("avx512f"))) int32_t FirstFittingProbeAvx512(const uint32_t* draws, int32_t probes,
                                                                  const PlaceTable& table) {
    for (int32_t batch = 0; batch < probes; batch += kProbeBatch) {
        alignas(64) uint32_t places[kProbeBatch];
        _mm512_store_si512(places, ProbePlacesAvx512(draws + 2 * batch, table.columnStride));
        const uint32_t fits = FittingPlaces(places, table);
        if (fits != 0) return batch + __builtin_ctz(fits);
    }
    return -1;
}
