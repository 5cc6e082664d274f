// The deep smith: the pay-what-you-like menu, repair, destruction of cursed
// gear, crafting from materials and the exchange of materials.
#include <curses.h>

#include "folk/crafting_rules.h"
#include "folk/folk_fixture.h"
#include "folk/folk_prompts.h"
#include "folk/smith_prices.h"
#include "support/game_state.h"
#include "toolkit/random_mother.h"

namespace {

class DeepSmith : public FolkTest {
protected:
    void SetUp() override {
        FolkTest::SetUp();
        floorArray[0].At(13, 8).glyph = kDeepSmithGlyph;
    }
};

TEST_F(DeepSmith, TheShareRowsAndAZeroShare) {
    player.gold = 9;
    DrawShareRows(player.gold);
    EXPECT_EQ(TextAt(20, 0, 40), "(A) 0$, (B) 1$, (C) 2$, (D) 3$, (E) 4$  ");
    EXPECT_EQ(TextAt(21, 0, 57), "(F) 5$, (G) 6$, (H) 7$, (I) 8$, (J) 9$ (all of your gold)");

    Own(kSword);
    player.inventory[0].durability = 3;
    Type("rrXa");  // the menu waits for a share letter
    EXPECT_EQ(player.TalkToNpc(), 1);
    EXPECT_TRUE(Said("Zero gold isn't enough."));
    EXPECT_EQ(player.inventory[0].durability, 3);
    EXPECT_EQ(player.gold, 9);
}

TEST_F(DeepSmith, RepairGainsForTheGoldPaid) {
    struct Case {
        int32_t depth;
        int32_t type;
        int32_t paid;
        int32_t gain;
    };
    const Case cases[] = {
        {5, kItemWeapon, 90, 15}, {5, kItemCloth, 90, 10}, {5, kItemWeapon, 180, 30},
        {5, kItemWeapon, 2, 0},  // too little for a single point
        {16, kItemWeapon, 376, 30}, {16, kItemWeapon, 375, 29},  // the full price is 376, not 378
        {0, kItemWeapon, 45, 15},
        {-5, kItemWeapon, 1, 30},  // a kind that costs nothing to mend: any payment mends it whole
    };
    for (const Case& c : cases) {
        ItemKind kind;
        kind.type = c.type;
        kind.depthLevel = c.depth;
        EXPECT_EQ(RepairGain(kind, c.paid), c.gain) << c.depth << " " << c.paid;
    }
    ItemKind special;
    special.type = kItemWeapon;
    special.depthLevel = 5;
    special.special = 1;
    EXPECT_EQ(RepairGain(special, 180), 15);
}

TEST_F(DeepSmith, RepairTakesTheShareAndStopsAtTheMaximum) {
    itemKinds[kSword].depthLevel = 5;
    Own(kSword);
    player.inventory[0].durability = 10;
    player.gold = 1000;
    Type("RrJy");  // all the gold: far more than a full repair
    player.TalkToNpc();
    EXPECT_EQ(player.inventory[0].durability, itemKinds[kSword].maxDurability);
    EXPECT_EQ(player.gold, 0);
    EXPECT_EQ(player.goldPaidToSmiths, 1000);
    EXPECT_TRUE(Said("\"Good as new!\""));

    player.gold = 100;
    player.inventory[0].durability = 10;
    Type("rrEn");
    player.TalkToNpc();
    EXPECT_TRUE(Said("\"Well, it's your funeral...\""));
    EXPECT_EQ(player.gold, 100);
}

TEST_F(DeepSmith, DestructionPrices) {
    ItemData chest;
    chest.kind = kCuirass;
    chest.durability = 12;
    EXPECT_EQ(DestructionPrice(chest, 6), 120);
    chest.durability = 0;
    EXPECT_EQ(DestructionPrice(chest, 6), 0);
    ItemData ring;
    ring.kind = kAimRing;
    EXPECT_EQ(DestructionPrice(ring, 34), 900);
    EXPECT_EQ(DestructionPrice(ring, 5), 150);
}

TEST_F(DeepSmith, DestroysACursedLeftRingAndRenumbersTheSlots) {
    Own(kPotion);
    Put(kSlotLeftRing, kAimRing, kCursed);
    Put(kSlotRightRing, kSpeedRing);
    player.gold = 150;  // exactly the price
    Type("dky  ");  // the story runs past -More-
    EXPECT_EQ(player.TalkToNpc(), 1);
    EXPECT_EQ(player.gold, 0);
    EXPECT_EQ(player.equipSlots[kSlotLeftRing], kEmptySlot);
    EXPECT_EQ(KindIn(kSlotRightRing), kSpeedRing);
    EXPECT_EQ(QuantityOf(kAimRing), 0);
    EXPECT_EQ(static_cast<int32_t>(player.inventory.size()), 2);
    EXPECT_TRUE(Said("on the ground, split in half."));

    messageLog.FlushMessages(true);
    Put(kSlotHelmet, kHelmet, kCursed);
    player.gold = 10;
    Type("dhy");
    player.TalkToNpc();
    EXPECT_TRUE(Said("You don't have enough money!"));
    EXPECT_EQ(KindIn(kSlotHelmet), kHelmet);
}

TEST_F(DeepSmith, CraftedItemByGoldPaid) {
    // A material of power 2 made into a two-handed weapon.
    struct Case {
        int32_t paid;
        int32_t prefix;
        int32_t depth;
        int32_t durabilityBase;  // before the smith's roll of 0 to 4
    };
    const CraftWish axe{kItemWeapon, kSubtypeTwoHanded};
    const Case cases[] = {
        {150, kNoPrefix, 10, 12}, {149, kPrefixPoorQuality, 10, 12}, {200, kNoPrefix, 15, 16},
        {399, kNoPrefix, 15, 30}, {400, kPrefixHighQuality, 15, 31},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CraftedPrefix(2, c.paid), c.prefix) << c.paid;
        EXPECT_EQ(CraftedDepthLevel(axe, 2, c.paid), c.depth) << c.paid;
        EXPECT_EQ(CraftedDurability(0, 2, c.paid), std::min(c.durabilityBase, 30)) << c.paid;
        EXPECT_EQ(CraftedDurability(4, 2, c.paid), std::min(c.durabilityBase + 4, 30)) << c.paid;
    }
    // Armour is always of the deeper kind.
    EXPECT_EQ(CraftedDepthLevel(CraftWish{kItemArmour, kSubtypeHelmet}, 2, 10), 15);
    // A purse of millions does not overflow the durability.
    EXPECT_EQ(CraftedDurability(0, 2, 2000000000), 30);
    EXPECT_EQ(FindCraftedKind(axe, 10), kForgedAxe);  // the special kind before it is passed over
}

