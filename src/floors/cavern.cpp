// The cavern: random rock smoothed by a cellular automaton, kept only when
// its open share lies in a narrow band and all of it is one connected cave.
#include <cstring>

#include "floors/column_flood.h"
#include "toolkit/random_local_scope.h"
#include "world/floor.h"

namespace {

constexpr int32_t kSmoothingPasses = 3;
constexpr int32_t kDrawRange = 100;
constexpr int32_t kRockDraws = 40;

// A smoothing pass works on a window of 32 rows per column: the map's 19 and
// some margin, so that the compiler can do a column's rows a vector at a time.
constexpr int32_t kRowsAbove = 4;   // margin rows above the map in a column
constexpr int32_t kWindowFirst = 2;  // the window's first row in a column
constexpr int32_t kWindow = 32;

// 0xff on the window's rows that are map rows 1 to 17: the rows a pass changes.
struct InnerRows {
    uint8_t mask[kWindow] = {};
    constexpr InnerRows() {
        for (int32_t y = 1; y < kFloorHeight - 1; ++y) mask[y + kRowsAbove - kWindowFirst] = 0xff;
    }
};
constexpr InnerRows kInnerRows{};

// A draw of Random(100) under 40 as one compare of the raw draw: the draws
// below 40 / 100 of 2^32, rounded up.
constexpr uint64_t kRockDrawsBelow = (static_cast<uint64_t>(kRockDraws) << 32 | (kDrawRange - 1)) / kDrawRange;
static_assert(((kRockDrawsBelow - 1) * kDrawRange) >> 32 == kRockDraws - 1 &&
              (kRockDrawsBelow * kDrawRange) >> 32 == kRockDraws);
bool IsRockDraw(uint32_t draw) { return draw < kRockDrawsBelow; }

// The bytes of a word added up.
int32_t SumOfBytes(uint64_t bytes) {
    int32_t sum = 0;
    for (int32_t i = 0; i < 8; ++i) sum += static_cast<int32_t>((bytes >> (8 * i)) & 0xff);
    return sum;
}

// The rock of a cave being grown, with a margin around the map that holds no
// rock, so that cells off the map are left out of every count.
class CaveRock {
public:
    static constexpr int32_t kMargin = 2;  // columns on each side
    static constexpr int32_t kColumns = kFloorWidth + 2 * kMargin;
    static constexpr int32_t kColumnLength = kWindowFirst + kWindow + 2;

    uint8_t& At(int32_t x, int32_t y) { return rock[x + kMargin][y + kRowsAbove]; }

    // The open tiles of a map column as bits, row 0 lowest.
    uint32_t OpenBits(int32_t x) const {
        const uint8_t* column = &rock[x + kMargin][kRowsAbove];
        uint32_t bits = 0;
        for (int32_t y = 0; y < kFloorHeight; ++y) bits |= static_cast<uint32_t>(column[y] == 0) << y;
        return bits;
    }

    // Rock at random, two tiles in five (a draw of Random(100) under 40, column
    // by column), and all along the map's edge.
    void Scatter() {
        LocalRandom random;
        for (int32_t x = 0; x < kFloorWidth; ++x) {
            uint8_t* column = &At(x, 0);
            const uint32_t* draws = random.UpcomingDraws(kFloorHeight);
            if (draws != nullptr) {
                for (int32_t y = 0; y < kFloorHeight; ++y) column[y] = static_cast<uint8_t>(IsRockDraw(draws[y]));
                random.SkipDraws(kFloorHeight);
            } else {
                for (int32_t y = 0; y < kFloorHeight; ++y)
                    column[y] = static_cast<uint8_t>(random.Random(kDrawRange) < kRockDraws);
            }
            column[0] = 1;
            column[kFloorHeight - 1] = 1;
        }
        for (int32_t y = 0; y < kFloorHeight; ++y) {
            At(0, y) = 1;
            At(kFloorWidth - 1, y) = 1;
        }
    }

