// The sage's menu and services: the prices shown and paid, how each payment
// makes him dearer, and each service's refusals.
#include <curses.h>

#include "folk/folk_fixture.h"
#include "folk/sage_prices.h"
#include "world/command_keys.h"
#include "world/unique_demon_names.h"

namespace {

using SageServices = FolkTest;

TEST_F(SageServices, MenuShowsThePricesOfHisLevel) {
    SageBeside(113);
    Type("\x1b");
    EXPECT_TRUE(player.OpenSageMenu());
    EXPECT_EQ(Row(19).substr(0, 79),
              "                \"How may I help you today, traveller?\"               (z = Exit)");
    const std::string second = "H(e)aling[56] | (U)ncursing[101] | (I)dentifying[Potions 37/Others 84]";
    EXPECT_EQ(TextAt(20, (79 - static_cast<int>(second.size())) / 2, static_cast<int>(second.size())), second);
    EXPECT_NE(Row(21).find("(H)eating/Food[56] | (A)rrows[5=4$] | (S)ell | Prepaid (R)esurrection[500]"),
              std::string::npos);
    EXPECT_EQ(ColourAt(20, 20), kLightCyan);
    EXPECT_TRUE(Said("\"Good luck on your quest.\""));

    player.demonSlainFlags[kFinalDemon] = 1;
    Type("z");
    player.OpenSageMenu();
    EXPECT_NE(Row(21).find("(H)Cooling[56] | (A)rrows[5=4$] | (S)ell | Prepaid (R)esurrection[2000]"),
              std::string::npos);
}

TEST_F(SageServices, TheChatAndPrayCommandsReachTheFolk) {
    SageBeside(100);
    currentCommand = kCommandChat;
    Type("z");
    EXPECT_EQ(player.ExecuteCommand(), 1);
    EXPECT_TRUE(Said("\"Good luck on your quest.\""));
    currentCommand = kCommandPray;
    EXPECT_EQ(player.ExecuteCommand(), 0);
    EXPECT_TRUE(Said("You can't sense the Goddess' presence."));
}

TEST_F(SageServices, WithoutASageBesideNothingHappens) {
    sages.push_back(cSage{20, 8, 0, 100, 0});
    EXPECT_FALSE(player.OpenSageMenu());
    EXPECT_EQ(player.TalkToNpc(), 0);
    EXPECT_EQ(Messages(), "");
}

TEST_F(SageServices, EachPaymentRaisesHisLevelByAThird) {
    SageBeside(100);
    player.gold = 1000;
    Type("aXaC");  // the arrow prompt takes capitals only
    EXPECT_TRUE(player.OpenSageMenu());
    EXPECT_EQ(player.ArrowCount(), 50);
    EXPECT_EQ(player.gold, 960);
    EXPECT_EQ(Level(), 113);

    player.hp = 1;
    Type("e");
    player.OpenSageMenu();
    EXPECT_EQ(player.hp, player.maxHp);
    EXPECT_EQ(player.gold, 960 - 56);
    EXPECT_EQ(Level(), 113 + 18);

    sages.back().priceLevel = 100;
    const int32_t ring = Put(kSlotLeftRing, kAimRing, kCursed);
    Type("uky");  // the cursed ring is on the left hand, key k of the picker
    player.OpenSageMenu();
    EXPECT_EQ(player.inventory[static_cast<std::size_t>(ring)].blessing, kUncursed);
    EXPECT_EQ(Level(), 130);
    EXPECT_EQ(player.goldPaidToSages, 40 + 56 + 90);
    EXPECT_TRUE(Said("feels much lighter now."));
}

TEST_F(SageServices, RefusalsTakeNothing) {
    struct Case {
        const char* what;
        const char* keys;
        int32_t gold;
        void (*prepare)();
        const char* said;
    };
    const Case cases[] = {
        {"arrows, too poor", "aA", 3, [] {}, "You don't have enough money."},
        {"healing, too poor", "e", 49, [] { player.hp = 1; }, "You don't have enough gold."},
        {"healthy but tired", "e", 500, [] { player.sp = 0; }, "\"You are already healthy enough.\""},
        {"only dizzy", "e", 500, [] { player.dizziness = 5; }, "\"You are already healthy enough.\""},
        {"heating, too poor", "h", 49, [] {}, "You don't have enough gold."},
        {"already warm", "hH", 500, [] { player.bodyTemperature = 9001; }, "\"You are already warm enough.\"."},
        {"already cold", "h", 500,
         [] {
             player.demonSlainFlags[kFinalDemon] = 1;
             player.bodyTemperature = 999;
         },
         "\"You are already cold enough.\"."},
        {"uncursing declined", "ukn", 500, [] { Put(kSlotLeftRing, kAimRing, kCursed); }, "\"Oh..\""},
        {"uncursing, too poor", "uky", 89, [] { Put(kSlotLeftRing, kAimRing, kCursed); },
         "You don't have enough money!"},
    };
    for (const Case& c : cases) {
        BuildWorld();
        SageBeside(100);
        player.gold = c.gold;
        c.prepare();
        Type(c.keys);
        EXPECT_TRUE(player.OpenSageMenu()) << c.what;
        EXPECT_EQ(player.gold, c.gold) << c.what;
        EXPECT_EQ(Level(), 100) << c.what;
        EXPECT_TRUE(Said(c.said)) << c.what << ": " << Messages();
    }
}

TEST_F(SageServices, HeatingAndCoolingAtTheirEdges) {
    SageBeside(100);
    player.gold = 500;
    player.bodyTemperature = 9000;
    Type("hH");
    player.OpenSageMenu();
    EXPECT_EQ(player.gold, 450);
    EXPECT_TRUE(Said("You feel hot."));

    messageLog.FlushMessages(true);
    player.demonSlainFlags[kFinalDemon] = 1;
    player.bodyTemperature = 1000;
    Type("h");
    player.OpenSageMenu();
    EXPECT_EQ(player.bodyTemperature, 1000);
    EXPECT_TRUE(Said("You feel cold."));
    EXPECT_EQ(player.gold, 450 - 58);
}

TEST_F(SageServices, FiremeadJoinsTheCarriedBottles) {
    SageBeside(100);
    itemKinds[kFood].weight = 3;
    player.gold = 500;
    Type("hFhF");
    player.OpenSageMenu();
    player.OpenSageMenu();
    EXPECT_EQ(QuantityOf(kFood), 2);
    EXPECT_EQ(player.carriedWeight, 6);  // the second bottle weighs at once
    int32_t stacks = 0;
    for (const ItemData& item : player.inventory) stacks += item.kind == kFood;
    EXPECT_EQ(stacks, 1);
}

TEST_F(SageServices, HealingClearsTheAilmentsAndGivesBackFrostbitLife) {
    SageBeside(100);
    player.gold = 50;
    player.poison = 3;
    player.frostbite = 40;
    player.frostbiteMaxHpLoss = 6;
    player.frostbiteHpLoss = 4;
    player.maxHp = 22;
    player.sp = 0;
    player.dizziness = 4;
    Type("E");
    player.OpenSageMenu();
    EXPECT_EQ(player.maxHp, 28);
    EXPECT_EQ(player.hp, 28);
    EXPECT_EQ(player.sp, player.maxSp);
    EXPECT_EQ(player.poison + player.frostbite + player.frostbiteHpLoss + player.frostbiteMaxHpLoss, 0);
    EXPECT_EQ(player.dizziness, 4);
    EXPECT_EQ(player.gold, 0);
}

TEST_F(SageServices, ResurrectionPricesAndTheInsurance) {
    struct Case {
        int32_t deepest;
        bool finalDemonSlain;
        int32_t price;
    };
    for (const Case& c : {Case{0, false, 500}, Case{6, false, 750}, Case{34, false, 1750}, Case{3, true, 2000}}) {
        player.deepestFloor = c.deepest;
        player.demonSlainFlags[kFinalDemon] = c.finalDemonSlain ? 1 : 0;
        EXPECT_EQ(ResurrectionPrice(), c.price) << c.deepest;
    }
    player.demonSlainFlags[kFinalDemon] = 0;
    player.deepestFloor = 0;
    SageBeside(100);

    player.gold = 499;
    Type("r");
    EXPECT_FALSE(player.OpenSageMenu());  // the offer alone takes no turn
    EXPECT_NE(Row(20).find("Unfortunately you don't have the money to pay that."), std::string::npos);
    EXPECT_EQ(player.insured, 0);

    player.gold = 500;
    Type("rn");
    player.OpenSageMenu();
    EXPECT_EQ(player.insured, 0);
    Type("rY");
    player.OpenSageMenu();
    EXPECT_EQ(player.insured, 1);
    EXPECT_EQ(player.gold, 0);
    EXPECT_EQ(player.goldPaidToSages, 500);
    EXPECT_EQ(Level(), 100);

    player.gold = 5000;
    Type("r");
    player.OpenSageMenu();
    EXPECT_TRUE(Said("\"You have already insured yourself.\""));
    EXPECT_EQ(player.gold, 5000);
}

}  // namespace
