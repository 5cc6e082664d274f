// Worn armour and clothes wear when monsters hit, weapons when they strike.
// Each wear event costs a point of durability, give or take what the floor
// and the item's prefix do; at 1 the player is warned, below 1 the piece
// breaks and leaves the inventory.
#include <string>

#include "floors/floor_feelings.h"
#include "items/equip_rules.h"
#include "items/item_names.h"
#include "items/item_prefixes.h"
#include "items/worn_properties.h"
#include "player/commands.h"
#include "player/worn_gear.h"
#include "toolkit/message_log.h"
#include "toolkit/random_mother.h"
#include "toolkit/terminal.h"
#include "world/floor.h"
#include "world/player.h"

namespace {

// The chance of a wear event is 1 in these.
constexpr int32_t kCursedWearOdds = 10;
constexpr int32_t kArmourWearOdds = 21;
constexpr int32_t kClothWearOdds = 17;
constexpr int32_t kWeaponWearOdds = 20;

// Armour slots in the order they wear.
constexpr int32_t kArmourWearOrder[] = {kSlotChest, kSlotLeggings, kSlotHelmet, kSlotGauntlets, kSlotBoots, kSlotShield};

struct ClothAndCover {
    int32_t cloth;
    int32_t cover;  // the armour slot worn over it
};
constexpr ClothAndCover kClothWearOrder[] = {{kSlotClothShirt, kSlotChest},
                                             {kSlotClothTrousers, kSlotLeggings},
                                             {kSlotClothCap, kSlotHelmet},
                                             {kSlotClothGloves, kSlotGauntlets},
                                             {kSlotClothSocks, kSlotBoots}};

// An amulet that makes equipment last gives each chance of wear a coin toss
// to pass harmlessly: true when the coin says the item may wear.
bool LastingAmuletAllowsWear() {
    if (GetWornAccessoryProperty(kWornAmulet) != kPropertyLastingEquipment) return true;
    const int32_t roll = rng.Random(2);
    return roll == 0;
}

// The wear roll is made whether or not the item may wear.
bool WearRollHits(const ItemData& item, int32_t odds) {
    const int32_t roll = rng.Random(IsCursed(item) ? kCursedWearOdds : odds);
    return roll == 0;
}

int32_t CurrentFeeling() {
    const Floor* floor = CurrentFloor();
    return floor != nullptr ? floor->feeling : kFeelingNone;
}

// One wear event on the item: its new durability. A floor that wears things
// out or keeps them whole takes the place of the prefix's say in this event.
int32_t WornDurability(const ItemData& item, bool prefixCounts) {
    int32_t durability = item.durability - 1;
    bool floorDecided = false;
    const int32_t feeling = CurrentFeeling();
    if (feeling == kFeelingWornOut) {
        const int32_t roll = rng.Random(3);
        if (roll == 0) {
            --durability;
            floorDecided = true;
        }
    }
    if (feeling == kFeelingHardSnow) {
        const int32_t roll = rng.Random(3);
        if (roll == 0) {
            ++durability;
            floorDecided = true;
        }
    }
    if (prefixCounts && !floorDecided && item.prefix >= 0 && item.prefix < kItemPrefixCount) {
        const int32_t effect = itemPrefixes[item.prefix].id;
        if (effect == kPrefixSturdy) {
            const int32_t roll = rng.Random(3);
            if (roll == 0) ++durability;
        }
        if (effect == kPrefixFragile) {
            const int32_t roll = rng.Random(3);
            if (roll == 0) --durability;
        }
    }
    return durability;
}

void ShowAndWaitForSpace() {
    messageLog.FlushMessages(false);
    WaitForSpaceKey();
}

// "Your <name> " and the verb that agrees with the name.
void PrintYourItem(const ItemData& item, bool agreeWithPlural) {
    const std::string name = ItemKindDisplayName(item.kind, item.prefix, item.identified);
    messageLog.PrintMessage("Your ");
    messageLog.PrintMessage(name + " ");
    messageLog.PrintMessage(agreeWithPlural && EndsWithS(name.c_str()) ? "are " : "is ");
}

// The broken piece in the slot leaves the inventory; every slot keeps its own
// item. A main weapon that breaks hands its place to the second weapon.
void RemoveBrokenItem(int32_t slot) {
    Player& p = player;
    const int32_t index = p.equipSlots[slot];
    // Every slot that held the broken piece empties, its own and any other, so
    // that none goes on naming the entry that takes the broken one's place.
    for (int32_t& held : p.equipSlots) {
        if (held == index) held = kEmptySlot;
    }
    p.FixSlotsAfterErase(index);
    p.inventory.erase(p.inventory.begin() + index);
    if (slot == kSlotMainWeapon && p.equipSlots[kSlotSecondWeapon] != kEmptySlot) {
        p.equipSlots[kSlotMainWeapon] = p.equipSlots[kSlotSecondWeapon];
        p.equipSlots[kSlotSecondWeapon] = kEmptySlot;
    }
    p.SortInventory();
    p.RecomputePlayerStats();
    ShowAndWaitForSpace();
}

// Applies one wear event to the item in the slot, with its warning or its breaking.
void WearItemInSlot(int32_t slot, bool prefixCounts, bool isWeapon) {
    ItemData& item = *EquippedItem(slot);
    const int32_t before = item.durability;
    item.durability = WornDurability(item, prefixCounts);
    if (item.durability == 1 && item.durability != before) {
        PrintYourItem(item, !isWeapon);
        PrintWords("about to break down. Press space. ");
        ShowAndWaitForSpace();
    }
    if (item.durability < 1) {
        PrintYourItem(item, !isWeapon);
        PrintWords(isWeapon ? "cut in half! Press space. " : "torn into pieces! Press space. ");
        RemoveBrokenItem(slot);
    }
}

}  // namespace

void Player::WearArmour() {
    for (int32_t slot : kArmourWearOrder) {
        if (EquippedItem(slot) == nullptr) continue;
        const bool mayWear = LastingAmuletAllowsWear();
        if (!WearRollHits(*EquippedItem(slot), kArmourWearOdds) || !mayWear) continue;
        WearItemInSlot(slot, true, false);
    }
}

void Player::WearClothes() {
    for (const ClothAndCover& pair : kClothWearOrder) {
        if (EquippedItem(pair.cloth) == nullptr) continue;
        bool mayWear = true;
        if (EquippedItem(pair.cover) != nullptr) {
            const int32_t roll = rng.Random(2);
            mayWear = roll == 0;
        }
        if (!LastingAmuletAllowsWear()) mayWear = false;
        if (!WearRollHits(*EquippedItem(pair.cloth), kClothWearOdds) || !mayWear) continue;
        WearItemInSlot(pair.cloth, false, false);
    }
}

void Player::WearWeapons(bool second) {
    const int32_t slot = second ? kSlotSecondWeapon : kSlotMainWeapon;
    if (EquippedItem(slot) == nullptr) return;
    const bool mayWear = LastingAmuletAllowsWear();
    if (!WearRollHits(*EquippedItem(slot), kWeaponWearOdds) || !mayWear) return;
    WearItemInSlot(slot, true, true);
}