    // Everything off the map stays free of rock, so the open tiles are the map
    // less all the rock held. Each cell is 0 or 1: eight cells are added at once
    // as the bytes of a word, which cannot carry from byte to byte while fewer
    // than 256 words are summed.
    int32_t CountOpen() const {
        static_assert(sizeof(rock) % (2 * sizeof(uint64_t)) == 0 && sizeof(rock) / 2 / sizeof(uint64_t) < 256);
        constexpr int32_t kHalfWords = sizeof(rock) / 2 / sizeof(uint64_t);
        int32_t rockCount = 0;
        for (int32_t half = 0; half < 2; ++half) {
            uint64_t bytes = 0;
            for (int32_t i = 0; i < kHalfWords; ++i) {
                uint64_t word = 0;
                std::memcpy(&word, &rock[0][0] + (half * kHalfWords + i) * sizeof(word), sizeof(word));
                bytes += word;
            }
            rockCount += SumOfBytes(bytes);
        }
        return kFloorWidth * kFloorHeight - rockCount;
    }

    // Whether the open tiles make one cave, diagonal steps included.
    bool IsOneCave() const {
        ColumnBits open = {};
        for (int32_t x = 0; x < kFloorWidth; ++x) open[static_cast<size_t>(x)] = OpenBits(x);
        return IsOneConnectedArea(open);
    }

    // One pass over the inner tiles, each from the state before the pass: rock
    // where 5 or more of its 3x3 block are rock, or at most 2 of the 21 cells of
    // its 5x5 block without the corners.
    void Smooth() {
        // Down each column: rock among the 3 and the 5 cells centred on each row.
        uint8_t tall3[kColumns][kWindow];
        uint8_t tall5[kColumns][kWindow];
        for (int32_t i = 0; i < kColumns; ++i) {
            const uint8_t* column = &rock[i][kWindowFirst];
            for (int32_t w = 0; w < kWindow; ++w) {
                tall3[i][w] = static_cast<uint8_t>(column[w - 1] + column[w] + column[w + 1]);
                tall5[i][w] = static_cast<uint8_t>(tall3[i][w] + column[w - 2] + column[w + 2]);
            }
        }
        uint8_t next[kColumns][kWindow];
        for (int32_t i = 1 + kMargin; i < kFloorWidth - 1 + kMargin; ++i) {
            const uint8_t* column = &rock[i][kWindowFirst];
            const uint8_t* twoLeft = &rock[i - 2][kWindowFirst];
            const uint8_t* twoRight = &rock[i + 2][kWindowFirst];
            for (int32_t w = 0; w < kWindow; ++w) {
                const uint8_t near = static_cast<uint8_t>(tall3[i - 1][w] + tall3[i][w] + tall3[i + 1][w]);
                const uint8_t corners =
                    static_cast<uint8_t>(twoLeft[w - 2] + twoRight[w - 2] + twoLeft[w + 2] + twoRight[w + 2]);
                const uint8_t wide = static_cast<uint8_t>(tall5[i - 2][w] + tall5[i - 1][w] + tall5[i][w] +
                                                          tall5[i + 1][w] + tall5[i + 2][w] - corners);
                const uint8_t smoothed = static_cast<uint8_t>((near >= 5) | (wide <= 2));
                // Only the map's inner rows change.
                const uint8_t inner = kInnerRows.mask[w];
                next[i][w] = static_cast<uint8_t>((smoothed & inner) | (column[w] & ~inner));
            }
        }
        for (int32_t i = 1 + kMargin; i < kFloorWidth - 1 + kMargin; ++i)
            for (int32_t w = 0; w < kWindow; ++w) rock[i][kWindowFirst + w] = next[i][w];
    }

private:
    uint8_t rock[kColumns][kColumnLength] = {};
};

}  // namespace

void Floor::GenerateCavern() {
    ResetToNewFloor();
    CaveRock cave;
    for (;;) {
        cave.Scatter();
        for (int32_t pass = 0; pass < kSmoothingPasses; ++pass) cave.Smooth();

        const int32_t open = cave.CountOpen();
        const float openShare = static_cast<float>(open) / static_cast<float>(kFloorWidth * kFloorHeight - open);
        if (openShare > 0.79 || openShare < 0.765) continue;

        if (!cave.IsOneCave()) continue;

        for (int32_t x = 0; x < kFloorWidth; ++x)
            for (int32_t y = 0; y < kFloorHeight; ++y) At(x, y).glyph = cave.At(x, y) ? kWallGlyph : kFloorGlyph;
        ClearTileMarks();
        openTileCount = open;  // the flood reached every open tile
        layoutType = kLayoutCavern;
        if (!PlaceStairs(kPlaceUpStairs) || !PlaceStairs(kPlaceDownStairs)) continue;
        SetTileColours(kRandomScheme);
        return;
    }
}
