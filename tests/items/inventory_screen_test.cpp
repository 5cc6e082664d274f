// The inventory screen: its frame and rows, the highlight and the pages, and
// the use, drop, examine and leaving keys.
#include <curses.h>

#include <string>

#include "items/appearances.h"
#include "items/item_fixtures.h"
#include "toolkit/message_log.h"
#include "world/game_hooks.h"
#include "world/terrain.h"

namespace {

using namespace items;

class InventoryScreen : public ItemScreenTest {
protected:
    void SetUp() override {
        ItemScreenTest::SetUp();
        ShufflePotionNames();
        sword = KindNamed("crude copper sword");
        potion = KindNamed("potion of healing");
    }
    // Runs the screen on the typed keys; true when it still waits for a key.
    bool Run() {
        return RunUntilItWaitsForAKey([this] { result = player.InventoryScreen(); });
    }
    // Carries `count` swords, each its own entry, the nth with durability n + 1 to tell them apart.
    static void CarrySwords(int32_t count) {
        for (int32_t i = 0; i < count; ++i) {
            player.inventory.push_back(Item(KindNamed("crude copper sword")));
            player.inventory.back().durability = i + 1;
        }
    }
    // The list row that is highlighted; -1 for none.
    int HighlightedRow() const { return ItemScreenTest::HighlightedRow(4, 5); }
    // The row's name column, trimmed.
    std::string NameAt(int row) const { return Trimmed(row).substr(34); }

