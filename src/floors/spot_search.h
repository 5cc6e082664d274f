#pragma once
// The generators look for a tile by drawing random places until one fits.
// On an odd floor no place may fit, so the drawing is bounded: after a generous
// number of draws (far more than any ordinary floor needs, so the draws of a
// normal floor are unchanged) every place is tested in storage order and one of
// those that fit is drawn; when none fits the search reports failure.
#include <algorithm>
#include <cstdint>

#include "toolkit/random_local_scope.h"
#include "toolkit/random_probes.h"
#include "world/floor.h"

constexpr int32_t kSpotDrawLimit = 20000;
// The probes draw their places over the map.
static_assert(kProbeColumns == kFloorWidth && kProbeRows == kFloorHeight);

// After kSpotDrawLimit probes missed: one of the places that fit, drawn by
// count, in storage order.
template <class Fits>
bool ChooseAmongFittingSpots(int32_t offset, Fits fits, LocalRandom& random, XY& spot) {
    int32_t count = 0;
    for (int32_t x = offset; x < kFloorWidth + offset; ++x)
        for (int32_t y = offset; y < kFloorHeight + offset; ++y)
            if (fits(x, y)) ++count;
    if (count == 0) return false;
    int32_t chosen = random.Random(count);
    for (int32_t x = offset; x < kFloorWidth + offset; ++x) {
        for (int32_t y = offset; y < kFloorHeight + offset; ++y) {
            if (!fits(x, y)) continue;
            if (chosen-- == 0) {
                spot = {x, y};
                return true;
            }
        }
    }
    return false;
}

// Draws x = Random(80) + offset, y = Random(19) + offset until fits(x, y).
template <class Fits>
bool SearchSpot(int32_t offset, Fits fits, XY& spot) {
    LocalRandom random;  // fits draws nothing
    for (int32_t draw = 0; draw < kSpotDrawLimit; ++draw) {
        const int32_t x = random.Random(kFloorWidth) + offset;
        const int32_t y = random.Random(kFloorHeight) + offset;
        if (fits(x, y)) {
            spot = {x, y};
            return true;
        }
    }
    return ChooseAmongFittingSpots(offset, fits, random, spot);
}

// How many probes a scan may weigh from the draws the scope's block holds now,
// `probesSoFar` probes into a search: whole batches, within the search's limit.
inline int32_t ProbesToScan(const LocalRandom& random, int32_t probesSoFar) {
    const int32_t inBlock = random.UpcomingInBlock() / (2 * kProbeBatch) * kProbeBatch;
    return std::min(inBlock, (kSpotDrawLimit - probesSoFar) / kProbeBatch * kProbeBatch);
}

// The same search for a place test read from a table: the probes are weighed
// in batches, as many as the block holds at a time, and only the draws up to
// the first that fits are taken.
inline bool SearchSpot(int32_t offset, const PlaceTable& table, XY& spot) {
    auto fits = [&table, offset](int32_t x, int32_t y) {
        return (table.cells[(x - offset) * table.columnStride + (y - offset)] & table.mask) != 0;
    };
    LocalRandom random;
    const ProbeScan scan = random.Serial() ? nullptr : ActiveProbeScan();
    int32_t probes = 0;
    while (scan != nullptr && kSpotDrawLimit - probes >= kProbeBatch) {
        const uint32_t* draws = random.UpcomingDraws(2 * kProbeBatch);
        const int32_t count = ProbesToScan(random, probes);
        const int32_t first = scan(draws, count, table);
        if (first >= 0) {
            spot = {ProbeColumn(draws[2 * first]) + offset, ProbeRow(draws[2 * first + 1]) + offset};
            random.SkipDraws(2 * (first + 1));
            return true;
        }
        random.SkipDraws(2 * count);
        probes += count;
    }
    // One at a time: on the serial path, and for the last few probes.
    for (; probes < kSpotDrawLimit; ++probes) {
        const int32_t x = random.Random(kFloorWidth) + offset;
        const int32_t y = random.Random(kFloorHeight) + offset;
        if (fits(x, y)) {
            spot = {x, y};
            return true;
        }
    }
    return ChooseAmongFittingSpots(offset, fits, random, spot);
}
