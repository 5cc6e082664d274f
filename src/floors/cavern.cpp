// The cavern: random rock smoothed by a cellular automaton, kept only when
// its open share lies in a narrow band and all of it is one connected cave.
#include "floors/floor.h"
#include "floors/local_random.h"

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

// The rock of a cave being grown, with a margin around the map that holds no
// rock, so that cells off the map are left out of every count.
class CaveRock {
public:
    static constexpr int32_t kMargin = 2;  // columns on each side
    static constexpr int32_t kColumns = kFloorWidth + 2 * kMargin;
    static constexpr int32_t kColumnLength = kWindowFirst + kWindow + 2;

    uint8_t& At(int32_t x, int32_t y) { return rock[x + kMargin][y + kRowsAbove]; }

    // Rock at random, two tiles in five (a draw of Random(100) under 40, column
    // by column), and all along the map's edge.
    void Scatter() {
        LocalRandom random;
        for (int32_t x = 0; x < kFloorWidth; ++x) {
            uint8_t* column = &At(x, 0);
            const uint32_t* draws = random.UpcomingDraws(kFloorHeight);
            if (draws != nullptr) {
                for (int32_t y = 0; y < kFloorHeight; ++y)
                    column[y] = static_cast<uint8_t>(ScaleDraw(draws[y], kDrawRange) < kRockDraws);
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

    int32_t CountOpen() {
        int32_t rockCount = 0;
        for (int32_t x = 0; x < kFloorWidth; ++x) {
            const uint8_t* column = &At(x, 0);
            for (int32_t y = 0; y < kFloorHeight; ++y) rockCount += column[y];
        }
        return kFloorWidth * kFloorHeight - rockCount;
    }

    // The open tile last in storage order (column by column); (-1, -1) when there is none.
    XY LastOpen() {
        for (int32_t x = kFloorWidth - 1; x >= 0; --x)
            for (int32_t y = kFloorHeight - 1; y >= 0; --y)
                if (!At(x, y)) return {x, y};
        return {-1, -1};
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

        for (int32_t x = 0; x < kFloorWidth; ++x)
            for (int32_t y = 0; y < kFloorHeight; ++y) At(x, y).glyph = cave.At(x, y) ? kWallGlyph : kFloorGlyph;
        // One cave: the flood from the last open tile reaches every open tile.
        ClearTileMarks();
        openTileCount = 0;
        const XY lastOpen = cave.LastOpen();
        CountReachableTiles(lastOpen.x, lastOpen.y);
        if (openTileCount != open) continue;

        ClearTileMarks();
        layoutType = kLayoutCavern;
        if (!PlaceStairs(kPlaceUpStairs) || !PlaceStairs(kPlaceDownStairs)) continue;
        SetTileColours(kRandomScheme);
        return;
    }
}

// Flood fill over open tiles, diagonals included, marking each tile reached.
void Floor::CountReachableTiles(int32_t x, int32_t y) {
    XY pending[kFloorWidth * kFloorHeight + 1];
    int32_t pendingCount = 0;
    pending[pendingCount++] = {x, y};
    while (pendingCount > 0) {
        const XY from = pending[--pendingCount];
        for (int32_t i = from.x - 1; i <= from.x + 1; ++i) {
            for (int32_t j = from.y - 1; j <= from.y + 1; ++j) {
                if (!OnMap(i, j)) continue;
                Tile& tile = At(i, j);
                if (tile.glyph != kFloorGlyph || tile.mark) continue;
                tile.mark = 1;
                ++openTileCount;
                pending[pendingCount++] = {i, j};
            }
        }
    }
}
