#pragma once
// The rules of what goes into which equipment slot, shared by the slot
// operations, the equipment screens and the wear of worn gear.
#include <array>
#include <cstdint>

#include "world/item_data.h"
#include "world/item_kind.h"
#include "world/item_types.h"

// What a slot operation gives when the hand rules or a curse refuse the change.
constexpr int32_t kSlotRefused = -2;

// The modes of Player::CursedWornItems.
constexpr uint8_t kTestForCurses = 0;
constexpr uint8_t kLiftCurses = 1;

// The 16 slots whose curses count, in storage order: all but the thrown weapon
// and the two hand swap slots.
constexpr std::array<int32_t, 16> kWornSlots = {
    kSlotMainWeapon, kSlotSecondWeapon, kSlotShield,      kSlotChest,       kSlotBoots,        kSlotHelmet,
    kSlotLeggings,   kSlotGauntlets,    kSlotRightRing,   kSlotLeftRing,    kSlotAmulet,       kSlotClothShirt,
    kSlotClothSocks, kSlotClothCap,     kSlotClothTrousers, kSlotClothGloves};

inline bool IsCursed(const ItemData& item) { return item.blessing == kCursed; }

// The first slot an item of the kind goes into (the main weapon for every
// weapon, the right ring for a ring); kEmptySlot for a kind that is not worn.
int32_t SlotForKind(const ItemKind& kind);

// The armour slot of a subtype (shield to chest), or the cloth slot of one (cap to shirt).
int32_t ArmourSlotOfSubtype(int32_t subtype);
int32_t ClothSlotOfSubtype(int32_t subtype);

// The subtype of the item in the slot, or -1 when the slot is empty.
int32_t SubtypeInSlot(int32_t slot);
// Marks an item put on identified; its blessing when that was news, else 0.
int32_t IdentifyOnFirstEquip(ItemData& item);
