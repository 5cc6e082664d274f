#include "floors/floor_fixtures.h"

namespace {

using MapMemory = FloorTest;

TEST_F(MapMemory, TileGoesFromUnseenToInViewToRemembered) {
    Floor& floor = floorArray[0];
    OpenArea(floor, 10, 5, 12, 5);
    Tile& open = floor.At(10, 5);
    Tile& wall = floor.At(10, 4);
    Tile& unseen = floor.At(12, 5);

    open.inViewMark = 1;
    wall.inViewMark = 1;
    floor.DrawFloor();
    EXPECT_EQ(player.mapDrawnFlag, 1);
    for (const Tile* tile : {&open, &wall}) {
        EXPECT_EQ(tile->inViewMark, 0);
        EXPECT_EQ(tile->visibleNow, 1);
        EXPECT_EQ(tile->wasInView, 1);
        EXPECT_EQ(tile->remembered, 1);
        EXPECT_EQ(tile->rememberedDrawn, 0);
    }
    EXPECT_EQ(wall.mark, 1) << "a wall in view is drawn once";
    EXPECT_EQ(open.mark, 0);
    EXPECT_EQ(unseen.wasInView, 0);
    EXPECT_EQ(unseen.remembered, 0);

    floor.DrawFloor();  // both have left view
    for (const Tile* tile : {&open, &wall}) {
        EXPECT_EQ(tile->visibleNow, 0);
        EXPECT_EQ(tile->rememberedDrawn, 1);
        EXPECT_EQ(tile->remembered, 1);
        EXPECT_EQ(tile->mark, 0);
    }

    wall.inViewMark = 1;
    floor.DrawFloor();  // back in view
    EXPECT_EQ(wall.visibleNow, 1);
    EXPECT_EQ(wall.rememberedDrawn, 0);
}

TEST_F(MapMemory, ConfusingFloorRemembersNothing) {
    Floor& floor = floorArray[0];
    floor.feeling = 6;
    OpenArea(floor, 10, 5, 12, 5);
    floor.At(10, 5).inViewMark = 1;
    floor.At(11, 5).gold = 40;
    floor.DrawFloor();
    EXPECT_EQ(floor.At(10, 5).wasInView, 1);
    EXPECT_EQ(floor.At(10, 5).remembered, 0);
}

TEST_F(MapMemory, StairsTakeTheLandmarkColourForGood) {
    floorArray[1].At(30, 10).glyph = '_';
    floorArray[1].At(30, 10).colour = 7;
    floorArray[1].At(30, 10).remembered = 1;
    Floor& floor = floorArray[0];
    floor.At(5, 5).glyph = '>';
    floor.At(5, 5).colour = 15;
    floor.At(7, 5).glyph = '<';
    floor.At(7, 5).colour = 15;
    floor.At(5, 5).inViewMark = 1;
    floor.At(7, 5).inViewMark = 1;
    floor.DrawFloor();
    EXPECT_EQ(floor.At(5, 5).colour, 6);
    EXPECT_EQ(floor.At(7, 5).colour, 15) << "floor 0 has nothing above it";

    floorArray[1].feeling = 6;  // once coloured, a stair stays so
    floor.At(5, 5).inViewMark = 1;
    floor.DrawFloor();
    EXPECT_EQ(floor.At(5, 5).colour, 6);

    // On floor 2, the up staircase leads to the confusing floor 1: no colour.
    player.currentFloor = 2;
    floorArray[2].At(9, 9).glyph = '<';
    floorArray[2].At(9, 9).colour = 15;
    floorArray[2].At(9, 9).inViewMark = 1;
    floorArray[2].DrawFloor();
    EXPECT_EQ(floorArray[2].At(9, 9).colour, 15);
}

// A tile seen in one drawing only, and out of view at the next, is
// remembered as it was seen: the full redraw shows it again.
TEST_F(MapMemory, ATileSeenOnceIsRememberedAsItWasSeen) {
    Floor& floor = floorArray[0];
    OpenArea(floor, 10, 5, 13, 5);
    floor.At(11, 5).gold = 9;
    floor.At(12, 5).PutItemOnTile(kSword, 4, 0, 0, 0, -1, 0);
    for (int32_t x = 10; x <= 13; ++x) floor.At(x, 5).inViewMark = 1;
    floor.At(13, 5).monsterPresent = 1;  // drawn by its monster, but the ground is seen
    floor.DrawFloor();
    floor.DrawFloor();
    struct Seen {
        int32_t x;
        char glyph;
        ColourCode colour;
    };
    for (const Seen& seen : {Seen{10, '.', kRememberedColour}, Seen{11, '$', kGoldColour},
                             Seen{12, '/', floor.At(12, 5).FirstItemColour()}, Seen{13, '.', kRememberedColour}}) {
        const Tile& tile = floor.At(seen.x, 5);
        EXPECT_EQ(tile.remembered, 1) << seen.x;
        EXPECT_EQ(tile.topGlyph, seen.glyph) << seen.x;
        EXPECT_EQ(tile.topColour, seen.colour) << seen.x;
    }
}

TEST_F(MapMemory, RedrawClearsWallMarks) {
    Floor& floor = floorArray[0];
    floor.At(3, 3).mark = 1;
    floor.RedrawSeenTiles();
    EXPECT_EQ(floor.At(3, 3).mark, 0);
    EXPECT_EQ(player.mapDrawnFlag, 1);
}

TEST_F(MapMemory, ForgettingHidesTheMapAndFoundTrapsAgain) {
    struct Case {
        ColourCode walls;
        ColourCode trapFloor;
    };
    for (const Case& c : {Case{3, 11}, Case{7, 15}, Case{15, 15}, Case{4, 5}}) {
        Floor& floor = floorArray[0];
        floor.ResetToNewFloor();
        floor.At(0, 0).colour = c.walls;
        floor.At(5, 5).glyph = '^';
        floor.At(5, 5).colour = 5;
        floor.At(5, 5).trapKind = 4;
        floor.At(5, 5).remembered = 1;
        floor.At(6, 5).remembered = 1;
        floor.ForgetOrRevealMap(true);
        EXPECT_EQ(floor.At(5, 5).glyph, '.');
        EXPECT_EQ(floor.At(5, 5).colour, c.trapFloor) << "walls " << c.walls;
        EXPECT_EQ(floor.At(5, 5).trapKind, 4);
        EXPECT_EQ(floor.At(5, 5).remembered, 0);
        EXPECT_EQ(floor.At(6, 5).remembered, 0);
    }
}

TEST_F(MapMemory, RevealingRemembersTheGroundAndWhatLiesOnIt) {
    Floor& floor = floorArray[0];
    OpenArea(floor, 10, 5, 11, 5);
    floor.At(10, 5).gold = 9;
    floor.At(11, 5).PutItemOnTile(kSword, 4, 0, 0, 0, -1, 0);
    floor.At(1, 1).glyph = '.';  // this one tile reveals nothing around it
    floor.ForgetOrRevealMap(false);
    EXPECT_EQ(floor.At(10, 5).topGlyph, '$');
    EXPECT_EQ(floor.At(10, 5).topColour, 14);
    EXPECT_EQ(floor.At(11, 5).topGlyph, '/');
    EXPECT_EQ(floor.At(12, 6).remembered, 1);
    EXPECT_EQ(floor.At(12, 6).topGlyph, '#');
    EXPECT_EQ(floor.At(12, 6).topColour, 8);
    EXPECT_EQ(floor.At(13, 5).remembered, 0);
    EXPECT_EQ(floor.At(0, 0).remembered, 0);
    EXPECT_EQ(floor.At(1, 1).remembered, 0);
}

}  // namespace
