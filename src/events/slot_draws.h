#pragma once
// Traps and the spirit veil pick a piece of worn equipment by drawing slots
// from a table until one holds a fitting item. Each table lists the slots in
// the order of its draws; rings, the amulet, the thrown weapon and the hand
// swaps are only in the tables that may touch them.
#include <array>
#include <cstdint>
#include <span>

#include "world/item_data.h"
#include "world/item_types.h"

// The armour, weapons and cloth that wear and tear.
constexpr std::array<int32_t, 13> kWearSlotDraws = {
    kSlotMainWeapon,   kSlotLeggings,       kSlotGauntlets,   kSlotHelmet,    kSlotBoots,
    kSlotChest,        kSlotShield,         kSlotSecondWeapon, kSlotClothTrousers, kSlotClothGloves,
    kSlotClothCap,     kSlotClothSocks,     kSlotClothShirt,
};
// The same pieces in the order the veil's blessings visit them.
constexpr std::array<int32_t, 13> kBlessingSlotDraws = {
    kSlotMainWeapon,    kSlotLeggings,   kSlotHelmet,      kSlotChest,      kSlotBoots,
    kSlotShield,        kSlotGauntlets,  kSlotClothTrousers, kSlotClothShirt, kSlotClothSocks,
    kSlotClothGloves,   kSlotClothCap,   kSlotSecondWeapon,
};
// Everything worn, the accessories included.
constexpr std::array<int32_t, 16> kCurseSlotDraws = {
    kSlotMainWeapon,  kSlotLeggings,   kSlotHelmet,       kSlotChest,      kSlotBoots,     kSlotShield,
    kSlotGauntlets,   kSlotClothTrousers, kSlotClothShirt, kSlotClothSocks, kSlotClothGloves, kSlotClothCap,
    kSlotAmulet,      kSlotRightRing,  kSlotLeftRing,     kSlotSecondWeapon,
};

// Up to `draws` draws of Random(table size); the inventory index of the first
// drawn slot whose item fits, or -1 when none did.
int32_t DrawWornItem(std::span<const int32_t> table, int32_t draws, bool (*fits)(const ItemData&));
// Any item at all fits.
bool AnyItem(const ItemData&);
