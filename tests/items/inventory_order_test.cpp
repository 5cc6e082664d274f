// The inventory's order after a sort, and the equipment slots following their
// items through sorts and removals.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "items/inventory.h"
#include "items/item_fixtures.h"

namespace {

using namespace items;

// Hand-made kinds, one or two of each type, numbered apart from their type order.
enum : int32_t {
    kValuable = 1,
    kMaterial = 2,
    kAmmunition = 3,
    kAccessory = 4,
    kSecondSword = 5,
    kSword = 6,
    kArmour = 7,
    kCloth = 8,
    kFood = 9,
    kPotionA = 10,
    kPotionB = 11,
    kWand = 12,
};

class InventoryOrder : public ::testing::Test {
protected:
    void SetUp() override {
        ResetGameState();
        DefineKind(kValuable, kItemValuable, "valuable");
        DefineKind(kMaterial, kItemMaterial, "material");
        DefineKind(kAmmunition, kItemAmmunition, "ammunition");
        DefineKind(kAccessory, kItemAccessory, "accessory", kSubtypeRing);
        DefineKind(kSecondSword, kItemWeapon, "second sword");
        DefineKind(kSword, kItemWeapon, "sword");
        DefineKind(kArmour, kItemArmour, "armour", kSubtypeHelmet);
        DefineKind(kCloth, kItemCloth, "cloth", kSubtypeChest);
        DefineKind(kFood, kItemFood, "food");
        DefineKind(kPotionA, kItemPotion, "potion a");
        DefineKind(kPotionB, kItemPotion, "potion b");
        DefineKind(kWand, kItemWand, "wand");
        for (uint8_t& known : player.identifiedKinds) known = 1;
    }
    void TearDown() override { ResetGameState(); }

