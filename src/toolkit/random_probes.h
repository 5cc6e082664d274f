#pragma once
// Many probes of a random search over the map weighed at once. A probe is a
// pair of draws, x from Random(80) and then y from Random(19); a place test that
// is one bit of a byte table can be read for 16 probes side by side, and the
// search takes the first probe that fits, so it consumes exactly the draws the
// one-at-a-time loop would.
#include <cstdint>

#include "toolkit/random_mother.h"

// The columns and rows a probe draws from: the map's width and height.
constexpr int32_t kProbeColumns = 80;
constexpr int32_t kProbeRows = 19;

struct PlaceBits;

// The place test of a search: the probe with draws (rx, ry), rx = Random(80) and
// ry = Random(19), fits when cells[rx * columnStride + ry] & mask is not 0. The
// table must be readable 3 bytes past its last place (kPlaceTablePadding).
// `bits`, when given, is kept current with the table by its owner.
struct PlaceTable {
    const uint8_t* cells = nullptr;
    int32_t columnStride = 0;
    uint8_t mask = 0;
    const PlaceBits* bits = nullptr;
};
constexpr int32_t kPlaceTablePadding = 3;

// A table's places as bits, place p the bit p % 64 of words[p / 64], set when
// the place fits. Held in four 512-bit registers the bits answer 16 probes with
// a couple of byte permutes; a table searched many times between changes keeps
// them beside it, reading them anew (Read) whenever it changes.
struct PlaceBits {
    static constexpr int32_t kWords = 32;
    alignas(64) uint64_t words[kWords] = {};
    // False where the processor has no byte permutes (the bits are then not
    // made), or the table's places don't fit in the words.
    bool usable = false;

    void Read(const PlaceTable& table);
};

// Probes weighed side by side; a scan weighs a whole number of such batches,
// two draws a probe.
constexpr int32_t kProbeBatch = 16;

// Weighs the `probes` probes in `draws` (RandomBlock entries, 2 * probes of
// them, a probe's pair in one 64-bit word; probes a multiple of kProbeBatch)
// in order: the index of the first that fits, or -1 when none does.
using ProbeScan = int32_t (*)(const uint32_t* draws, int32_t probes, const PlaceTable& table);

// One per instruction set, all with the same result.
int32_t FirstFittingProbeScalar(const uint32_t* draws, int32_t probes, const PlaceTable& table);
int32_t FirstFittingProbeAvx2(const uint32_t* draws, int32_t probes, const PlaceTable& table);
int32_t FirstFittingProbeAvx512(const uint32_t* draws, int32_t probes, const PlaceTable& table);
int32_t FirstFittingProbeBitmap(const uint32_t* draws, int32_t probes, const PlaceTable& table);

// The processor has the 512-bit byte permutes FirstFittingProbeBitmap and PlaceBits need.
bool HasBytePermutes();

// A test seam: the scans this processor runs, the reference first, so that
// tests can weigh each against it. The game runs ActiveProbeScan alone.
struct NamedProbeScan {
    const char* name;
    ProbeScan scan;
};
int32_t SupportedProbeScans(NamedProbeScan (&scans)[4]);

// The quickest scan for the active random path: the path's instruction set,
// and on the 512-bit path the byte permutes when the processor has them.
ProbeScan ActiveProbeScan();

// The fitting probes among a batch's places as bits, probe 0 lowest. Gathers
// are slow where the table is this small and this much in cache: plain loads
// of the places the vector code worked out are quicker.
inline uint32_t FittingPlaces(const uint32_t (&places)[kProbeBatch], const PlaceTable& table) {
    uint32_t fits = 0;
#pragma GCC unroll 16
    for (int32_t probe = 0; probe < kProbeBatch; ++probe) {
        fits |= static_cast<uint32_t>((table.cells[places[probe]] & table.mask) != 0) << probe;
    }
    return fits;
}

// The place drawn by a probe: Random(80) and Random(19) of its two draws.
inline int32_t ProbeColumn(uint32_t draw) { return ScaleDraw(draw, kProbeColumns); }
inline int32_t ProbeRow(uint32_t draw) { return ScaleDraw(draw, kProbeRows); }
