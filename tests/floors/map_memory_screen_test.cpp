// The map memory through the turns of a game: what a walk showed comes back
// whole when the map is drawn again after a page covered it.
#include "floors/field_of_view.h"
#include "game/game.h"
#include "player/map_view.h"
#include "support/hand_made_world.h"
#include "support/screen_test.h"
#include "toolkit/drawing.h"
#include "world/game_hooks.h"

namespace {

using MapMemoryOnScreen = ScreenTest;

// A character twice as fast as the turn acts twice in it, and the map is drawn
// between the two steps: a corridor seen down its length only from the square
// of that drawing stays on the map all the same.
TEST_F(MapMemoryOnScreen, ACorridorSeenBetweenTwoStepsOfATurnStaysOnTheMap) {
    OpenArea(floorArray[0], 5, 10, 60, 10);
    OpenArea(floorArray[0], 30, 1, 30, 9);
    player.currentFloor = 0;
    player.x = 15;
    player.y = 10;
    floorArray[0].At(player.x, player.y).monsterPresent = 1;
    player.hp = player.maxHp = 50;
    player.speedBoost = 15;
    ComputeFieldOfView(&floorArray[0], player.x, player.y, player.sightRadius);
    RedrawScreen();
    Type(std::string(30, '6'));
    for (int32_t pass = 0; pass < 40 && player.x < 45; ++pass) RunMainLoopPass();
    ASSERT_EQ(player.x, 45);
    std::string corridor;
    for (int32_t row = 1; row <= 9; ++row) corridor += CharAt(row, 30);
    // As far down the corridor as the character's sight reached.
    ASSERT_EQ(corridor, "   ......") << Dump();

    ClearScreen();
    ASSERT_TRUE(RestoreMapView());
    RedrawScreen();
    std::string redrawn;
    for (int32_t row = 1; row <= 9; ++row) redrawn += CharAt(row, 30);
    EXPECT_EQ(redrawn, corridor) << Dump();
    EXPECT_EQ(ColourAt(4, 30), kDarkGrey);
}

}  // namespace