    // Carries items of the kinds in this order; each carries its position as its durability, a tag.
    static void CarryInOrder(const std::vector<int32_t>& kinds) {
        for (int32_t kind : kinds) {
            ItemData item = Item(kind);
            item.durability = static_cast<int32_t>(player.inventory.size());
            player.inventory.push_back(item);
        }
    }
    static std::vector<int32_t> Kinds() {
        std::vector<int32_t> kinds;
        for (const ItemData& item : player.inventory) kinds.push_back(item.kind);
        return kinds;
    }
    // The tag of the item the slot names now.
    static int32_t TagIn(int32_t slot) { return player.inventory[static_cast<std::size_t>(player.equipSlots[slot])].durability; }
};

TEST_F(InventoryOrder, TypesComeInTheirOrderAndSlotsFollowTheirItems) {
    CarryInOrder({kValuable, kMaterial, kAmmunition, kAccessory, kSword, kArmour, kCloth, kFood, kPotionA, kWand});
    player.equipSlots[kSlotThrownWeapon] = 2;
    player.equipSlots[kSlotRightRing] = 3;
    player.equipSlots[kSlotMainWeapon] = 4;
    player.equipSlots[kSlotHelmet] = 5;
    player.equipSlots[kSlotClothShirt] = 6;
    player.SortInventory();
    EXPECT_EQ(Kinds(), (std::vector<int32_t>{kWand, kPotionA, kFood, kCloth, kArmour, kSword, kAccessory, kAmmunition,
                                             kMaterial, kValuable}));
    EXPECT_EQ(TagIn(kSlotThrownWeapon), 2);
    EXPECT_EQ(TagIn(kSlotRightRing), 3);
    EXPECT_EQ(TagIn(kSlotMainWeapon), 4);
    EXPECT_EQ(TagIn(kSlotHelmet), 5);
    EXPECT_EQ(TagIn(kSlotClothShirt), 6);
    EXPECT_EQ(player.equipSlots[kSlotShield], -1);

    const std::vector<ItemData> once = player.inventory;
    int32_t slots[kEquipSlotCount];
    std::copy(std::begin(player.equipSlots), std::end(player.equipSlots), slots);
    player.SortInventory();
    EXPECT_EQ(Kinds(), (std::vector<int32_t>{kWand, kPotionA, kFood, kCloth, kArmour, kSword, kAccessory, kAmmunition,
                                             kMaterial, kValuable}));
    for (std::size_t i = 0; i < once.size(); ++i) EXPECT_EQ(player.inventory[i].durability, once[i].durability);
    for (int32_t s = 0; s < kEquipSlotCount; ++s) EXPECT_EQ(player.equipSlots[s], slots[s]) << s;
}

TEST_F(InventoryOrder, KindsOrderMostTypesButPotionsKeepTheirFoundOrder) {
    CarryInOrder({kSword, kPotionB, kSecondSword, kPotionA, kSword});
    player.SortInventory();
    // Swords by kind index, the two of one kind in their old order; potions as found.
    EXPECT_EQ(Kinds(), (std::vector<int32_t>{kPotionB, kPotionA, kSecondSword, kSword, kSword}));
    EXPECT_EQ(player.inventory[3].durability, 0);
    EXPECT_EQ(player.inventory[4].durability, 4);

    // Once only the later potion's kind is known, it comes first.
    player.identifiedKinds[kPotionB] = 0;
    player.SortInventory();
    EXPECT_EQ(Kinds(), (std::vector<int32_t>{kPotionA, kPotionB, kSecondSword, kSword, kSword}));
}

TEST_F(InventoryOrder, TwoWeaponsOfOneKindKeepTheirHands) {
    CarryInOrder({kSword, kArmour, kSword});
    player.equipSlots[kSlotMainWeapon] = 2;
    player.equipSlots[kSlotSecondWeapon] = 0;
    player.SortInventory();
    EXPECT_EQ(Kinds(), (std::vector<int32_t>{kArmour, kSword, kSword}));
    EXPECT_EQ(TagIn(kSlotMainWeapon), 2);
    EXPECT_EQ(TagIn(kSlotSecondWeapon), 0);
}

TEST_F(InventoryOrder, ASlotMovesOncePerPass) {
    // The valuable goes from 0 to 4 while the wand goes from 4 to 0: the wand's slot,
    // just moved to 0, must not follow the valuable on to 4.
    CarryInOrder({kValuable, kFood, kCloth, kArmour, kWand});
    player.equipSlots[kSlotShield] = 0;
    player.equipSlots[kSlotMainWeapon] = 4;
    player.SortInventory();
    EXPECT_EQ(player.equipSlots[kSlotShield], 4);
    EXPECT_EQ(player.equipSlots[kSlotMainWeapon], 0);
}

TEST_F(InventoryOrder, AnEntryOfADamagedKindIsKeptAtTheEnd) {
    CarryInOrder({kSword, kFood});
    player.inventory.push_back(Item(kFood));
    player.inventory.back().kind = 300;
    DefineKind(20, -1, "typeless");
    CarryInOrder({20});
    player.equipSlots[kSlotAmulet] = 3;
    player.SortInventory();
    ASSERT_EQ(player.inventory.size(), 4u);
    EXPECT_EQ(Kinds(), (std::vector<int32_t>{kFood, kSword, 20, 300}));
    EXPECT_EQ(TagIn(kSlotAmulet), 3);
}

TEST_F(InventoryOrder, AnEmptyInventoryStaysEmpty) {
    player.SortInventory();
    EXPECT_TRUE(player.inventory.empty());
    player.FixSlotsAfterErase(0);
    for (int32_t slot : player.equipSlots) EXPECT_EQ(slot, -1);
}

TEST_F(InventoryOrder, SlotsAboveAnErasedEntryMoveDown) {
    player.equipSlots[kSlotShield] = 5;
    player.equipSlots[kSlotHelmet] = 3;
    player.equipSlots[kSlotMainWeapon] = 1;
    player.FixSlotsAfterErase(3);
    EXPECT_EQ(player.equipSlots[kSlotShield], 4);
    EXPECT_EQ(player.equipSlots[kSlotHelmet], 3);  // the caller empties it
    EXPECT_EQ(player.equipSlots[kSlotMainWeapon], 1);
    EXPECT_EQ(player.equipSlots[kSlotBoots], -1);
}

TEST_F(InventoryOrder, RemovingAnEntryEmptiesEverySlotThatNamedIt) {
    CarryInOrder({kFood, kSword, kArmour, kCloth});
    player.equipSlots[kSlotMainWeapon] = 1;
    player.equipSlots[kSlotMainHandSwap] = 1;  // two slots on one item
    player.equipSlots[kSlotHelmet] = 2;
    player.equipSlots[kSlotClothShirt] = 3;
    RemoveInventoryEntry(1);
    EXPECT_EQ(Kinds(), (std::vector<int32_t>{kFood, kArmour, kCloth}));
    EXPECT_EQ(player.equipSlots[kSlotMainWeapon], -1);
    EXPECT_EQ(player.equipSlots[kSlotMainHandSwap], -1);
    EXPECT_EQ(TagIn(kSlotHelmet), 2);
    EXPECT_EQ(TagIn(kSlotClothShirt), 3);
}

TEST_F(InventoryOrder, StackingKindsJoinTheFirstEntryOfTheirKind) {
    CarryInOrder({kSword, kPotionA, kPotionA});
    TakeIntoInventory(Item(kPotionA, 4, kNoPrefix, kBlessed));  // the blessing is not compared
    TakeIntoInventory(Item(kSword));
    TakeIntoInventory(Item(kAmmunition, 12));
    EXPECT_EQ(Kinds(), (std::vector<int32_t>{kSword, kPotionA, kPotionA, kSword, kAmmunition}));
    EXPECT_EQ(player.inventory[1].quantity, 5);
    EXPECT_EQ(player.inventory[1].blessing, kUncursed);
    EXPECT_EQ(player.inventory[4].quantity, 12);
}

}  // namespace
