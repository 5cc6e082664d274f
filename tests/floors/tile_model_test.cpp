#include "floors/floor_fixtures.h"
#include "world/sage.h"

namespace {

using TileModel = FloorTest;

TEST_F(TileModel, PlacesOffTheMapAreBlockedAndNeverMarked) {
    Floor& floor = floorArray[0];
    OpenArea(floor, 0, 0, kFloorWidth - 1, kFloorHeight - 1);
    const XY outside[] = {{-1, 5}, {80, 0}, {0, 19}, {5, -1}, {-2147483647 - 1, 3}};
    for (const XY& place : outside) {
        EXPECT_TRUE(floor.IsBlocked(place.x, place.y)) << place.x << "," << place.y;
        floor.MarkSeen(place.x, place.y);
    }
    for (const Tile& tile : floor.tiles) ASSERT_EQ(tile.inViewMark, 0);

    floor.At(3, 3).glyph = '#';
    floor.At(4, 3).glyph = '\'';
    floor.At(5, 3).glyph = '+';
    EXPECT_TRUE(floor.IsBlocked(3, 3));
    EXPECT_TRUE(floor.IsBlocked(4, 3));
    EXPECT_FALSE(floor.IsBlocked(5, 3));
    EXPECT_FALSE(floor.IsBlocked(79, 18));
}

TEST_F(TileModel, StackableKindsGrowOneEntryOthersAppend) {
    Tile& tile = floorArray[0].At(5, 5);
    tile.PutItemOnTile(kPotion, -1, -2, 0, 1, -2, 0);
    tile.PutItemOnTile(kPotion, 7, 1, 0, 0, 3, 1);  // joins the stack; its own values are ignored
    tile.PutItemOnTile(kSword, 10, 0, 0, 0, -1, 0);
    tile.PutItemOnTile(kSword, 10, 0, 0, 0, -1, 0);
    tile.PutItemOnTile(-1, -1, -2, 0, 1, -2, 0);
    ASSERT_EQ(tile.items.size(), 3u);
    EXPECT_EQ(tile.items[0].kind, kPotion);
    EXPECT_EQ(tile.items[0].quantity, 2);
    EXPECT_EQ(tile.items[0].blessing, 0);
    EXPECT_EQ(tile.items[1].kind, kSword);
    EXPECT_EQ(tile.items[2].kind, kSword);
}

TEST_F(TileModel, TwentyThirdItemIsLostEvenWhenItWouldStack) {
    Tile& tile = floorArray[0].At(5, 5);
    tile.PutItemOnTile(kPotion, -1, 0, 0, 0, -1, 0);
    for (int i = 1; i < kMaxTileItems; ++i) tile.PutItemOnTile(kSword, 5, 0, 0, 0, -1, 0);
    ASSERT_EQ(tile.items.size(), 22u);
    tile.PutItemOnTile(kPotion, -1, 0, 0, 0, -1, 0);
    tile.PutItemOnTile(kSword, 5, 0, 0, 0, -1, 0);
    EXPECT_EQ(tile.items.size(), 22u);
    EXPECT_EQ(tile.items[0].quantity, 1);
}

TEST_F(TileModel, FreshItemsAreIdentifiedByTypeAndRollTheirValues) {
    Tile& tile = floorArray[0].At(5, 5);
    tile.PutItemOnTile(kPotion, -1, -2, 0, 1, -2, 0);
    tile.PutItemOnTile(kSword, -1, -2, 1, 1, -2, 0);
    tile.PutItemOnTile(kArrows, -1, -2, 0, 1, -2, 0);
    tile.PutItemOnTile(kWand, -1, -2, 0, 1, -2, 0);
    ASSERT_EQ(tile.items.size(), 4u);
    EXPECT_EQ(tile.items[0].identified, 1);
    EXPECT_EQ(tile.items[1].identified, 0);
    EXPECT_GE(tile.items[1].durability, 20);  // 40 less Random(20)
    EXPECT_LE(tile.items[1].durability, 40);
    EXPECT_GE(tile.items[2].quantity, 5);
    EXPECT_LE(tile.items[2].quantity, 29);
    EXPECT_GE(tile.items[3].durability, 5);  // 10 less Random(6) charges
    EXPECT_LE(tile.items[3].durability, 10);
    for (const ItemData& item : tile.items) EXPECT_EQ(item.prefix, -1) << item.kind;

    // Not fresh (a dropped item): one of it, identified as given.
    Tile dropped;
    dropped.PutItemOnTile(kArrows, -1, -2, 1, 0, -2, 0);
    dropped.PutItemOnTile(kPotion, -1, -2, 0, 0, -2, 0);
    EXPECT_EQ(dropped.items[0].quantity, 1);
    EXPECT_EQ(dropped.items[0].identified, 1);
    EXPECT_EQ(dropped.items[1].identified, 0);
}

TEST_F(TileModel, BlessingRollsFollowTheirOddsAndSpecialKindsStayNormal) {
    int cursed = 0;
    int blessed = 0;
    constexpr int kRolls = 4000;
    for (int i = 0; i < kRolls; ++i) {
        Tile tile;
        tile.PutItemOnTile(kSword, 5, -2, 0, 0, -1, 0);
        cursed += tile.items[0].blessing == -1;
        blessed += tile.items[0].blessing == 1;
        Tile special;
        special.PutItemOnTile(kSpecialSword, 5, -2, 0, 0, -1, 0);
        ASSERT_EQ(special.items[0].blessing, 0);
    }
    EXPECT_NEAR(cursed / double(kRolls), 0.12, 0.02);
    EXPECT_NEAR(blessed / double(kRolls), 0.08, 0.02);
}

// A weapon of maximum durability 1 loses Random(0) in the game's rule; nothing
// may be drawn for it and the item keeps at least 1.
TEST_F(TileModel, HalfOfNothingDrawsNothing) {
    RandomMother expected = rng;
    Tile tile;
    tile.PutItemOnTile(kFlimsyArmour, -1, 0, 0, 0, -1, 0);
    ASSERT_EQ(tile.items.size(), 1u);
    EXPECT_EQ(tile.items[0].durability, 1);
    EXPECT_EQ(rng.BRandom(), expected.BRandom());

    itemKinds[kFlimsyArmour].maxDurability = 0;
    tile.PutItemOnTile(kFlimsyArmour, -1, 0, 0, 0, -1, 0);
    EXPECT_EQ(tile.items[1].durability, 1);
}

TEST_F(TileModel, TopItemShowsFirstItemThenGoldThenDimmedTerrain) {
    Floor& floor = floorArray[0];
    OpenArea(floor, 1, 1, 5, 5);
    Tile& withBoth = floor.At(1, 1);
    withBoth.gold = 30;
    withBoth.PutItemOnTile(kSword, 5, 0, 0, 0, -1, 0);
    withBoth.PutItemOnTile(kPotion, 5, 0, 0, 0, -1, 0);
    floor.At(2, 1).gold = 12;
    Tile& outOfView = floor.At(3, 1);
    outOfView.gold = 5;
    outOfView.topGlyph = 'x';
    for (int x = 1; x <= 2; ++x) floor.At(x, 1).visibleNow = 1;
    floor.At(4, 1).visibleNow = 1;

    RefreshTopItems();
    EXPECT_EQ(withBoth.topGlyph, '/');
    EXPECT_EQ(withBoth.topColour, 7);
    EXPECT_EQ(floor.At(2, 1).topGlyph, '$');
    EXPECT_EQ(floor.At(2, 1).topColour, 14);
    EXPECT_EQ(floor.At(4, 1).topGlyph, '.');
    EXPECT_EQ(floor.At(4, 1).topColour, 8);
    EXPECT_EQ(outOfView.topGlyph, 'x');
}

TEST_F(TileModel, KnownLandmarks) {
    Floor& floor = floorArray[3];
    EXPECT_FALSE(FloorHasKnownLandmark(3));
    floor.At(10, 10).glyph = '_';
    floor.At(10, 10).colour = 7;
    EXPECT_FALSE(FloorHasKnownLandmark(3)) << "an altar nobody has seen";
    floor.At(10, 10).remembered = 1;
    EXPECT_TRUE(FloorHasKnownLandmark(3));
    floor.At(10, 10).colour = 12;
    EXPECT_FALSE(FloorHasKnownLandmark(3)) << "only an altar in colour 7 counts";
    floor.At(20, 5).glyph = '@';
    floor.At(20, 5).remembered = 1;
    EXPECT_TRUE(FloorHasKnownLandmark(3));
    floor.feeling = 6;
    EXPECT_FALSE(FloorHasKnownLandmark(3)) << "a confusing floor";
    EXPECT_FALSE(FloorHasKnownLandmark(35));
    EXPECT_FALSE(FloorHasKnownLandmark(-1));
}

}  // namespace
