#pragma once
// The item vocabulary: the types of item kinds, their subtypes, the craft
// classes of materials, as the item data file and the game number them, and
// the character's equipment slots.
#include <cstdint>

enum ItemType : int32_t {
    kItemArmour = 0,
    kItemWeapon = 1,
    kItemPotion = 2,
    kItemAccessory = 3,
    kItemAmmunition = 4,
    kItemFood = 5,
    kItemValuable = 6,
    kItemCloth = 7,
    kItemWand = 8,
    kItemMaterial = 9,
};
constexpr int32_t kItemTypeCount = 10;

// Weapons 0..2; armour 3..8 (cloth 4..8 with the same numbers); accessories 9..10.
enum ItemSubtype : int32_t {
    kSubtypeOneHanded = 0,
    kSubtypeTwoHanded = 1,
    kSubtypeRanged = 2,  // a bow
    kSubtypeShield = 3,
    kSubtypeHelmet = 4,     // cloth: cap
    kSubtypeGauntlets = 5,  // cloth: gloves
    kSubtypeLeggings = 6,   // cloth: trousers
    kSubtypeBoots = 7,      // cloth: socks
    kSubtypeChest = 8,      // cloth: shirt
    kSubtypeRing = 9,
    kSubtypeAmulet = 10,
};

// What the deep smith can make of a material (its second value).
enum CraftClass : int32_t {
    kCraftArmour = 1,
    kCraftRanged = 2,
    kCraftMelee = 3,
    kCraftArmourOrMelee = 4,
};

// The character's 19 equipment slots, in the order of Player::equipSlots. Each
// holds an inventory index, or kEmptySlot. The equipment screen shows them in
// another order, lettered a to s.
enum EquipSlot : int32_t {
    kSlotMainWeapon = 0,
    kSlotSecondWeapon = 1,
    kSlotThrownWeapon = 2,
    kSlotShield = 3,
    kSlotChest = 4,
    kSlotBoots = 5,
    kSlotHelmet = 6,
    kSlotLeggings = 7,
    kSlotGauntlets = 8,
    kSlotRightRing = 9,
    kSlotLeftRing = 10,
    kSlotAmulet = 11,
    kSlotClothShirt = 12,
    kSlotClothSocks = 13,
    kSlotClothCap = 14,
    kSlotClothTrousers = 15,
    kSlotClothGloves = 16,
    kSlotMainHandSwap = 17,
    kSlotSecondHandSwap = 18,
    kEquipSlotCount = 19,
};
constexpr int32_t kEmptySlot = -1;
