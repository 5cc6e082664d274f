// Picking up the one item of a tile, gold left lying, and what joins a stack.
#include <string>

#include "items/appearances.h"
#include "items/item_fixtures.h"
#include "items/pick_up.h"

namespace {

using namespace items;

using PickingUp = ItemTest;

TEST_F(PickingUp, TheOnlyItemComesAtOnceWithItsName) {
    ShufflePotionNames();
    const int32_t potion = KindNamed("potion of healing");
    const int32_t arrow = KindNamed("arrow");
    const int32_t sword = KindNamed("crude copper sword");
    struct Case {
        ItemData lying;
        std::string message;
    };
    const Case cases[] = {
        {Item(potion), "You pick the " + PotionAppearanceName(potion) + " up."},
        {Item(arrow, 12), "You pick the arrows up."},
        {Item(sword, 1, kPrefixFrosty), "You pick the frosty crude copper sword up."},
        {Item(sword, 1, kPrefixFrosty, kUncursed, 0), "You pick the crude copper sword up."},
        {Item(KindNamed("linen socks"), 1, 300), "You pick the wet linen socks up."},
        {Item(KindNamed("firemead"), 2), "You pick the bottles of firemead up."},
    };
    for (const Case& c : cases) {
        messageLog = MessageLog();
        PlayerTileHere().items = {c.lying};
        EXPECT_EQ(player.PickUpScreen(), 1);
        EXPECT_EQ(Messages(), c.message);
        EXPECT_TRUE(PlayerTileHere().items.empty());
    }
    EXPECT_EQ(InventoryNames(),
              "potion of healing, arrow x12, crude copper sword, crude copper sword, linen socks, firemead x2");
    // Nothing is identified by picking it up.
    EXPECT_EQ(player.identifiedKinds[potion], 0);
    EXPECT_EQ(player.inventory[3].identified, 0);
}

TEST_F(PickingUp, StacksJoinTheCarriedOneButWeaponsStayApart) {
    const int32_t arrow = KindNamed("arrow");
    const int32_t sword = KindNamed("crude copper sword");
    player.inventory = {Item(sword), Item(arrow, 30)};
    PlayerTileHere().items = {Item(arrow, 12)};
    player.PickUpScreen();
    PlayerTileHere().items = {Item(sword, 1, kNoPrefix, kCursed)};
    player.PickUpScreen();
    EXPECT_EQ(InventoryNames(), "crude copper sword, arrow x42, crude copper sword");
}

TEST_F(PickingUp, GoldOnTheTileTakesNothingButTheTurn) {
    PlayerTileHere().items = {Item(KindNamed("potion of healing"), 2)};
    PlayerTileHere().gold = 5;
    EXPECT_EQ(player.PickUpScreen(), 1);
    EXPECT_TRUE(player.inventory.empty());
    EXPECT_EQ(PlayerTileHere().items.size(), 1u);
    EXPECT_EQ(PlayerTileHere().gold, 5);
    EXPECT_EQ(Messages(), "");

    PlayerTileHere() = Tile();
    PlayerTileHere().glyph = '.';
    EXPECT_EQ(player.PickUpScreen(), 0);  // nothing here at all
    player.currentFloor = -1;
    EXPECT_EQ(player.PickUpScreen(), 0);  // nor on the surface
}

TEST_F(PickingUp, MarkedItemsComeAndTheOthersKeepTheirOrder) {
    const int32_t food = KindNamed("firemead");
    const int32_t sword = KindNamed("crude copper sword");
    const int32_t shirt = KindNamed("linen shirt");
    Tile& tile = PlayerTileHere();
    tile.items = {Item(food), Item(sword), Item(shirt), Item(food, 2)};
    PickMarks marks{};
    EXPECT_FALSE(PickUpMarked(tile, marks, 4));
    EXPECT_EQ(tile.items.size(), 4u);
    EXPECT_EQ(Messages(), "");

    marks[1] = 1;
    EXPECT_TRUE(PickUpMarked(tile, marks, 4));
    EXPECT_EQ(InventoryNames(), "crude copper sword");
    ASSERT_EQ(tile.items.size(), 3u);
    EXPECT_EQ(tile.items[0].kind, food);
    EXPECT_EQ(tile.items[1].kind, shirt);
    EXPECT_EQ(tile.items[2].quantity, 2);
    EXPECT_EQ(Messages(), "You pick up the item.");

    marks = {};
    marks[0] = 1;
    marks[2] = 1;
    EXPECT_TRUE(PickUpMarked(tile, marks, 3));
    EXPECT_EQ(InventoryNames(), "crude copper sword, firemead x3");
    EXPECT_EQ(Messages(), "You pick up the item. You pick up the items.");
}

}  // namespace
