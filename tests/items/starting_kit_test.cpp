// The starting kit of every weaponry, on the ordinary and the shortcut start,
// and the arrow stack it fills.
#include <map>
#include <string>

#include "items/item_fixtures.h"
#include "shell/status_panel.h"

namespace {

using namespace items;

const std::map<int32_t, const char*> kSlotNames = {
    {kSlotMainWeapon, "main"},       {kSlotSecondWeapon, "second"},   {kSlotThrownWeapon, "thrown"},
    {kSlotShield, "shield"},         {kSlotChest, "chest"},           {kSlotBoots, "boots"},
    {kSlotHelmet, "helmet"},         {kSlotLeggings, "leggings"},     {kSlotGauntlets, "gauntlets"},
    {kSlotClothShirt, "shirt"},      {kSlotClothSocks, "socks"},      {kSlotClothCap, "cap"},
    {kSlotClothTrousers, "trousers"}, {kSlotClothGloves, "gloves"},   {kSlotMainHandSwap, "swap"},
};

// Every filled slot as "slot: kind name", in slot order.
std::string Worn() {
    std::string worn;
    for (const auto& [slot, label] : kSlotNames) {
        const int32_t index = player.equipSlots[slot];
        if (index < 0) continue;
        if (!worn.empty()) worn += "; ";
        worn += std::string(label) + ": " + itemKinds[player.inventory[static_cast<std::size_t>(index)].kind].name;
    }
    return worn;
}

using StartingKit = ItemTest;

TEST_F(StartingKit, TheOrdinaryKitOfEachWeaponry) {
    struct Case {
        int32_t training;
        int32_t weaponry;
        const char* inventory;
        const char* worn;
    };
    const Case cases[] = {
        {kTrainingWarrior, 1, "firemead, crude copper axe, flintstone x15", "main: crude copper axe; thrown: flintstone"},
        {kTrainingWarrior, 2, "firemead, wooden small shield, crude copper sword, flintstone x15",
         "main: crude copper sword; thrown: flintstone; shield: wooden small shield"},
        {kTrainingRanger, 3, "firemead, crude copper sword, crude copper sword, flintstone x25",
         "main: crude copper sword; second: crude copper sword; thrown: flintstone"},
        {kTrainingRanger, 4, "firemead, crude willow bow, crude copper sword, arrow x75, flintstone x25",
         "main: crude copper sword; thrown: flintstone; swap: crude willow bow"},
        {kTrainingArcher, 5, "firemead, crude willow bow, arrow x200, flintstone x20",
         "main: crude willow bow; thrown: flintstone"},
        {kTrainingArcher, 6, "firemead, crude willow bow, crude copper sword, arrow x150, flintstone x20",
         "main: crude willow bow; thrown: flintstone; swap: crude copper sword"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.weaponry);
        ResetGameState();
        player.training = c.training;
        player.ammoAutoPickup = 0;
        player.GiveStartingKit(c.weaponry);
        EXPECT_EQ(InventoryNames(), c.inventory);
        EXPECT_EQ(Worn(), c.worn);
        EXPECT_EQ(player.ammoAutoPickup, c.weaponry == 4 ? 1 : 0);
        if (c.weaponry == 3) {
            EXPECT_NE(player.equipSlots[kSlotMainWeapon], player.equipSlots[kSlotSecondWeapon]);
        }
        for (const ItemData& item : player.inventory) {
            const ItemKind& kind = itemKinds[item.kind];
            EXPECT_EQ(item.identified, 1) << kind.name;
            EXPECT_EQ(item.blessing, kUncursed) << kind.name;
            EXPECT_EQ(item.prefix, kNoPrefix) << kind.name;
            EXPECT_EQ(item.durability, item.kind == arrowKindIndex ? kNoDurability : kind.maxDurability) << kind.name;
        }
    }
}

TEST_F(StartingKit, TheShortcutKitAddsBronzeLeatherAndLinen) {
    struct Case {
        int32_t training;
        int32_t weaponry;
        const char* weapons;
        const char* worn;
    };
    const Case cases[] = {
        {kTrainingWarrior, 1, "crude bronze spear, dart x15", "main: crude bronze spear; thrown: dart"},
        {kTrainingWarrior, 2, "bronze triangle shield, crude bronze hand axe, dart x15",
         "main: crude bronze hand axe; thrown: dart; shield: bronze triangle shield"},
        {kTrainingRanger, 3, "crude bronze hand axe, crude bronze hand axe, dart x25",
         "main: crude bronze hand axe; second: crude bronze hand axe; thrown: dart"},
        {kTrainingRanger, 4, "crude juniper bow, crude bronze hand axe, arrow x75, dart x25",
         "main: crude bronze hand axe; thrown: dart; swap: crude juniper bow"},
        {kTrainingArcher, 5, "crude juniper bow, arrow x200, dart x20", "main: crude juniper bow; thrown: dart"},
        {kTrainingArcher, 6, "crude juniper bow, crude bronze hand axe, arrow x150, dart x20",
         "main: crude juniper bow; thrown: dart; swap: crude bronze hand axe"},
    };
    const std::string clothesAndArmour =
        "firemead x3, linen hat, linen mittens, linen trousers, linen socks, linen shirt, leather helmet, "
        "leather gauntlets, leather greaves, leather boots, leather cuirass";
    const std::string wornClothesAndArmour =
        "chest: leather cuirass; boots: leather boots; helmet: leather helmet; leggings: leather greaves; "
        "gauntlets: leather gauntlets; shirt: linen shirt; socks: linen socks; cap: linen hat; "
        "trousers: linen trousers; gloves: linen mittens";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.weaponry);
        ResetGameState();
        player.startMode = 1;
        player.training = c.training;
        player.GiveStartingKit(c.weaponry);
        // Worn in slot order: the hands, the armour, the clothes, the swap.
        std::string worn = c.worn;
        const std::size_t swap = worn.find("; swap:");
        const std::string swapPart = swap == std::string::npos ? "" : worn.substr(swap);
        worn = worn.substr(0, swap) + "; " + wornClothesAndArmour + swapPart;
        EXPECT_EQ(InventoryNames(), clothesAndArmour + ", " + c.weapons);
        EXPECT_EQ(Worn(), worn);
        for (const ItemData& item : player.inventory) {
            const ItemKind& kind = itemKinds[item.kind];
            const bool leather = kind.type == kItemArmour && kind.subtype != kSubtypeShield;
            const int32_t given = kind.type == kItemCloth ? 15 : leather ? 20 : kind.maxDurability;
            EXPECT_EQ(item.durability, item.kind == arrowKindIndex ? kNoDurability : given) << kind.name;
        }
    }
}

