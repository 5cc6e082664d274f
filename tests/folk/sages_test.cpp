#include <gtest/gtest.h>

#include "support/hand_made_world.h"
#include "support/screen_test.h"
#include "toolkit/drawing.h"

namespace {

using Sages = ScreenTest;

TEST_F(Sages, LookupsAddTheOffsetAndCompareTheFloor) {
    EXPECT_FALSE(IsSageAt(10, 5, 0, 0, 3));
    sages.push_back(cSage{10, 5, 3, 100, 0});
    EXPECT_TRUE(IsSageAt(10, 5, 0, 0, 3));
    EXPECT_TRUE(IsSageAt(9, 5, 1, 0, 3));
    EXPECT_TRUE(IsSageAt(11, 6, -1, -1, 3));
    EXPECT_FALSE(IsSageAt(10, 5, 0, 0, 4));
    EXPECT_FALSE(IsSageAt(10, 5, 1, 0, 3));

    player.currentFloor = 3;
    player.x = 11;
    player.y = 5;
    EXPECT_TRUE(IsSageNextToPlayer(-1, 0));
    EXPECT_FALSE(IsSageNextToPlayer(1, 0));
    player.currentFloor = 2;
    EXPECT_FALSE(IsSageNextToPlayer(-1, 0));
}

TEST_F(Sages, DrawnInViewRememberedOutOfViewAndHiddenWhereTheMapIs) {
    player.currentFloor = 2;
    OpenArea(floorArray[2], 1, 1, 78, 17);
    Floor& map = floorArray[2];
    map.At(4, 4).glyph = '\'';
    sages = {cSage{2, 2, 2, 100, 0}, cSage{0, 3, 2, 100, 0}, cSage{4, 4, 2, 100, 1}, cSage{6, 6, 1, 100, 1},
             cSage{8, 8, 2, 100, 0}};
    for (const cSage& sage : sages) map.At(sage.x, sage.y).visibleNow = 1;
    map.At(8, 8).visibleNow = 0;  // never seen, out of view

    DrawSages();

    EXPECT_EQ(CharAt(2, 2), '@');
    EXPECT_EQ(sages[0].seen, 1);
    EXPECT_EQ(CharAt(3, 0), ' ');  // column 0 never shows a sage
    EXPECT_EQ(sages[1].seen, 0);
    EXPECT_EQ(CharAt(4, 4), ' ');  // inside an ice block
    EXPECT_EQ(CharAt(6, 6), ' ');  // another floor
    EXPECT_EQ(CharAt(8, 8), ' ');
    EXPECT_TRUE(IsSageAt(0, 3, 0, 0, 2));

    // Out of view the seen sage stays on the map, unless the floor is confusing.
    ClearScreen();
    map.At(2, 2).visibleNow = 0;
    DrawSages();
    EXPECT_EQ(CharAt(2, 2), '@');
    ClearScreen();
    map.feeling = 6;
    DrawSages();
    EXPECT_EQ(CharAt(2, 2), ' ');
}

}  // namespace
