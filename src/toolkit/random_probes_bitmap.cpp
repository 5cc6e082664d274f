// Probes looked up in a bitmap held in registers. The places a search can
// draw fit in 2048 bits, four 512-bit registers; a byte permute over two of
// them reads the byte of 16 places at once, so a batch is weighed without
// touching memory.
#include <immintrin.h>

#include "toolkit/random_probes_avx512.h"

// The compiler's own 512-bit helpers start from a deliberately undefined
// register, which it then reports as used uninitialised.
#pragma GCC diagnostic ignored "-Wuninitialized"
#if !defined(__clang__)  // clang knows no such warning, and refuses unknown ones
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif

namespace {

constexpr int32_t kChunkBytes = 64;  // places read a register at a time
constexpr int32_t kBitmapPlaces = PlaceBits::kWords * kChunkBytes;

// The places a probe can draw: 0 .. (79 * columnStride + 18).
int32_t ProbePlaceCount(const PlaceTable& table) { return (kProbeColumns - 1) * table.columnStride + kProbeRows; }

__attribute__((target("avx512f,avx512bw"))) void ReadBits(const PlaceTable& table, uint64_t (&words)[PlaceBits::kWords]) {
    const __m512i mask = _mm512_set1_epi8(static_cast<char>(table.mask));
    const int32_t placeCount = ProbePlaceCount(table);
    const int32_t wholeChunks = placeCount / kChunkBytes;
    for (int32_t chunk = 0; chunk < wholeChunks; ++chunk) {
        const __m512i cells = _mm512_loadu_si512(table.cells + chunk * kChunkBytes);
        words[chunk] = _mm512_test_epi8_mask(cells, mask);
    }
    const int32_t rest = placeCount - wholeChunks * kChunkBytes;
    if (rest > 0) {
        // The table may end right after its last place: the load reads no further.
        const __mmask64 inTable = (uint64_t{1} << rest) - 1;
        const __m512i cells = _mm512_maskz_loadu_epi8(inTable, table.cells + wholeChunks * kChunkBytes);
        words[wholeChunks] = _mm512_test_epi8_mask(cells, mask);
    }
}

struct BitsInRegisters {
    __m512i part[4];
};

__attribute__((target("avx512f"))) BitsInRegisters LoadBits(const uint64_t (&words)[PlaceBits::kWords]) {
    BitsInRegisters bits;
    for (int32_t i = 0; i < 4; ++i) bits.part[i] = _mm512_load_si512(words + i * 8);
    return bits;
}

// The fitting probes among 16 places (one per 32-bit slot) as bits, probe 0 lowest.
__attribute__((target("avx512f,avx512bw,avx512vbmi"))) uint32_t FittingPlaces(const BitsInRegisters& bits,
                                                                              __m512i places) {
    // The byte permutes read the low seven bits of each slot's lowest byte: the
    // byte's place in the first or last 128 bytes; bit 7 chooses between them.
    const __m512i byteOfPlace = _mm512_srli_epi32(places, 3);
    const __m512i low = _mm512_permutex2var_epi8(bits.part[0], byteOfPlace, bits.part[1]);
    const __m512i high = _mm512_permutex2var_epi8(bits.part[2], byteOfPlace, bits.part[3]);
    const __mmask16 inHigh = _mm512_test_epi32_mask(byteOfPlace, _mm512_set1_epi32(128));
    const __m512i bytes = _mm512_mask_blend_epi32(inHigh, low, high);
    const __m512i bitOfPlace = _mm512_sllv_epi32(_mm512_set1_epi32(1), _mm512_and_si512(places, _mm512_set1_epi32(7)));
    return _mm512_test_epi32_mask(bytes, bitOfPlace);
}

__attribute__((target("avx512f,avx512bw,avx512vbmi"))) int32_t ScanWithBits(const uint32_t* draws, int32_t from,
                                                                             int32_t probes, const PlaceTable& table,
                                                                             const uint64_t (&words)[PlaceBits::kWords]) {
    const BitsInRegisters bits = LoadBits(words);
    // Two batches a step: most searches end within 32 probes, and a step that
    // weighs them all at once leaves one branch to guess instead of two.
    int32_t batch = from;
    for (; batch + 2 * kProbeBatch <= probes; batch += 2 * kProbeBatch) {
        const uint32_t first = FittingPlaces(bits, ProbePlacesAvx512(draws + 2 * batch, table.columnStride));
        const uint32_t second =
            FittingPlaces(bits, ProbePlacesAvx512(draws + 2 * (batch + kProbeBatch), table.columnStride));
        const uint32_t fits = first | second << kProbeBatch;
        if (fits != 0) return batch + __builtin_ctz(fits);
    }
    if (batch < probes) {
        const uint32_t fits = FittingPlaces(bits, ProbePlacesAvx512(draws + 2 * batch, table.columnStride));
        if (fits != 0) return batch + __builtin_ctz(fits);
    }
    return -1;
}

}  // namespace

void PlaceBits::Read(const PlaceTable& table) {
    usable = HasBytePermutes() && ProbePlaceCount(table) <= kBitmapPlaces;
    if (usable) ReadBits(table, words);
}

// A table without bits of its own has them made here, which costs about what
// two batches of plain loads do: most searches end in their first batch, so
// that one is read with plain loads and only a search that goes on makes them.
__attribute__((target("avx512f,avx512bw,avx512vbmi"))) int32_t FirstFittingProbeBitmap(const uint32_t* draws,
                                                                                       int32_t probes,
                                                                                       const PlaceTable& table) {
    if (table.bits != nullptr && table.bits->usable) return ScanWithBits(draws, 0, probes, table, table.bits->words);
    if (ProbePlaceCount(table) > kBitmapPlaces || probes <= kProbeBatch) {
        return FirstFittingProbeAvx512(draws, probes, table);
    }
    const int32_t first = FirstFittingProbeAvx512(draws, kProbeBatch, table);
    if (first >= 0) return first;
    alignas(64) uint64_t words[PlaceBits::kWords] = {};
    ReadBits(table, words);
    return ScanWithBits(draws, kProbeBatch, probes, table, words);
}
