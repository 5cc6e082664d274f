#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "events/world_events.h"
#include "events_fixture.h"
#include "game/game.h"
#include "items/appearances.h"

namespace {

using conditions::kClothKind;
using conditions::kWeaponKind;

Tile& Here() { return floorArray[0].At(player.x, player.y); }

void Lay(int32_t kind, int32_t quantity, int32_t prefix = -1, uint8_t identified = 1) {
    ItemData item;
    item.kind = kind;
    item.quantity = quantity;
    item.prefix = prefix;
    item.identified = identified;
    Here().items.push_back(item);
}

using ItemsUnderFoot = EventTest;

TEST_F(ItemsUnderFoot, OneShortSentenceTellsWhatLiesHere) {
    struct Case {
        int32_t gold;
        int32_t count;  // items laid: 0, 1 or 2
        int32_t quantity;
        const char* text;
    };
    for (const Case c : {Case{0, 0, 1, ""}, Case{5, 0, 1, "You see some money here."},
                         Case{5, 1, 1, "You see an arrow and some money here."},
                         Case{9, 1, 12, "You see 12 arrows and some money here."}, Case{0, 1, 1, "You see an arrow here."},
                         Case{0, 2, 1, "You see several items here."},
                         Case{3, 2, 1, "You see several items and some money here."}}) {
        Here().items.clear();
        Here().gold = c.gold;
        for (int32_t i = 0; i < c.count; ++i) Lay(events::kArrowKind, c.quantity);
        messageLog = MessageLog();
        DescribeItemsHere();
        EXPECT_EQ(Messages(), c.text);
    }
}

TEST_F(ItemsUnderFoot, PotionsShowTheirLookUntilIdentifiedAndPrefixesOnlyOnKnownItems) {
    InitPrefixTable();
    ShufflePotionNames();
    const std::string look = PotionAppearanceName(events::kPotionKind);
    Lay(events::kPotionKind, 1);
    DescribeItemsHere();
    EXPECT_EQ(Messages(), "You see " + ItemNameWithArticle(look) + "here.");

    player.identifiedKinds[events::kPotionKind] = 1;
    messageLog = MessageLog();
    DescribeItemsHere();
    EXPECT_EQ(Messages(), "You see a potion of healing here.");

    Here().items.clear();
    Lay(kWeaponKind, 1, kPrefixVaporizing, 0);
    messageLog = MessageLog();
    DescribeItemsHere();
    EXPECT_EQ(Messages(), "You see a crude copper sword here.");
    Here().items.back().identified = 1;
    messageLog = MessageLog();
    DescribeItemsHere();
    EXPECT_EQ(Messages(), "You see a vaporizing crude copper sword here.");
}

TEST_F(ItemsUnderFoot, GoldAndArrowsArePickedUpAsTheStepsLastCheck) {
    Here().gold = 5;
    Lay(events::kArrowKind, 1);
    rng.RandomInit(1);
    StepOnTile();
    EXPECT_EQ(Messages(), "You see an arrow and some money here. You pick up 5 coins. You pick up the arrow.");
    EXPECT_EQ(player.gold, 5);
    EXPECT_EQ(player.ArrowCount(), 1);
    EXPECT_TRUE(Here().items.empty());
    EXPECT_EQ(Here().gold, 0);
}

TEST_F(ItemsUnderFoot, WithTheToggleOffOnlyGoldIsTakenAndNothingWhileDizzy) {
    Here().gold = 1;
    Lay(events::kArrowKind, 4);
    player.ammoAutoPickup = 0;
    PickUpMoneyAndAmmo();
    EXPECT_EQ(Messages(), "You pick up 1 coin.");
    EXPECT_EQ(Here().items.size(), 1u);

    player.ammoAutoPickup = 1;
    player.dizziness = 3;
    Here().gold = 8;
    messageLog = MessageLog();
    PickUpMoneyAndAmmo();
    EXPECT_EQ(Messages(), "");
    EXPECT_EQ(Here().gold, 8);
    EXPECT_EQ(Here().items.size(), 1u);
}

TEST_F(ItemsUnderFoot, OtherAmmunitionJoinsItsStackOrComesBackToTheThrowingSlot) {
    const int32_t carried = Carry(events::kDartKind);
    player.inventory[carried].quantity = 3;
    Lay(events::kDartKind, 4);
    Lay(kClothKind, 1);
    Lay(events::kPotionKind, 1);
    conditions::DefineKind(23, kItemAmmunition, 0, "throwing knife");
    Lay(23, 6);
    player.lastThrownKind = 23;
    PickUpMoneyAndAmmo();
    EXPECT_EQ(Messages(), "You pick up the ammunition. You pick up the ammunition.");
    ASSERT_EQ(Here().items.size(), 2u);
    int32_t darts = 0;
    int32_t knives = -1;
    for (std::size_t i = 0; i < player.inventory.size(); ++i) {
        if (player.inventory[i].kind == events::kDartKind) darts = player.inventory[i].quantity;
        if (player.inventory[i].kind == 23) knives = static_cast<int32_t>(i);
    }
    EXPECT_EQ(darts, 7);
    ASSERT_GE(knives, 0);
    EXPECT_EQ(player.equipSlots[kSlotThrownWeapon], knives);
    EXPECT_EQ(player.inventory[static_cast<std::size_t>(knives)].quantity, 6);
}

TEST_F(ItemsUnderFoot, AFullPurseStaysFullInsteadOfTurningIntoADebt) {
    player.gold = INT32_MAX - 2;
    Here().gold = 5;
    PickUpMoneyAndAmmo();
    EXPECT_EQ(player.gold, INT32_MAX);
    EXPECT_EQ(Here().gold, 0);
}

TEST_F(ItemsUnderFoot, ATakenLoadCountsAtOnce) {
    itemKinds[events::kArrowKind].weight = 10;
    player.strength = 1;  // carries 25
    player.RecomputePlayerStats();
    Lay(events::kArrowKind, 3);
    PickUpMoneyAndAmmo();
    EXPECT_EQ(player.burdened, 1);
    EXPECT_NE(Messages().find("You feel burdened."), std::string::npos);
}

}  // namespace

namespace {

// The real turn on the real screen: a step onto gold and arrows shows both picked up.
using WalkingOntoItems = EventScreenTest;

TEST_F(WalkingOntoItems, GoldAndArrowsArePickedUpAndShownAfterTheStep) {
    player.RecomputePlayerStats();
    floorArray[0].At(11, 10).gold = 5;
    floorArray[0].At(11, 10).PutItemOnTile(events::kArrowKind, -1, 0, 1, kNotMadeByGame, -1, 0);
    floorArray[0].At(11, 10).items.back().quantity = 3;
    Type("6");
    // A pass may go by before the character's speed grants the action.
    for (int32_t pass = 0; pass < 3 && player.x == 10; ++pass) RunMainLoopPass();
    EXPECT_EQ(player.x, 11);
    EXPECT_EQ(Row(19).substr(0, 74), "You see 3 arrows and some money here. You pick up 5 coins. You pick up the") << Dump();
    EXPECT_EQ(Row(20).substr(0, 8), "arrows. ") << Dump();
    EXPECT_NE(Row(24).find("$: 5 "), std::string::npos) << Dump();
    EXPECT_EQ(player.ArrowCount(), 3);
}

}  // namespace
