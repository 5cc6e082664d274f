#pragma once
// A small item world for the equipment tests: a handful of weapon, armour,
// cloth, accessory and other kinds, and items of them carried or worn.
#include <cstdint>
#include <cstring>

#include "items/item_prefixes.h"
#include "support/game_state.h"
#include "world/item_kind.h"
#include "world/player.h"

enum GearKind : int32_t {
    kSword = 1,
    kDagger,
    kAxe,
    kBow,
    kShield,
    kBuckler,
    kHelmet,
    kCuirass,
    kBoots,
    kAimRing,
    kSpeedRing,
    kLastingAmulet,
    kShirt,
    kSocks,
    kDarts,
    kArrows,
    kPotion,
    kFood,
    kGreaves,
    kGauntlets,
};

inline void DefineKind(int32_t index, const char* name, int32_t type, int32_t subtype, int32_t power,
                       int32_t secondValue, int32_t maxDurability) {
    ItemKind& kind = itemKinds[index];
    kind.inUse = 1;
    std::strncpy(kind.name, name, sizeof kind.name - 1);
    kind.type = type;
    kind.subtype = subtype;
    kind.power = power;
    kind.secondValue = secondValue;
    kind.maxDurability = maxDurability;
    kind.weight = 1;
}

// Resets the game and defines the kinds of GearKind.
inline void SetUpGearWorld() {
    ResetGameState();
    InitPrefixTable();
    DefineKind(kSword, "iron sword", kItemWeapon, kSubtypeOneHanded, 4, 7, 20);
    DefineKind(kDagger, "bone dagger", kItemWeapon, kSubtypeOneHanded, 2, 5, 14);
    DefineKind(kAxe, "great axe", kItemWeapon, kSubtypeTwoHanded, 5, 10, 25);
    DefineKind(kBow, "long bow", kItemWeapon, kSubtypeRanged, 3, 7, 22);
    DefineKind(kShield, "kite shield", kItemArmour, kSubtypeShield, 7, 0, 28);
    DefineKind(kBuckler, "buckler", kItemArmour, kSubtypeShield, 3, 0, 16);
    DefineKind(kHelmet, "iron helmet", kItemArmour, kSubtypeHelmet, 2, 0, 24);
    DefineKind(kCuirass, "iron breastplate", kItemArmour, kSubtypeChest, 4, 0, 24);
    DefineKind(kBoots, "leather boots", kItemArmour, kSubtypeBoots, 1, 0, 24);
    DefineKind(kAimRing, "ring of aim", kItemAccessory, kSubtypeRing, 14, 0, 0);
    DefineKind(kSpeedRing, "ring of speed", kItemAccessory, kSubtypeRing, 17, 0, 0);
    DefineKind(kLastingAmulet, "amulet of lasting", kItemAccessory, kSubtypeAmulet, 7, 0, 0);
    DefineKind(kShirt, "linen shirt", kItemCloth, kSubtypeChest, 2, 0, 18);
    DefineKind(kSocks, "wool socks", kItemCloth, kSubtypeBoots, 3, 0, 18);
    DefineKind(kDarts, "dart", kItemAmmunition, 0, 2, 4, 0);
    DefineKind(kArrows, "arrow", kItemAmmunition, 0, 1, 2, 0);
    DefineKind(kPotion, "potion of healing", kItemPotion, 0, 3, 0, 0);
    DefineKind(kFood, "firemead", kItemFood, 0, 0, 20, 0);
    DefineKind(kGreaves, "leather greaves", kItemArmour, kSubtypeLeggings, 2, 0, 24);
    DefineKind(kGauntlets, "leather gauntlets", kItemArmour, kSubtypeGauntlets, 1, 0, 24);
    arrowKindIndex = kArrows;
}

// Carries one item of the kind at its full durability: identified unless said otherwise.
inline int32_t Own(int32_t kind, int32_t blessing = 0, uint8_t identified = 1, int32_t prefix = -1) {
    ItemData item;
    item.kind = kind;
    item.blessing = blessing;
    item.identified = identified;
    item.prefix = prefix;
    item.durability = itemKinds[kind].maxDurability;
    player.inventory.push_back(item);
    return static_cast<int32_t>(player.inventory.size()) - 1;
}

// Carries the item and puts it straight into the slot.
inline int32_t Put(int32_t slot, int32_t kind, int32_t blessing = 0, uint8_t identified = 1, int32_t prefix = -1) {
    const int32_t index = Own(kind, blessing, identified, prefix);
    player.equipSlots[slot] = index;
    return index;
}

// The kind of the item in the slot, or -1 when it is empty.
inline int32_t KindIn(int32_t slot) {
    const int32_t index = player.equipSlots[slot];
    return index < 0 ? -1 : player.inventory[static_cast<std::size_t>(index)].kind;
}
