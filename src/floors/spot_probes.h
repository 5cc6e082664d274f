#pragma once
// Many spot-search probes weighed at once. A probe is a pair of draws, x from
// Random(80) and then y from Random(19); a place test that is one bit of a byte
// table can be read for 8 or 16 probes side by side, and the search takes the
// first probe that fits, so it consumes exactly the draws the one-at-a-time
// loop would.
#include <cstdint>

#include "floors/floor.h"
#include "shell/random_mother.h"

// The place test of a search: the probe with draws (rx, ry), rx = Random(80) and
// ry = Random(19), fits when cells[rx * columnStride + ry] & mask is not 0. The
// table must be readable 3 bytes past its last place (kPlaceTablePadding).
struct PlaceTable {
    const uint8_t* cells = nullptr;
    int32_t columnStride = 0;
    uint8_t mask = 0;
};
constexpr int32_t kPlaceTablePadding = 3;

// Probes weighed per call; a call reads twice as many draws.
constexpr int32_t kProbeBatch = 16;

// The first of the kProbeBatch probes in `draws` (RandomBlock entries) that
// fits, or -1 when none does; by the active random path.
int32_t FirstFittingProbe(const uint64_t* draws, const PlaceTable& table);

// The fitting probes among kProbeBatch places as bits, probe 0 lowest. Gathers
// are slow where the table is this small and this much in cache: plain loads
// of the places the vector code worked out are quicker.
inline int32_t FirstFittingPlace(const uint32_t (&places)[kProbeBatch], const PlaceTable& table) {
    uint32_t fits = 0;
    for (int32_t probe = 0; probe < kProbeBatch; ++probe) {
        fits |= static_cast<uint32_t>((table.cells[places[probe]] & table.mask) != 0) << probe;
    }
    return fits == 0 ? -1 : __builtin_ctz(fits);
}

// One per instruction set, all with the same result.
int32_t FirstFittingProbeScalar(const uint64_t* draws, const PlaceTable& table);
int32_t FirstFittingProbeAvx2(const uint64_t* draws, const PlaceTable& table);
int32_t FirstFittingProbeAvx512(const uint64_t* draws, const PlaceTable& table);

// The place drawn by a probe: Random(80) and Random(19) of its two draws.
inline int32_t ProbeColumn(uint64_t draw) { return ScaleDraw(static_cast<uint32_t>(draw), kFloorWidth); }
inline int32_t ProbeRow(uint64_t draw) { return ScaleDraw(static_cast<uint32_t>(draw), kFloorHeight); }