TEST_F(StartingKit, KindsMissingFromTheDataLeaveTheRestInPlace) {
    // No thrown missile and no food: nothing else is taken off for them.
    std::strcpy(itemKinds[KindNamed("flintstone")].name, "pebble");
    std::strcpy(itemKinds[KindNamed("firemead")].name, "mead");
    player.training = kTrainingWarrior;
    player.GiveStartingKit(1);
    EXPECT_EQ(InventoryNames(), "crude copper axe");
    EXPECT_EQ(Worn(), "main: crude copper axe");

    // No bow: the arrows come all the same, and nothing is readied.
    ResetGameState();
    UseGameItems();
    std::strcpy(itemKinds[KindNamed("crude willow bow")].name, "bent stick");
    player.training = kTrainingRanger;
    player.GiveStartingKit(4);
    EXPECT_EQ(InventoryNames(), "firemead, crude copper sword, arrow x75, flintstone x25");
    EXPECT_EQ(Worn(), "main: crude copper sword; thrown: flintstone");
}

TEST_F(StartingKit, ABowSortedAfterTheSwordIsStillTheOneReadied) {
    // Data whose bow comes after the one-handed weapon: the readied slot names
    // the bow, never the sword in the hand.
    const int32_t bow = KindNamed("crude willow bow");
    const int32_t later = KindNamed("steel sabre");
    std::strcpy(itemKinds[bow].name, "old bow");
    itemKinds[later] = itemKinds[bow];
    std::strcpy(itemKinds[later].name, "crude willow bow");
    player.training = kTrainingRanger;
    player.GiveStartingKit(4);
    EXPECT_EQ(Worn(), "main: crude copper sword; thrown: flintstone; swap: crude willow bow");

    ResetGameState();
    player.training = kTrainingArcher;
    player.GiveStartingKit(6);
    EXPECT_EQ(Worn(), "main: crude willow bow; thrown: flintstone; swap: crude copper sword");
}

