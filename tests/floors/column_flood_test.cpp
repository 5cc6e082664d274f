// The flood over columns of bits that tells whether a cavern is one cave.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "floors/column_flood.h"

namespace {

// The tiles drawn as rows of text ('.' a tile), with the drawing's top-left
// corner at column x, row y of the map.
ColumnBits Drawn(const std::vector<std::string>& rows, int32_t x = 0, int32_t y = 0) {
    ColumnBits tiles = {};
    for (size_t row = 0; row < rows.size(); ++row)
        for (size_t column = 0; column < rows[row].size(); ++column)
            if (rows[row][column] == '.') tiles[static_cast<size_t>(x) + column] |= 1u << (y + static_cast<int32_t>(row));
    return tiles;
}

TEST(ColumnFlood, TellsOneAreaFromSeveral) {
    struct Case {
        const char* name;
        std::vector<std::string> rows;
        bool one;
    };
    const Case cases[] = {
        {"no tiles", {}, true},
        {"a single tile", {"."}, true},
        {"joined by a diagonal step", {"..#", "##."}, true},
        {"a row apart", {"..#", "##.", "###", "..."}, false},
        // The flood must sweep back westward to reach the lower arm.
        {"a winding path", {"..........", "#########.", "..........", ".#########", ".........."}, true},
        {"a winding path with a gap", {"..........", "#########.", "....#.....", ".#########", ".........."}, false},
    };
    for (const Case& c : cases) EXPECT_EQ(IsOneConnectedArea(Drawn(c.rows, 10, 5)), c.one) << c.name;
}

TEST(ColumnFlood, ReachesTheMapsEdges) {
    ColumnBits tiles = {};
    for (size_t x = 0; x < tiles.size(); ++x) tiles[x] = 1u;  // all of row 0
    tiles[0] |= (1u << kFloorHeight) - 1;                   // and all of column 0
    tiles[kFloorWidth - 1] |= 1u << (kFloorHeight - 1);     // the far corner, apart
    EXPECT_FALSE(IsOneConnectedArea(tiles));
    tiles[kFloorWidth - 1] |= (1u << kFloorHeight) - 1;     // joined down the last column
    EXPECT_TRUE(IsOneConnectedArea(tiles));
}

}  // namespace