    int32_t result = -1;
    int32_t sword = 0;
    int32_t potion = 0;
};

TEST_F(InventoryScreen, TheFrameAndTheFirstPage) {
    player.training = kTrainingArcher;
    player.GiveStartingKit(5);
    EXPECT_TRUE(Run());
    EXPECT_EQ(Row(0), "| 8 = up     page up = previous page   u = use    d = drop 1   D = drop stack  |");
    EXPECT_EQ(Row(1), "| 2 = down   page down = next page     z = exit   e = examine item properties  |");
    EXPECT_EQ(Row(2), std::string(80, '-'));
    EXPECT_EQ(Row(3), "Eq.  Qty.  Durab.  Base+  Weight  Name                               Page: 1/1  ");
    for (int row = 0; row <= 3; ++row) EXPECT_EQ(ColourAt(row, 0), kCyan) << row;
    EXPECT_EQ(ColourAt(3, 77), kCyan);
    EXPECT_EQ(Trimmed(4), "     1                    3       firemead");
    EXPECT_EQ(Trimmed(5), "*    1     20/20   3.5    8       2H crude willow bow");
    EXPECT_EQ(Trimmed(6), "     200                  0       arrow");
    EXPECT_EQ(Trimmed(7), "*    20            2.0    1       flintstone");
    EXPECT_EQ(Row(8), std::string(80, ' '));
    EXPECT_EQ(Row(24), std::string(80, ' '));
    EXPECT_EQ(HighlightedRow(), 4);
    EXPECT_EQ(ColourAt(5, 0), kLightCyan);
    EXPECT_EQ(ColourAt(5, 34), kLightBlue);
}

TEST_F(InventoryScreen, TwentyEntriesMakeOnePage) {
    CarrySwords(20);
    Type("+");  // no next page
    EXPECT_TRUE(Run());
    EXPECT_EQ(TextAt(3, 69, 9), "Page: 1/1");
    EXPECT_EQ(HighlightedRow(), 4);
    EXPECT_EQ(TextAt(23, 11, 5), "20/18");
    Type("8");  // from the first entry to the last
    EXPECT_TRUE(Run());
    EXPECT_EQ(HighlightedRow(), 23);
    Type("82");  // and round again
    EXPECT_TRUE(Run());
    EXPECT_EQ(HighlightedRow(), 4);
}

TEST_F(InventoryScreen, TheTwentyFirstEntryHasAPageOfItsOwn) {
    CarrySwords(21);
    EXPECT_TRUE(Run());
    EXPECT_EQ(TextAt(3, 69, 9), "Page: 1/2");

    Type(std::string(19, '2'));
    EXPECT_TRUE(Run());
    EXPECT_EQ(HighlightedRow(), 23);
    Type(std::string(19, '2') + "2");  // on from row 19: the next page's first row
    EXPECT_TRUE(Run());
    EXPECT_EQ(TextAt(3, 69, 9), "Page: 2/2");
    EXPECT_EQ(HighlightedRow(), 4);
    EXPECT_EQ(TextAt(4, 11, 5), "21/18");
    EXPECT_EQ(Row(5), std::string(80, ' '));
    Type(std::string(20, '2') + "8");  // and back up to the last row of page 1
    EXPECT_TRUE(Run());
    EXPECT_EQ(TextAt(3, 69, 9), "Page: 1/2");
    EXPECT_EQ(HighlightedRow(), 23);

    Type("22+");  // the page key starts the page at its first row
    EXPECT_TRUE(Run());
    EXPECT_EQ(TextAt(3, 69, 9), "Page: 2/2");
    EXPECT_EQ(HighlightedRow(), 4);
    Type("+-");
    EXPECT_TRUE(Run());
    EXPECT_EQ(TextAt(3, 69, 9), "Page: 1/2");
    EXPECT_EQ(HighlightedRow(), 4);
    Type("8");  // the first entry wraps to the last, on its page
    EXPECT_TRUE(Run());
    EXPECT_EQ(TextAt(3, 69, 9), "Page: 2/2");
    EXPECT_EQ(HighlightedRow(), 4);
    Type("82");  // and the last to the first
    EXPECT_TRUE(Run());
    EXPECT_EQ(TextAt(3, 69, 9), "Page: 1/2");
    EXPECT_EQ(HighlightedRow(), 4);
    Press(KEY_NPAGE);
    Press(KEY_DOWN);  // the last entry: round to the first
    EXPECT_TRUE(Run());
    EXPECT_EQ(TextAt(3, 69, 9), "Page: 1/2");
    Press(KEY_NPAGE);
    Press(KEY_PPAGE);
    Press(KEY_UP);
    EXPECT_TRUE(Run());
    EXPECT_EQ(TextAt(3, 69, 9), "Page: 2/2");
}

TEST_F(InventoryScreen, OneEntryGoesNowhereAndFunctionKeysMeanNothing) {
    CarrySwords(1);
    Type("28+-");
    Press(KEY_END);  // its low byte is 'h'
    Press(KEY_DC);
    Press(KEY_F(5));
    Press(KEY_IC);
    EXPECT_TRUE(Run());
    EXPECT_EQ(HighlightedRow(), 4);
    EXPECT_EQ(Row(24), std::string(80, ' '));
}

TEST_F(InventoryScreen, GearIsWornOnTheEquipmentScreenAndArrowsAreNotUsedHere) {
    player.inventory = {Item(potion), Item(sword), Item(KindNamed("linen shirt")), Item(KindNamed("flintstone"), 4),
                        Item(KindNamed("arrow"), 9)};
    Type("2u");
    EXPECT_TRUE(Run());
    EXPECT_EQ(TextAt(24, 13, 54), "Use the equipment screen to equip items! (Press space)");
    EXPECT_EQ(ColourAt(24, 13), kLightCyan);
    Type("2uxz ");  // only the space bar takes the notice away
    EXPECT_TRUE(Run());
    EXPECT_EQ(Row(24), std::string(80, ' '));
    EXPECT_EQ(HighlightedRow(), 5);
    for (const char* keys : {"2\n", "22u", "222u"}) {  // Enter is a use key too; clothes and thrown weapons
        Type(keys);
        EXPECT_TRUE(Run());
        EXPECT_EQ(TextAt(24, 13, 8), "Use the ") << keys;
    }
    Type("2222u");  // arrows: nothing
    EXPECT_TRUE(Run());
    EXPECT_EQ(Row(24), std::string(80, ' '));
    EXPECT_EQ(HighlightedRow(), 8);
}

TEST_F(InventoryScreen, UsingAPotionEndsTheScreenOnTheMapAndUsesTheTurn) {
    player.inventory = {Item(potion)};
    Type("u");
    EXPECT_FALSE(Run());
    EXPECT_EQ(result, 1);
    EXPECT_EQ(CharAt(10, 10), '@');
    EXPECT_EQ(TextAt(23, 0, 3), "HP:");
}

TEST_F(InventoryScreen, WornItemsCannotBeDropped) {
    player.inventory = {Item(sword)};
    player.equipSlots[kSlotMainWeapon] = 0;
    Type("d");
    EXPECT_TRUE(Run());
    EXPECT_EQ(TextAt(24, 17, 44), "You can't drop equipped items! (Press space)");
    EXPECT_EQ(ColourAt(24, 17), kLightCyan);
    Type("dDz ");
    EXPECT_TRUE(Run());
    EXPECT_EQ(Row(24), std::string(80, ' '));
    EXPECT_EQ(player.inventory.size(), 1u);
    Type("d z");
    EXPECT_FALSE(Run());
    EXPECT_EQ(result, 0);
}

TEST_F(InventoryScreen, DroppingReportsOnTheBottomRowAndTheTurnIsUsedOnLeaving) {
    player.inventory = {Item(potion, 3), Item(sword), Item(KindNamed("arrow"), 5)};
    Type("d");
    EXPECT_TRUE(Run());
    const std::string report = "You drop the " + PotionAppearanceName(potion) + ". ";
    EXPECT_EQ(TextAt(24, (79 - static_cast<int>(report.size())) / 2, static_cast<int>(report.size())), report);
    EXPECT_EQ(ColourAt(24, (79 - static_cast<int>(report.size())) / 2), kLightCyan);
    EXPECT_EQ(HighlightedRow(), 4);
    EXPECT_EQ(TextAt(4, 5, 1), "2");
    Type("22D");  // the last entry: the highlight steps up to the new last one
    EXPECT_TRUE(Run());
    EXPECT_EQ(TextAt(24, 27, 25), "You drop all the arrows. ");
    EXPECT_EQ(HighlightedRow(), 5);
    EXPECT_EQ(NameAt(5), "1H crude copper sword");
    Type("dz");
    EXPECT_FALSE(Run());
    EXPECT_EQ(result, 1);
    EXPECT_EQ(InventoryNames(), "potion of healing, crude copper sword");
    ASSERT_EQ(PlayerTileHere().items.size(), 2u);
    EXPECT_EQ(PlayerTileHere().items[0].quantity, 2);
    EXPECT_EQ(PlayerTileHere().items[1].quantity, 5);
    // The map is back with the character on it.
    EXPECT_EQ(CharAt(10, 10), '@');

    for (const char* leave : {"z", "Z", "\x1b", "`"}) {
        Type(leave);
        EXPECT_FALSE(Run());
        EXPECT_EQ(result, 0) << leave;
    }
}

TEST_F(InventoryScreen, DroppingTheOnlyRowOfTheLastPageGoesBackAPage) {
    CarrySwords(21);
    Type("+d");
    EXPECT_TRUE(Run());
    EXPECT_EQ(TextAt(3, 69, 9), "Page: 1/1");
    EXPECT_EQ(HighlightedRow(), 4);
    EXPECT_EQ(TextAt(4, 12, 4), "1/18");
    EXPECT_EQ(TextAt(24, 23, 33), "You drop the crude copper sword. ");

    // The last entry of a page with others on it: the highlight steps up one row.
    ResetGameState();
    UseGameItems();
    StandOnOpenFloor();
    CarrySwords(3);
    Type("8d");
    EXPECT_TRUE(Run());
    EXPECT_EQ(HighlightedRow(), 5);
}

TEST_F(InventoryScreen, DroppingTheOnlyItemEndsTheScreen) {
    player.inventory = {Item(sword)};
    Type("d");
    EXPECT_FALSE(Run());
    EXPECT_EQ(result, 1);
    EXPECT_TRUE(player.inventory.empty());
    EXPECT_EQ(Messages(), "You drop the crude copper sword.");
    EXPECT_EQ(CharAt(10, 10), '@');
}

TEST_F(InventoryScreen, AFullTileEndsTheScreen) {
    for (int32_t i = 0; i < kMaxTileItems; ++i) PlayerTileHere().items.push_back(Item(sword));
    player.inventory = {Item(potion, 2), Item(sword)};
    Type("d");
    EXPECT_FALSE(Run());
    EXPECT_EQ(result, 0);
    EXPECT_EQ(player.inventory[0].quantity, 2);
    EXPECT_EQ(Messages(), "There are too many items here already!");
    // No turn passes, so no turn's redraw shows it: the screen does as it closes.
    EXPECT_EQ(TextAt(19, 0, 38), "There are too many items here already!");

    // After an earlier drop in the same visit the turn is used all the same.
    messageLog = MessageLog();
    PlayerTileHere().items.pop_back();
    Type("dd");
    EXPECT_FALSE(Run());
    EXPECT_EQ(result, 1);
    EXPECT_EQ(player.inventory[0].quantity, 1);
}

// What a drop says while the screen is open is still on the message rows after
// the turn's own redraw, not flushed by the screen's closing and blanked at once.
TEST_F(InventoryScreen, WhatADropSaysIsShownWhenTheScreenCloses) {
    PlayerTileHere().glyph = kAltarGlyph;
    player.strength = 8;  // carries 200, burdened above 150
    player.inventory = {Item(KindNamed("crude copper axe"), 8), Item(potion)};
    player.RecomputePlayerStats();
    messageLog = MessageLog();
    Type("dz");
    EXPECT_FALSE(Run());
    EXPECT_EQ(result, 1);
    RedrawScreen();
    EXPECT_EQ(TextAt(19, 0, 39), "You feel less burdened. You do realize ") << Dump();
    EXPECT_EQ(TextAt(20, 0, 43), "dropping items on it? Press 'u' to use it. ") << Dump();
}

TEST_F(InventoryScreen, ExaminingTellsWhatIsKnownAndUsesTheTurn) {
    const int32_t ring = FirstKindOfType(kItemAccessory);
    ShuffleAccessoryNames();
    struct Case {
        ItemData item;
        bool kindKnown;
        const char* finding;
    };
    const Case cases[] = {
        {Item(potion), false,
         "You can't understand the item's functions as you haven't identified it yet. Consulting a sage is a common "
         "way to identify items."},
        {Item(potion), true, "You come to the conclusion: It heals 50% of your maximum HP."},
        {Item(ring), true, "You come to the conclusion: It"},
        {Item(sword, 1, kPrefixFrosty, kUncursed, 0), false,
         "You haven't used this piece of equipment yet, so you can't come to a conclusion."},
        {Item(sword, 1, kPrefixFrosty), false,
         "You come to the conclusion: It deals more damage to hot monsters and less to cold ones."},
        {Item(sword), false, "It appears to be a perfectly ordinary piece of equipment."},
        {Item(KindNamed("firemead")), false,
         "This is a non-magical food item whose exact purpose is to increase your warmth."},
        {Item(KindNamed("lump of copper")), false,
         "This is a non-magical material item which can be crafted into a piece of equipment by a smith."},
        {Item(KindNamed("piece of amber")), false,
         "This is a non-magical valuable item which can be sold or sacrificed."},
        {Item(KindNamed("flintstone")), false, "This is non-magical ammunition for ranged combat."},
        {Item(KindNamed("linen shirt")), false,
         "It appears to be a perfectly ordinary piece of clothing, useful against the cold temperature."},
        {Item(KindNamed("linen shirt"), 1, 0), false,
         "It appears to be a perfectly ordinary piece of clothing, useful against the cold temperature. It's wet so "
         "it offers less protection against the cold."},
    };
    for (const Case& c : cases) {
        messageLog = MessageLog();
        player.inventory = {c.item};
        player.identifiedKinds[c.item.kind] = c.kindKnown ? 1 : 0;
        itemKinds[ring].power = 0;
        Type("e");
        EXPECT_FALSE(Run());
        EXPECT_EQ(result, 1);
        EXPECT_EQ(Messages(),
                  std::string("You do some basic tests with the item to determine its properties. ") + c.finding);
    }
    EXPECT_EQ(CharAt(10, 10), '@');
}

TEST_F(InventoryScreen, TheDeadAndTheVictoriousMayOnlyLook) {
    player.inventory = {Item(potion), Item(sword)};
    for (int32_t state = 0; state < 2; ++state) {
        player.hp = state == 0 ? 0 : 10;
        player.currentFloor = state == 0 ? 0 : -1;
        Type("dDu");
        Press(KEY_ENTER);
        Type("2");
        EXPECT_TRUE(Run());
        EXPECT_EQ(player.inventory.size(), 2u);
        EXPECT_EQ(Row(24), std::string(80, ' '));
        EXPECT_EQ(HighlightedRow(), 5);
        messageLog = MessageLog();
        Type("e");  // examined, without the map coming back
        EXPECT_FALSE(Run());
        EXPECT_EQ(result, 1);
        EXPECT_EQ(Messages().rfind("You do some basic tests", 0), 0u);
        EXPECT_EQ(Row(10), std::string(80, ' '));
        EXPECT_EQ(Row(23), std::string(80, ' '));
        Type("z");
        EXPECT_FALSE(Run());
        EXPECT_EQ(result, 0);
        EXPECT_EQ(Row(10), std::string(80, ' '));
    }
}

TEST_F(InventoryScreen, AnEmptyInventoryIsOnlyMentioned) {
    player.currentFloor = 0;
    EXPECT_FALSE(Run());
    EXPECT_EQ(result, 0);
    EXPECT_EQ(TextAt(19, 0, 24), "Your inventory is empty!");
    EXPECT_EQ(Row(0), std::string(80, ' '));
}

}  // namespace