TEST_F(DeepSmith, CraftsFromOneUnitOfAStack) {
    const uint32_t seed = FindSeed([](RandomMother& r) { return r.Random(5) == 4; });
    ASSERT_NE(seed, 0u);
    rng.RandomInit(seed);
    OwnStack(kIronOre, 3);
    player.gold = 150;
    // Crafting, space, select the ore, a melee weapon, two-handed, all 150 gold, yes.
    Type("c s" "MTJy  ");  // the story runs past -More-
    player.TalkToNpc();
    EXPECT_EQ(QuantityOf(kIronOre), 2);
    ASSERT_EQ(QuantityOf(kForgedAxe), 1);
    for (const ItemData& item : player.inventory) {
        if (item.kind != kForgedAxe) continue;
        EXPECT_EQ(item.durability, 16);  // 1 + 4 + 11: the roll at its top
        EXPECT_EQ(item.prefix, kNoPrefix);
        EXPECT_EQ(item.identified, 1);
    }
    EXPECT_EQ(player.gold, 0);
    EXPECT_EQ(player.goldPaidToSmiths, 150);
}

TEST_F(DeepSmith, CraftingRefusalsTakeNothing) {
    struct Case {
        const char* what;
        int32_t material;
        const char* keys;
        const char* said;
    };
    const Case cases[] = {
        {"nothing to craft from", -1, "c", "You don't have any material items to craft."},
        {"declined", kCopperOre, "c 2sTJn", "\"Perhaps some other time then.\""},
        {"no such kind is known", kGoldOre, "c 2sCJy", "\"I don't know how to forge such a thing from that material.\""},
        {"a material without power", kOddOre, "c 2s", "\"I can't make anything out of that material.\""},
        {"left the list", kCopperOre, "c z", ""},
    };
    for (const Case& c : cases) {
        BuildWorld();
        floorArray[0].At(13, 8).glyph = kDeepSmithGlyph;
        Own(kSword);
        if (c.material >= 0) Own(c.material);
        player.gold = 500;
        const std::size_t before = player.inventory.size();
        Type(c.keys);
        EXPECT_EQ(player.TalkToNpc(), 1) << c.what;
        EXPECT_EQ(player.gold, 500) << c.what;
        EXPECT_EQ(player.inventory.size(), before) << c.what;
        EXPECT_TRUE(Said(c.said)) << c.what << ": " << Messages();
    }
}