TEST_F(StartingKit, TheKitIsLightEnoughForTheWeakestCharacter) {
    // The weakest start is an elf archer who trains another attribute: strength 8.
    for (int32_t weaponry = 1; weaponry <= 6; ++weaponry) {
        ResetGameState();
        player.startMode = 1;
        player.training = kTrainingRanger;  // the most missiles
        player.strength = 8;
        player.GiveStartingKit(weaponry);
        player.RecomputePlayerStats();
        EXPECT_EQ(player.burdened, 0) << weaponry << ": " << player.carriedWeight << " of " << player.carryingCapacity;
    }
}

class ArrowStack : public ItemTest {};

TEST_F(ArrowStack, ArrowsJoinTheStackOrStartOneInItsPlace) {
    const int32_t sword = Carry(KindNamed("crude copper sword"));
    player.equipSlots[kSlotMainWeapon] = sword;
    Carry(KindNamed("flintstone"));
    player.equipSlots[kSlotThrownWeapon] = 1;
    EXPECT_EQ(player.ArrowCount(), 0);
    player.AddArrows(12);  // a new stack, sorted in between
    EXPECT_EQ(InventoryNames(), "crude copper sword, arrow x12, flintstone");
    EXPECT_EQ(player.equipSlots[kSlotThrownWeapon], 2);
    EXPECT_EQ(player.equipSlots[kSlotMainWeapon], 0);
    player.AddArrows(5);
    EXPECT_EQ(InventoryNames(), "crude copper sword, arrow x17, flintstone");
    EXPECT_EQ(player.ArrowCount(), 17);
    player.inventory[1].quantity = 1;
    EXPECT_EQ(player.ArrowCount(), 1);
}

TEST_F(ArrowStack, TheAutomaticPickUpTogglesWithItsMessage) {
    EXPECT_EQ(player.ammoAutoPickup, 1);  // a new character's
    player.ToggleAmmoAutoPickup();
    EXPECT_EQ(player.ammoAutoPickup, 0);
    player.ToggleAmmoAutoPickup();
    EXPECT_EQ(player.ammoAutoPickup, 1);
    EXPECT_EQ(Messages(), "The auto pick up of ammunition is off. The auto pick up of ammunition is on.");
}

// The kit as the status panel and the character pages show it.
class KitOnScreen : public ItemScreenTest {
protected:
    void SetUp() override {
        ItemScreenTest::SetUp();
        player.strength = 15;
        player.dexterity = 8;
        player.agility = 9;
        player.profThrown = 1;
    }
    bool ShowCharacterPage() {
        player.RecomputePlayerStats();
        return RunUntilItWaitsForAKey([] { player.ShowCharacterInfo(); });
    }
};

TEST_F(KitOnScreen, TheArrowCountShowsWhileTheBowIsInHand) {
    player.training = kTrainingArcher;
    player.GiveStartingKit(5);
    DrawStatusPanel();
    EXPECT_EQ(TextAt(24, 0, 14), "Arw: 200 $: 0 ");
    ResetGameState();
    player.training = kTrainingRanger;
    player.GiveStartingKit(4);  // the bow only readied
    DrawStatusPanel();
    EXPECT_EQ(TextAt(24, 0, 5), "$: 0 ");
}

TEST_F(KitOnScreen, TheCharacterPageShowsTheKitsDamageAndArmour) {
    player.training = kTrainingWarrior;
    player.profTwoHanded = 3;
    player.GiveStartingKit(1);
    EXPECT_TRUE(ShowCharacterPage());
    // The axe's 3-7 on level 1, strength 15 and skill 3; flintstones 1-3 on half of strength and dexterity.
    EXPECT_EQ(TextAt(9, 42, 20), "Melee damage:  7-22 ");
    EXPECT_EQ(TextAt(10, 42, 20), "Thrown damage: 3-13 ");
    EXPECT_EQ(TextAt(11, 42, 17), "Armor:         3 ");  // natural armour only
    EXPECT_EQ(TextAt(12, 42, 17), "Clothing:      0 ");

    ResetGameState();
    player.startMode = 1;
    player.strength = 15;
    player.agility = 9;
    player.GiveStartingKit(2);
    EXPECT_TRUE(ShowCharacterPage());
    // Leather 1 + 1 + 2 + 2 + 1, half the shield's 2, natural 3; five linen pieces of warmth 1.
    EXPECT_EQ(TextAt(11, 42, 18), "Armor:         11 ");
    EXPECT_EQ(TextAt(12, 42, 17), "Clothing:      5 ");
}

}  // namespace
