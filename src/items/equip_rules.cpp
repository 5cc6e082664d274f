// Putting items into the equipment slots and taking them out: the hand rules,
// the curses that hold, and the first equip that identifies.
#include "items/equip_rules.h"

#include "player/worn_gear.h"
#include "world/player.h"

int32_t ArmourSlotOfSubtype(int32_t subtype) {
    switch (subtype) {
        case kSubtypeShield: return kSlotShield;
        case kSubtypeHelmet: return kSlotHelmet;
        case kSubtypeGauntlets: return kSlotGauntlets;
        case kSubtypeLeggings: return kSlotLeggings;
        case kSubtypeBoots: return kSlotBoots;
        case kSubtypeChest: return kSlotChest;
        default: return kEmptySlot;
    }
}

int32_t ClothSlotOfSubtype(int32_t subtype) {
    switch (subtype) {
        case kSubtypeHelmet: return kSlotClothCap;
        case kSubtypeGauntlets: return kSlotClothGloves;
        case kSubtypeLeggings: return kSlotClothTrousers;
        case kSubtypeBoots: return kSlotClothSocks;
        case kSubtypeChest: return kSlotClothShirt;
        default: return kEmptySlot;
    }
}

int32_t SlotForKind(const ItemKind& kind) {
    switch (kind.type) {
        case kItemArmour: return ArmourSlotOfSubtype(kind.subtype);
        case kItemCloth: return ClothSlotOfSubtype(kind.subtype);
        case kItemWeapon:
            return kind.subtype >= kSubtypeOneHanded && kind.subtype <= kSubtypeRanged ? kSlotMainWeapon : kEmptySlot;
        case kItemAccessory:
            if (kind.subtype == kSubtypeRing) return kSlotRightRing;
            return kind.subtype == kSubtypeAmulet ? kSlotAmulet : kEmptySlot;
        case kItemAmmunition: return kSlotThrownWeapon;
        default: return kEmptySlot;
    }
}

namespace {

bool ValidIndex(const Player& p, int32_t index) {
    return index >= 0 && index < static_cast<int32_t>(p.inventory.size()) && KindOf(&p.inventory[index]) != nullptr;
}

}  // namespace

int32_t SubtypeInSlot(int32_t slot) {
    const ItemKind* kind = KindOf(EquippedItem(slot));
    return kind != nullptr ? kind->subtype : -1;
}

int32_t IdentifyOnFirstEquip(ItemData& item) {
    if (item.identified != 0) return 0;
    item.identified = 1;
    return item.blessing;
}

int32_t Player::ToggleEquipSlot(int32_t index) {
    if (!ValidIndex(*this, index)) return kSlotRefused;
    ItemData& item = inventory[index];
    const ItemKind& kind = itemKinds[item.kind];
    const int32_t slot = SlotForKind(kind);
    if (slot == kEmptySlot) return kSlotRefused;

    const bool secondWeaponHeld = equipSlots[kSlotSecondWeapon] != kEmptySlot;
    if (kind.type == kItemArmour && kind.subtype == kSubtypeShield) {
        if (secondWeaponHeld) return kSlotRefused;
        if (equipSlots[kSlotMainWeapon] != kEmptySlot && SubtypeInSlot(kSlotMainWeapon) != kSubtypeOneHanded) {
            return kSlotRefused;
        }
    } else if (kind.type == kItemWeapon && kind.subtype != kSubtypeOneHanded) {
        if (equipSlots[kSlotShield] != kEmptySlot || secondWeaponHeld) return kSlotRefused;
    } else if (kind.type == kItemWeapon && equipSlots[kSlotMainWeapon] == index && secondWeaponHeld) {
        // Taking the main weapon off: the second weapon takes its place.
        if (IsCursed(item)) return kSlotRefused;
        equipSlots[kSlotMainWeapon] = equipSlots[kSlotSecondWeapon];
        equipSlots[kSlotSecondWeapon] = kEmptySlot;
        return 0;
    }

    int32_t& held = equipSlots[slot];
    if (held == index) {
        if (IsCursed(item)) return kSlotRefused;
        held = kEmptySlot;
        return 0;
    }
    if (held != kEmptySlot && IsCursed(inventory[held])) return kSlotRefused;
    held = index;
    return IdentifyOnFirstEquip(item);
}

int32_t Player::AssignHandSwap(int32_t index, bool second) {
    if (!ValidIndex(*this, index)) return kSlotRefused;
    const int32_t subtype = itemKinds[inventory[index].kind].subtype;
    int32_t& mainSwap = equipSlots[kSlotMainHandSwap];
    int32_t& secondSwap = equipSlots[kSlotSecondHandSwap];
    auto toggle = [index](int32_t& slot) { slot = slot == index ? kEmptySlot : index; };

    if (subtype == kSubtypeShield) {
        toggle(secondSwap);
        return 0;
    }
    if (second) {
        if (mainSwap != kEmptySlot && SubtypeInSlot(kSlotMainHandSwap) != kSubtypeOneHanded) return kSlotRefused;
        if (subtype != kSubtypeOneHanded) return kSlotRefused;
        if (mainSwap == kEmptySlot) {
            mainSwap = index;
        } else {
            toggle(secondSwap);
        }
        return 0;
    }
    if (secondSwap == kEmptySlot) {
        toggle(mainSwap);
        return 0;
    }
    if (subtype != kSubtypeOneHanded) return kSlotRefused;
    if (mainSwap != index) {
        mainSwap = index;
    } else if (SubtypeInSlot(kSlotSecondHandSwap) == kSubtypeShield) {
        mainSwap = kEmptySlot;
        secondSwap = kEmptySlot;
    } else {
        mainSwap = secondSwap;
        secondSwap = kEmptySlot;
    }
    return 0;
}

bool Player::CursedWornItems(uint8_t mode) {
    for (int32_t slot : kWornSlots) {
        ItemData* item = EquippedItem(slot);
        if (item == nullptr || !IsCursed(*item)) continue;
        if (mode != kLiftCurses) return true;
        item->blessing = kUncursed;
    }
    return false;
}
