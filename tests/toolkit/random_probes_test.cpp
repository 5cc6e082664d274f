#include "toolkit/random_probes.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "floors/spot_search.h"
#include "support/random_paths.h"
#include "toolkit/random_mother.h"

namespace {

// A place table shaped like the dig-spot tables: 82 columns of 21 rows, ending
// right after its padding so that a read past it shows under the sanitizer.
constexpr int32_t kColumnStride = kFloorHeight + 2;
constexpr int32_t kTableBytes = (kFloorWidth + 2) * kColumnStride + kPlaceTablePadding;
constexpr uint8_t kMask = 2;

struct TableCase {
    const char* name;
    int32_t fitsOneIn;  // each place fits with this odds; 0 for none
};
constexpr TableCase kTableCases[] = {{"none", 0}, {"rare", 400}, {"sparse", 40}, {"common", 4}, {"every", 1}};

std::vector<uint8_t> MakeCells(const TableCase& tableCase, std::mt19937_64& random) {
    std::vector<uint8_t> cells(kTableBytes);
    for (uint8_t& cell : cells) {
        const bool fits = tableCase.fitsOneIn > 0 && random() % static_cast<uint64_t>(tableCase.fitsOneIn) == 0;
        // Other bits set at random: only the mask's bit may count.
        cell = static_cast<uint8_t>((random() & ~uint64_t{kMask}) | (fits ? kMask : 0));
    }
    return cells;
}

// Every scan, with and without bits kept beside the table, finds the probe the
// plain loop does, over tables from empty to full and scans of one batch to many.
TEST(RandomProbes, EveryScanFindsTheFirstFittingProbe) {
    NamedProbeScan scans[4];
    const int32_t scanCount = SupportedProbeScans(scans);
    std::mt19937_64 random(20240611);
    for (const TableCase& tableCase : kTableCases) {
        for (int32_t round = 0; round < 40; ++round) {
            const std::vector<uint8_t> cells = MakeCells(tableCase, random);
            PlaceBits bits;
            const PlaceTable bare = {cells.data(), kColumnStride, kMask};
            bits.Read(bare);
            const PlaceTable withBits = {cells.data(), kColumnStride, kMask, &bits};
            const int32_t probes = kProbeBatch << (round % 8);
            std::vector<uint32_t> draws(2 * static_cast<size_t>(probes));
            for (uint32_t& draw : draws) draw = static_cast<uint32_t>(random());
            const int32_t expected = FirstFittingProbeScalar(draws.data(), probes, bare);
            for (int32_t s = 0; s < scanCount; ++s) {
                EXPECT_EQ(scans[s].scan(draws.data(), probes, bare), expected) << scans[s].name << ", " << tableCase.name;
                EXPECT_EQ(scans[s].scan(draws.data(), probes, withBits), expected)
                    << scans[s].name << " with bits, " << tableCase.name;
            }
        }
    }
}

using SpotSearchPaths = EveryRandomPath;

// The table search takes the very draws the one-at-a-time search takes, and
// finds the same place: with no place fitting it runs to the draw limit and
// then chooses among all places, and a lone place at the corners of the drawn
// range is still found.
TEST_P(SpotSearchPaths, TableSearchMatchesTheSearchOneProbeAtATime) {
    struct Lone {
        int32_t column, row;
    };
    const Lone lonePlaces[] = {{0, 0}, {kFloorWidth - 1, kFloorHeight - 1}, {0, kFloorHeight - 1}, {kFloorWidth - 1, 0}};
    std::mt19937_64 random(77);
    std::vector<std::vector<uint8_t>> tables;
    for (const TableCase& tableCase : kTableCases) tables.push_back(MakeCells(tableCase, random));
    for (const Lone& lone : lonePlaces) {
        std::vector<uint8_t> cells(kTableBytes);
        cells[lone.column * kColumnStride + lone.row] = kMask;
        tables.push_back(cells);
    }
    for (uint32_t seed = 1; seed <= 6; ++seed) {
        for (const std::vector<uint8_t>& cells : tables) {
            PlaceBits bits;
            const PlaceTable bare = {cells.data(), kColumnStride, kMask};
            bits.Read(bare);
            const PlaceTable withBits = {cells.data(), kColumnStride, kMask, &bits};
            auto fits = [&cells](int32_t x, int32_t y) { return (cells[(x + 1) * kColumnStride + y + 1] & kMask) != 0; };
            rng.RandomInit(seed);
            XY expected{-9, -9};
            const bool found = SearchSpot(-1, fits, expected);
            const uint32_t after = rng.BRandom();
            for (const PlaceTable* table : {&bare, &withBits}) {
                rng.RandomInit(seed);
                XY spot{-9, -9};
                ASSERT_EQ(SearchSpot(-1, *table, spot), found);
                EXPECT_EQ(spot.x, expected.x);
                EXPECT_EQ(spot.y, expected.y);
                EXPECT_EQ(rng.BRandom(), after) << "the searches took different draws";
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Paths, SpotSearchPaths, kEveryRandomPath, RandomPathTestName);

}  // namespace
