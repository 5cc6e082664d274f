#include "floors/floor_fixtures.h"
#include "floors/field_of_view.h"

namespace {

using FieldOfView = FloorTest;

int CountMarked(const Floor& floor) {
    int count = 0;
    for (const Tile& tile : floor.tiles) count += tile.inViewMark;
    return count;
}

bool Seen(const Floor& floor, int32_t x, int32_t y) { return floor.At(x, y).inViewMark != 0; }

TEST_F(FieldOfView, RadiusZeroSeesOnlyTheViewer) {
    Floor& floor = floorArray[0];
    OpenArea(floor, 1, 1, 78, 17);
    ComputeFieldOfView(&floor, 40, 9, 0);
    EXPECT_EQ(CountMarked(floor), 1);
    EXPECT_TRUE(Seen(floor, 40, 9));
    ComputeFieldOfView(nullptr, 40, 9, 6);
}

TEST_F(FieldOfView, ReachIsASquareInTheOpen) {
    Floor& floor = floorArray[0];
    OpenArea(floor, 1, 1, 78, 17);
    ComputeFieldOfView(&floor, 40, 9, 6);
    EXPECT_EQ(CountMarked(floor), 13 * 13);
    for (const XY& corner : {XY{46, 3}, XY{34, 3}, XY{46, 15}, XY{34, 15}})
        EXPECT_TRUE(Seen(floor, corner.x, corner.y)) << corner.x << "," << corner.y;
    EXPECT_FALSE(Seen(floor, 47, 9));
    EXPECT_FALSE(Seen(floor, 40, 2));
}

TEST_F(FieldOfView, CorridorShowsItsLengthAndWallsOnly) {
    Floor& floor = floorArray[0];
    OpenArea(floor, 10, 9, 39, 9);  // a one-tile corridor along row 9
    OpenArea(floor, 20, 3, 24, 7);  // a room beside it, behind the corridor wall
    ComputeFieldOfView(&floor, 20, 9, 6);
    for (int32_t x = 14; x <= 26; ++x) {
        EXPECT_TRUE(Seen(floor, x, 9)) << x;
        EXPECT_TRUE(Seen(floor, x, 8)) << "wall above " << x;
        EXPECT_TRUE(Seen(floor, x, 10)) << "wall below " << x;
    }
    EXPECT_FALSE(Seen(floor, 27, 9));
    EXPECT_FALSE(Seen(floor, 13, 9));
    EXPECT_EQ(CountMarked(floor), 13 * 3);
}

TEST_F(FieldOfView, MapEdgeBlocksAndNothingOffTheMapIsTouched) {
    Floor& floor = floorArray[0];
    OpenArea(floor, 0, 0, kFloorWidth - 1, kFloorHeight - 1);
    ComputeFieldOfView(&floor, 0, 0, 9);
    EXPECT_EQ(CountMarked(floor), 10 * 10);
    floor.ClearTileMarks();
    for (Tile& tile : floor.tiles) tile.inViewMark = 0;
    ComputeFieldOfView(&floor, 79, 18, 9);
    EXPECT_EQ(CountMarked(floor), 10 * 10);
    EXPECT_TRUE(Seen(floor, 70, 9));
}

TEST_F(FieldOfView, IceHidesWhatLiesBehindButIsSeen) {
    Floor& floor = floorArray[0];
    OpenArea(floor, 1, 1, 78, 17);
    floor.At(42, 9).glyph = '\'';
    floor.At(40, 6).glyph = '#';
    ComputeFieldOfView(&floor, 40, 9, 6);
    EXPECT_TRUE(Seen(floor, 42, 9));
    EXPECT_FALSE(Seen(floor, 43, 9));
    EXPECT_FALSE(Seen(floor, 46, 9));
    EXPECT_TRUE(Seen(floor, 40, 6));
    EXPECT_FALSE(Seen(floor, 40, 5));
    EXPECT_FALSE(Seen(floor, 40, 3));
    EXPECT_TRUE(Seen(floor, 46, 6)) << "beside the shadow";
    EXPECT_TRUE(Seen(floor, 44, 7)) << "beside the shadow";
}

// Shut in on all sides, the viewer sees its own tile and the eight walls; no octant is scanned.
TEST_F(FieldOfView, ClosedCellSeesItsWalls) {
    Floor& floor = floorArray[0];
    OpenArea(floor, 1, 1, 78, 17);
    DrawMap(0, {"###", "#.#", "###"}, 39, 8);
    ComputeFieldOfView(&floor, 40, 9, 9);
    EXPECT_EQ(CountMarked(floor), 9);
}

}  // namespace
