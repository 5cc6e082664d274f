// The pick-up list of a tile with two or more items, and the burden that
// keeps an overloaded character in place.
#include <curses.h>

#include <string>

#include "items/item_fixtures.h"
#include "toolkit/message_log.h"
#include "world/command_keys.h"

namespace {

using namespace items;

class PickUpList : public ItemScreenTest {
protected:
    void SetUp() override {
        ItemScreenTest::SetUp();
        sword = KindNamed("crude copper sword");
        food = KindNamed("firemead");
        shirt = KindNamed("linen shirt");
    }
    bool Run() {
        return RunUntilItWaitsForAKey([this] { result = player.PickUpScreen(); });
    }
    int HighlightedRow() const { return ItemScreenTest::HighlightedRow(3, 0); }

    int32_t result = -1;
    int32_t sword = 0;
    int32_t food = 0;
    int32_t shirt = 0;
};

TEST_F(PickUpList, TheListAndItsColours) {
    ItemData chipped = Item(sword, 1, kNoPrefix, kBlessed);
    chipped.durability = 7;
    PlayerTileHere().items = {Item(food, 3), Item(sword, 1, kNoPrefix, kCursed, 0), chipped,
                              Item(sword, 1, kNoPrefix, kCursed), Item(sword)};
    EXPECT_TRUE(Run());
    EXPECT_EQ(Row(0), "|  8 = up   2 = down    e = Take everything   Space = Select item   z = ready  |");
    EXPECT_EQ(Row(1), std::string(80, '-'));
    EXPECT_EQ(Trimmed(2), "Quantity   Durability   Picking   Name");
    for (int row = 0; row <= 2; ++row) EXPECT_EQ(ColourAt(row, 0), kCyan);
    EXPECT_EQ(Trimmed(3), "3" + std::string(33, ' ') + "firemead");
    EXPECT_EQ(Trimmed(4), "1          18                     crude copper sword");
    EXPECT_EQ(Trimmed(5), "1          7                      crude copper sword");
    EXPECT_EQ(ColourAt(4, 0), kLightCyan);
    EXPECT_EQ(ColourAt(3, 34), kLightBlue + kOnGreen);  // the cursor row
    EXPECT_EQ(ColourAt(4, 34), kDarkGrey);  // not tried: its curse unknown
    EXPECT_EQ(ColourAt(5, 34), kYellow);
    EXPECT_EQ(ColourAt(6, 34), kLightRed);
    EXPECT_EQ(ColourAt(7, 34), kLightBlue);
    EXPECT_EQ(HighlightedRow(), 3);
    EXPECT_EQ(ColourAt(3, 78), kLightBlue + kOnGreen);  // green as far as coded text reaches
}

TEST_F(PickUpList, MarksComeAndGoAndTheCursorStaysOnTheList) {
    for (int32_t i = 0; i < kMaxTileItems; ++i) PlayerTileHere().items.push_back(Item(sword));
    Type("8 2 2 ");  // up from the first does nothing; marks on rows 3 and 5, then 4's on and off below
    Type("8 ");
    EXPECT_TRUE(Run());
    EXPECT_EQ(CharAt(3, 24), '*');
    EXPECT_EQ(CharAt(4, 24), ' ');
    EXPECT_EQ(CharAt(5, 24), '*');
    EXPECT_EQ(HighlightedRow(), 4);
    Type(std::string(30, '2'));
    Press(KEY_DOWN);
    EXPECT_TRUE(Run());
    EXPECT_EQ(HighlightedRow(), 24);  // the 22nd item, on the last row
    EXPECT_EQ(Trimmed(24).substr(34), "crude copper sword");
    EXPECT_TRUE(player.inventory.empty());
}

TEST_F(PickUpList, ClosingWithoutMarksTakesNothingAndRestoresTheMap) {
    PlayerTileHere().items = {Item(food), Item(sword)};
    Type("z");
    EXPECT_FALSE(Run());
    EXPECT_EQ(result, 0);
    EXPECT_EQ(PlayerTileHere().items.size(), 2u);
    EXPECT_EQ(CharAt(10, 10), '@');
    EXPECT_EQ(TextAt(23, 0, 3), "HP:");
}

TEST_F(PickUpList, TheMarkedItemsComeWithZOrEscape) {
    struct Case {
        const char* keys;
        const char* carried;
        std::size_t left;
        const char* message;
    };
    const Case cases[] = {
        {"2 z", "crude copper sword", 2, "You pick up the item."},
        {" 22 \x1b", "firemead, linen shirt", 1, "You pick up the items."},  // Escape takes them too
        {"2 Z", "crude copper sword", 2, "You pick up the item."},
        {"2 `", "crude copper sword", 2, "You pick up the item."},
        {" e", "firemead, crude copper sword, linen shirt", 0, "You pick up the items."},  // marks or not
        {"\n", "firemead, crude copper sword, linen shirt", 0, "You pick up the items."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys);
        messageLog = MessageLog();
        player.inventory.clear();
        PlayerTileHere().items = {Item(food), Item(sword), Item(shirt)};
        Type(c.keys);
        EXPECT_FALSE(Run());
        EXPECT_EQ(result, 1);
        EXPECT_EQ(InventoryNames(), c.carried);
        EXPECT_EQ(PlayerTileHere().items.size(), c.left);
        EXPECT_EQ(Messages(), c.message);
        // The remembered map is drawn again; the rest waits for the end of the turn.
        EXPECT_EQ(Row(0), std::string(80, ' '));
    }
}

TEST_F(PickUpList, TheCommandSortsWhatWasTaken) {
    player.inventory = {Item(sword)};
    PlayerTileHere().items = {Item(food), Item(shirt)};
    Type("e");
    currentCommand = kCommandPickUp;
    EXPECT_FALSE(RunUntilItWaitsForAKey([this] { result = player.ExecuteCommand(); }));
    EXPECT_EQ(result, 1);
    EXPECT_EQ(InventoryNames(), "firemead, linen shirt, crude copper sword");
}

TEST_F(PickUpList, AnEmptyWandSaysSo) {
    ItemData empty = Item(FirstKindOfType(kItemWand));
    empty.empty = 1;
    PlayerTileHere().items = {Item(food), empty};
    EXPECT_TRUE(Run());
    EXPECT_EQ(TextAt(4, 11, 5), "Empty");
}

// The burden check: at the capacity the character still moves, one more and it cannot.
class Burden : public PickUpList {};

TEST_F(Burden, OneUnitOverTheCapacityStopsEveryStep) {
    player.strength = 8;  // carries 200
    ItemData axes = Item(KindNamed("crude copper axe"), 10);  // 20 each
    player.inventory = {axes};
    player.RecomputePlayerStats();
    ASSERT_EQ(player.carriedWeight, player.carryingCapacity);
    currentCommand = kCommandEast;
    EXPECT_FALSE(RunUntilItWaitsForAKey([this] { result = player.ExecuteCommand(); }));
    EXPECT_EQ(result, 1);
    EXPECT_EQ(player.x, 11);

    player.inventory.push_back(Item(KindNamed("flintstone")));  // weight 1
    player.RecomputePlayerStats();
    messageLog = MessageLog();
    Type("x\n");
    EXPECT_TRUE(RunUntilItWaitsForAKey([this] { result = player.ExecuteCommand(); }));
    EXPECT_EQ(TextAt(19, 0, 36), "You are overburdened! (Press space) ");
    Type(" ");
    EXPECT_FALSE(RunUntilItWaitsForAKey([this] { result = player.ExecuteCommand(); }));
    EXPECT_EQ(result, 0);
    EXPECT_EQ(player.x, 11);
    for (int row = 19; row <= 21; ++row) EXPECT_EQ(Row(row), std::string(80, ' ')) << row;
}

}  // namespace
