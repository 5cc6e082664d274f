// Dropping one item or a whole entry: what reaches the tile, what stays, and
// the equipment slots kept on their items.
#include <string>

#include "items/item_fixtures.h"

namespace {

using namespace items;

class Dropping : public ItemTest {
protected:
    void SetUp() override {
        ItemTest::SetUp();
        potion = KindNamed("potion of healing");
        sword = KindNamed("crude copper sword");
        food = KindNamed("firemead");
    }
    int32_t potion = 0;
    int32_t sword = 0;
    int32_t food = 0;
};

TEST_F(Dropping, TheResultTellsWhetherTheLastOfSeveralEntriesWent) {
    player.inventory = {Item(food)};
    EXPECT_FALSE(player.DropItem(0, false, false));  // the only entry
    EXPECT_TRUE(player.inventory.empty());

    player.inventory = {Item(food), Item(sword), Item(KindNamed("arrow"))};
    EXPECT_TRUE(player.DropItem(2, false, false));
    EXPECT_FALSE(player.DropItem(0, false, false));
    EXPECT_EQ(InventoryNames(), "crude copper sword");
    EXPECT_EQ(PlayerTileHere().items.size(), 2u);
}

TEST_F(Dropping, OneOfAStackOrTheWholeOfIt) {
    player.inventory = {Item(potion, 4, kNoPrefix, kBlessed)};
    EXPECT_FALSE(player.DropItem(0, false, false));
    EXPECT_EQ(player.inventory[0].quantity, 3);
    ASSERT_EQ(PlayerTileHere().items.size(), 1u);
    EXPECT_EQ(PlayerTileHere().items[0].quantity, 1);

    // The whole stack joins the potion already lying there.
    EXPECT_FALSE(player.DropItem(0, true, false));
    EXPECT_TRUE(player.inventory.empty());
    ASSERT_EQ(PlayerTileHere().items.size(), 1u);
    EXPECT_EQ(PlayerTileHere().items[0].quantity, 4);

    // Onto a tile without that kind it makes one entry, keeping the stack's blessing.
    player.x = 20;
    player.inventory = {Item(potion, 4, kNoPrefix, kBlessed)};
    player.DropItem(0, true, false);
    ASSERT_EQ(PlayerTileHere().items.size(), 1u);
    EXPECT_EQ(PlayerTileHere().items[0].quantity, 4);
    EXPECT_EQ(PlayerTileHere().items[0].blessing, kBlessed);
}

TEST_F(Dropping, TheItemLandsAsItWas) {
    ItemData worn = Item(sword, 1, kPrefixFrosty, kCursed, 0);
    worn.durability = 3;
    player.inventory = {worn};
    const uint32_t before = rng.BRandom();
    rng.RandomInit(kTestSeed);
    player.DropItem(0, false, false);
    EXPECT_EQ(rng.BRandom(), before);  // nothing rolled
    const ItemData& lying = PlayerTileHere().items.at(0);
    EXPECT_EQ(lying.durability, 3);
    EXPECT_EQ(lying.prefix, kPrefixFrosty);
    EXPECT_EQ(lying.blessing, kCursed);
    EXPECT_EQ(lying.identified, 0);
}

TEST_F(Dropping, WornItemsStayInTheirSlotsWhenAnEntryBeforeThemGoes) {
    player.inventory = {Item(food), Item(KindNamed("linen shirt")), Item(sword), Item(KindNamed("flintstone"), 9)};
    player.equipSlots[kSlotClothShirt] = 1;
    player.equipSlots[kSlotMainWeapon] = 2;
    player.equipSlots[kSlotThrownWeapon] = 3;
    player.DropItem(0, false, false);
    EXPECT_EQ(InventoryNames(), "linen shirt, crude copper sword, flintstone x9");
    EXPECT_EQ(player.equipSlots[kSlotClothShirt], 0);
    EXPECT_EQ(player.equipSlots[kSlotMainWeapon], 1);
    EXPECT_EQ(player.equipSlots[kSlotThrownWeapon], 2);
}

TEST_F(Dropping, AWholeStackThatAFullTileCannotTakeStaysInTheHand) {
    // Swords never stack on a tile; twenty-one lie here, so only one more fits.
    for (int32_t i = 0; i < kMaxTileItems - 1; ++i) PlayerTileHere().items.push_back(Item(sword));
    player.inventory = {Item(sword, 3)};
    EXPECT_FALSE(player.DropItem(0, true, false));
    EXPECT_EQ(PlayerTileHere().items.size(), static_cast<std::size_t>(kMaxTileItems));
    ASSERT_EQ(player.inventory.size(), 1u);
    EXPECT_EQ(player.inventory[0].quantity, 2);
}

TEST_F(Dropping, AnAltarOrAVeilSpiritGetsItsHintOnce) {
    struct Case {
        char glyph;
        bool hint;
        bool said;
    };
    const Case cases[] = {{'_', true, true}, {'-', true, true}, {'_', false, false}, {'.', true, false}};
    for (const Case& c : cases) {
        messageLog = MessageLog();
        PlayerTileHere().glyph = c.glyph;
        player.inventory = {Item(food)};
        player.DropItem(0, false, c.hint);
        EXPECT_EQ(Messages(), c.said ? "You do realize that this dungeon feature isn't used by dropping items on it? "
                                       "Press 'u' to use it."
                                     : "")
            << c.glyph << c.hint;
    }
}

TEST_F(Dropping, TheWeightFallsWithTheLoad) {
    player.strength = 8;  // carries 200, burdened above 150
    player.inventory = {Item(KindNamed("crude copper axe"), 8)};
    player.RecomputePlayerStats();
    EXPECT_EQ(player.burdened, 1);
    player.DropItem(0, false, false);
    EXPECT_EQ(player.carriedWeight, 7 * itemKinds[KindNamed("crude copper axe")].weight);
    EXPECT_EQ(player.burdened, 0);
    EXPECT_EQ(Messages(), "You feel burdened. You feel less burdened.");
}

}  // namespace