TEST_F(DeepSmith, ExchangeOffersTheFirstOfManyAndJoinsACarriedStack) {
    EXPECT_EQ(ExchangeCandidates(kIronOre), (std::vector<int32_t>{kCopperOre, kSilverOre, kGoldOre}));
    OwnStack(kIronOre, 2);
    OwnStack(kCopperOre, 1);
    player.gold = 60;
    Type("e s" "bBa");  // B is no key with three candidates
    player.TalkToNpc();
    EXPECT_NE(Row(20).find("(A) copper ore"), std::string::npos);
    EXPECT_EQ(Row(20).find("(B)"), std::string::npos);
    EXPECT_EQ(QuantityOf(kIronOre), 1);
    EXPECT_EQ(QuantityOf(kCopperOre), 2);
    EXPECT_EQ(player.inventory.size(), 2u);
    EXPECT_EQ(player.gold, 0);
    EXPECT_TRUE(Said("You exchange the materials."));
}

TEST_F(DeepSmith, ExchangeOfTheLastUnitIntoANewKind) {
    itemKinds[kGoldOre].inUse = 0;  // left: iron and silver, two to choose from
    OwnStack(kCopperOre, 1);
    player.gold = 60;
    Type("e sb");
    player.TalkToNpc();
    EXPECT_EQ(QuantityOf(kCopperOre), 0);
    EXPECT_EQ(QuantityOf(kSilverOre), 1);
    EXPECT_EQ(player.inventory.size(), 1u);
}

TEST_F(DeepSmith, ExchangeRefusals) {
    struct Case {
        const char* what;
        int32_t material;
        int32_t gold;
        const char* keys;
        const char* said;
    };
    const Case cases[] = {
        {"nothing to trade", -1, 100, "e", "You don't have any material items to exchange."},
        {"cancelled though too poor", kIronOre, 0, "e s\x1bz", "\"Come back if you change your mind!\""},
        {"too poor", kIronOre, 59, "e sa", "You don't have enough money!"},
        {"nothing of its power", kLoneOre, 500, "e s", "\"I have nothing to trade that material into.\""},
    };
    for (const Case& c : cases) {
        BuildWorld();
        floorArray[0].At(13, 8).glyph = kDeepSmithGlyph;
        if (c.material >= 0) Own(c.material);
        player.gold = c.gold;
        Type(c.keys);
        player.TalkToNpc();
        EXPECT_EQ(player.gold, c.gold) << c.what;
        EXPECT_EQ(QuantityOf(c.material), c.material >= 0 ? 1 : 0) << c.what;
        EXPECT_TRUE(Said(c.said)) << c.what << ": " << Messages();
    }
}

TEST_F(DeepSmith, TheSmithIsFoundBeforeTheSageInVisitingOrder) {
    sages.push_back(cSage{11, 6, 0, 100, 0});  // north-west: visited first
    Type("z");
    EXPECT_EQ(player.TalkToNpc(), 1);
    EXPECT_TRUE(Said("\"Good luck on your quest.\""));

    sages.clear();
    Type("xz");  // the smith's menu ignores other keys; leaving still takes the turn
    EXPECT_EQ(player.TalkToNpc(), 1);
    EXPECT_NE(Row(20).find("(R)epair an item     | (D)estroy a piece of cursed equipment   | (S)ell items"),
              std::string::npos);
    EXPECT_TRUE(Said("\"Come back soon!\""));
}

}  // namespace
