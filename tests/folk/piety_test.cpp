// The Goddess: prayer tiers, prayers heard and refused, sacrifices of items
// and gold, and the word on the link when the character changes floors.
#include <curses.h>

#include "floors/floor_feelings.h"
#include "folk/folk_fixture.h"
#include "folk/piety.h"
#include "world/game_hooks.h"
#include "world/unique_demon_names.h"

namespace {

using Piety = FolkTest;

TEST_F(Piety, PrayerTiers) {
    struct Case {
        int32_t deepest;
        int32_t current;
        bool finalDemonSlain;
        int32_t tier;
    };
    const Case cases[] = {
        {5, 5, false, 1},  {6, 6, false, 2},  {20, 12, false, 3}, {20, 13, false, 3},
        {20, 11, false, 3}, {34, 34, false, 6}, {34, 2, true, 6},  {27, 19, false, 4},
    };
    for (const Case& c : cases) {
        player.deepestFloor = c.deepest;
        player.currentFloor = c.current;
        player.demonSlainFlags[kFinalDemon] = c.finalDemonSlain ? 1 : 0;
        EXPECT_EQ(player.PrayerTier(), c.tier) << c.deepest << "/" << c.current;
    }
}

TEST_F(Piety, TouchBands) {
    EXPECT_EQ(TouchBandOf(219, 1), TouchBand::kNone);
    EXPECT_EQ(TouchBandOf(300, 1), TouchBand::kAlmost);
    EXPECT_EQ(PietyPercent(300, 1), 136);
    EXPECT_EQ(TouchBandOf(440, 1), TouchBand::kFirm);  // tier 1 has no light touch
    EXPECT_EQ(TouchBandOf(660, 2), TouchBand::kLight);
    EXPECT_EQ(TouchBandOf(879, 2), TouchBand::kLight);
    EXPECT_EQ(TouchBandOf(880, 2), TouchBand::kFirm);
}

TEST_F(Piety, APrayerWithoutEnoughPietyIsRefused) {
    player.piety = 219;
    floorArray[0].At(player.x, player.y).glyph = kAltarGlyph;
    EXPECT_EQ(player.Pray(), 0);
    EXPECT_EQ(Messages(), "You can't sense the Goddess' presence. You need to sacrifice more to reach Her. (To "
                          "sacrifice at this altar, press 'u'.)");
    EXPECT_EQ(player.piety, 219);
}

TEST_F(Piety, OnlyACapitalYConfirms) {
    player.piety = 220;
    player.hp = 3;
    Type("yN");
    EXPECT_EQ(player.Pray(), 0);
    EXPECT_EQ(player.piety, 220);
    Type("Y");
    EXPECT_EQ(player.Pray(), 1);
    EXPECT_EQ(player.piety, 0);  // exactly enough, all spent
    EXPECT_EQ(player.hp, player.maxHp);
    EXPECT_EQ(player.prayers, 1);
}

TEST_F(Piety, AHealingPrayerSettlesTheTemperature) {
    struct Case {
        int32_t feeling;
        bool finalDemonSlain;
        int32_t before;
        int32_t after;
    };
    const Case cases[] = {
        {kFeelingWarm, false, 5000, 2001}, {kFeelingNone, false, 9500, 9500}, {kFeelingNone, false, 5000, 9000},
        {kFeelingNone, false, 10001, 8000}, {kFeelingCold, true, 500, 8000},  {kFeelingNone, true, 3000, 1000},
        {kFeelingNone, true, 500, 500},
    };
    for (const Case& c : cases) {
        BuildWorld();
        floorArray[0].feeling = c.feeling;
        player.demonSlainFlags[kFinalDemon] = c.finalDemonSlain ? 1 : 0;
        player.bodyTemperature = c.before;
        player.piety = 10000;
        Type("Y");
        player.Pray();
        EXPECT_EQ(player.bodyTemperature, c.after) << c.feeling << " " << c.before;
    }
}

TEST_F(Piety, WithACursedWornItemThePrayerMayUncurse) {
    Put(kSlotHelmet, kHelmet, kCursed);
    player.piety = 500;
    player.hp = 3;
    player.poison = 4;
    Type("YxhU");  // only capitals answer the question
    EXPECT_EQ(player.Pray(), 1);
    EXPECT_EQ(player.inventory[0].blessing, kUncursed);
    EXPECT_EQ(player.hp, 3);
    EXPECT_EQ(player.poison, 4);
    EXPECT_EQ(player.piety, 280);
}

TEST_F(Piety, SacrificingItems) {
    itemKinds[kSword].baseValue = 300;
    itemKinds[kDarts].baseValue = 5;
    Own(kSword);
    Put(kSlotMainWeapon, kSword);
    Own(kDarts);
    // 's' on the worn sword and on the darts is refused; the first sword is chosen.
    Type("2s 2s  88s");
    const int32_t choice = player.ChooseSacrifice();
    EXPECT_EQ(choice, 0);
    player.MakeSacrifice(choice);
    EXPECT_EQ(player.piety, 300);
    EXPECT_EQ(Messages(), "You place the item at the altar and pray. The item freezes completely and shatters into "
                          "pieces! You feel that the Goddess accepts your gift. You can almost feel Her touching your "
                          "shoulder. (Piety 136%)");
    EXPECT_EQ(player.inventory.size(), 2u);
    EXPECT_EQ(KindIn(kSlotMainWeapon), kSword);
}

TEST_F(Piety, SacrificingOneOrAllOfAStack) {
    itemKinds[kPotion].baseValue = 10;
    player.identifiedKinds[kPotion] = 1;
    OwnStack(kPotion, 3);
    Type("S");  // a quick sacrifice of one unit, then the list waits
    EXPECT_TRUE(RunUntilItWaitsForAKey([] { player.ChooseSacrifice(); }));
    EXPECT_EQ(QuantityOf(kPotion), 2);
    EXPECT_EQ(player.piety, 10);
    const std::string message = "You sacrifice it. Your piety is at 4%.";
    EXPECT_EQ(TextAt(24, (80 - static_cast<int>(message.size())) / 2, static_cast<int>(message.size())), message);

    Type("xN");
    player.MakeSacrifice(0);
    EXPECT_EQ(QuantityOf(kPotion), 2);
    Type("a");
    player.MakeSacrifice(0);
    EXPECT_TRUE(player.inventory.empty());
    EXPECT_EQ(player.piety, 30);
    EXPECT_TRUE(Said("The items freeze completely"));
}

// What the list said while it was open (a lighter burden after a quick sacrifice)
// is still on the message rows after the turn's redraw, with the sacrifice's words.
TEST_F(Piety, WhatTheListSaidIsShownWhenItCloses) {
    itemKinds[kPotion].weight = 20;
    player.identifiedKinds[kPotion] = 1;
    player.strength = 8;  // carries 200, burdened above 150
    OwnStack(kPotion, 8);
    player.RecomputePlayerStats();
    messageLog = MessageLog();
    Type("Ss");
    const int32_t choice = player.ChooseSacrifice();
    Type("o");
    player.MakeSacrifice(choice);
    RedrawScreen();
    EXPECT_EQ(TextAt(19, 0, 49), "You feel less burdened. You place the item at the") << Dump();
}

TEST_F(Piety, OfferingGold) {
    struct Case {
        int32_t gold;
        char key;
        int32_t taken;
    };
    const Case cases[] = {{3, 'C', 0}, {3, 'd', 1}, {3, 'J', 3}, {9, 'A', 0}, {9, 'b', 1}, {10, 'A', 1}, {10, 'I', 9}};
    for (const Case& c : cases) {
        BuildWorld();
        player.gold = c.gold;
        EXPECT_EQ(player.ChooseSacrifice(), -2);  // nothing carried: straight to the gold
        Type(std::string(1, c.key));
        player.MakeSacrifice(-2);
        EXPECT_EQ(player.gold, c.gold - c.taken) << c.gold << c.key;
        EXPECT_EQ(player.piety, c.taken) << c.gold << c.key;
        EXPECT_EQ(Said("Zero gold isn't enough."), c.taken == 0) << c.gold << c.key;
    }
    player.gold = 10;
    Type("`");
    player.MakeSacrifice(-2);
    EXPECT_EQ(player.gold, 10);
    EXPECT_EQ(TextAt(21, 0, 26), "(F) 6$, (G) 7$, (H) 8$, (I");

    player.gold = 0;
    EXPECT_EQ(player.ChooseSacrifice(), -1);
    EXPECT_TRUE(Said("Your inventory is empty!"));
}

TEST_F(Piety, TheLinkReport) {
    struct Case {
        int32_t floor;
        int32_t deepest;
        int32_t piety;
        int32_t up;
        const char* said;
    };
    const Case cases[] = {
        {13, 13, 500, 0,
         "Your link to the Goddess weakens as you go deeper. You need to sacrifice more to get an answer here: Your "
         "piety on the previous floor was 113%. A piety of 150% would've been enough to maintain the link."},
        {13, 13, 700, 0, ""},
        {12, 13, 500, 1, "You feel your link to the Goddess strengthening as you go up."},
        {12, 13, 700, 1, ""},
        {6, 20, 300, 0, ""},
        {5, 5, 100, 0, ""},  // no tier below the first: nothing to weaken
    };
    for (const Case& c : cases) {
        BuildWorld();
        player.currentFloor = c.floor;
        player.deepestFloor = c.deepest;
        player.piety = c.piety;
        player.ReportPietyLink(c.up);
        EXPECT_EQ(Messages(), c.said) << c.floor << " " << c.piety;
    }
}

}  // namespace
