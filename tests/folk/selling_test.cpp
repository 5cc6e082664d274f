// Selling: what an item is worth, the sell list with its quick sale, and the sale.
#include <curses.h>

#include <climits>

#include "folk/folk_fixture.h"

namespace {

using Selling = FolkTest;

TEST_F(Selling, UnitValues) {
    itemKinds[kPotion].baseValue = 50;
    itemKinds[kLightWand].baseValue = 75;
    itemKinds[kFood].baseValue = 15;
    itemKinds[kSword].baseValue = 40;
    struct Case {
        const char* what;
        int32_t kind;
        int32_t floor;
        bool known;
        uint8_t empty;
        int32_t value;
    };
    const Case cases[] = {
        {"unknown potion, floor 13", kPotion, 13, false, 0, 40},
        {"unknown potion, floor 14", kPotion, 14, false, 0, 60},
        {"known potion, floor 7", kPotion, 7, true, 0, 100},
        {"known empty wand", kLightWand, 0, true, 1, 37},
        {"unknown empty wand", kLightWand, 0, false, 1, 20},
        {"unknown wand", kLightWand, 0, false, 0, 20},
        {"food, floor 14", kFood, 14, false, 0, 22},
        {"weapon, floor 30", kSword, 30, false, 0, 40},
    };
    for (const Case& c : cases) {
        BuildWorld();
        itemKinds[kPotion].baseValue = 50;
        itemKinds[kLightWand].baseValue = 75;
        itemKinds[kFood].baseValue = 15;
        itemKinds[kSword].baseValue = 40;
        const int32_t index = Own(c.kind, kBlessed, 1, 20);
        player.inventory[0].empty = c.empty;
        player.inventory[0].durability = 1;
        player.identifiedKinds[c.kind] = c.known ? 1 : 0;
        player.currentFloor = c.floor;
        EXPECT_EQ(player.ItemSaleValue(index), c.value) << c.what;
    }
}

TEST_F(Selling, OneOrAllOfAStack) {
    itemKinds[kDarts].baseValue = 12;
    itemKinds[kDarts].weight = 3;
    SageBeside(100);
    OwnStack(kDarts, 5);
    player.gold = 0;
    Type("ssO");
    player.OpenSageMenu();
    EXPECT_EQ(player.gold, 12);
    EXPECT_EQ(QuantityOf(kDarts), 4);
    EXPECT_EQ(player.carriedWeight, 12);  // the lighter load counts at once
    EXPECT_NE(Row(20).find("\"Do you want to sell (O)ne, (A)ll or (N)one of them?\""), std::string::npos);
    Type("ssA");
    player.OpenSageMenu();
    EXPECT_EQ(player.gold, 60);
    EXPECT_TRUE(player.inventory.empty());
    EXPECT_EQ(Level(), 100);  // selling leaves the sage's prices alone
    EXPECT_EQ(player.goldPaidToSages, 0);
}

TEST_F(Selling, ASingleItemAsksYesOrNo) {
    itemKinds[kSword].baseValue = 40;
    Own(kSword, kUncursed, 1, kPrefixHighQuality);
    Type("aZn");  // 'a' means nothing for one item; only n leaves
    player.SellItem(0);
    EXPECT_EQ(TextAt(19, 0, 49), "\"Your high quality iron sword is worth 40 coins.\"");
    EXPECT_EQ(TextAt(20, 0, 31), "\"Do you want to sell it?\" (y/n)");
    EXPECT_EQ(player.inventory.size(), 1u);
    EXPECT_TRUE(Said("\"Oh..\""));
    Type("o");
    player.SellItem(0);
    EXPECT_EQ(player.gold, 40);
    EXPECT_TRUE(player.inventory.empty());
}

TEST_F(Selling, EmptyInventoryAndEquippedEntries) {
    EXPECT_EQ(player.ChooseItemToSell(), -1);
    EXPECT_EQ(Messages(), "Your inventory is empty!");
    player.SellItem(-1);

    Put(kSlotMainWeapon, kSword);
    Type("s");
    EXPECT_TRUE(RunUntilItWaitsForAKey([] { player.ChooseItemToSell(); }));
    EXPECT_EQ(TextAt(24, 17, 44), "You can't sell equipped items! (Press space)");
    Type(" Sz");
    EXPECT_TRUE(RunUntilItWaitsForAKey([] { player.ChooseItemToSell(); }));
    EXPECT_EQ(player.inventory.size(), 1u);
}

TEST_F(Selling, QuickSaleFollowsTheCursor) {
    itemKinds[kDagger].baseValue = 7;
    for (int i = 0; i < 41; ++i) Own(kDagger);
    // To the third page (entry 40), sell it: the cursor lands on row 0 of page two.
    Press(KEY_NPAGE);
    Press(KEY_NPAGE);
    Type("S");
    EXPECT_TRUE(RunUntilItWaitsForAKey([] { player.ChooseItemToSell(); }));
    EXPECT_EQ(player.inventory.size(), 40u);
    EXPECT_EQ(player.gold, 7);
    EXPECT_NE(Row(3).find("Page: 2/2"), std::string::npos);
    EXPECT_NE(ColourAt(4, 0) & kOnGreen, 0);
    const std::string message = "You sell the bone dagger for 7 gold. ";
    EXPECT_EQ(TextAt(24, (79 - static_cast<int>(message.size())) / 2, static_cast<int>(message.size())), message);
    EXPECT_EQ(Messages(), "");  // shown on the list only
}

TEST_F(Selling, QuickSaleOfTheLastUnitClosesTheList) {
    itemKinds[kDagger].baseValue = 7;
    Own(kDagger);
    Type("\n");
    EXPECT_EQ(player.ChooseItemToSell(), -1);
    EXPECT_TRUE(player.inventory.empty());
    EXPECT_EQ(Messages(), "You sell the bone dagger for 7 gold.");
}

TEST_F(Selling, AHugeStackNeverWrapsThePurseIntoDebt) {
    itemKinds[kDarts].baseValue = 1000;
    OwnStack(kDarts, 5000000);
    player.gold = 5;
    Type("A");
    player.SellItem(0);
    EXPECT_EQ(player.gold, INT32_MAX);
}

}  // namespace
