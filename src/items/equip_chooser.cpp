// Which items the chooser offers for a slot. An item already in the slot stays
// listed so that it can be taken off; the items that the slot's partner holds
// are left out, so one item never fills two hands.
#include "items/equip_chooser.h"

#include <initializer_list>

#include "items/equip_rules.h"
#include "items/worn_properties.h"
#include "player/worn_gear.h"
#include "world/player.h"

namespace {

bool IsIn(int32_t index, std::initializer_list<int32_t> slots) {
    for (int32_t slot : slots) {
        if (player.equipSlots[slot] == index) return true;
    }
    return false;
}

bool ArmourCandidate(int32_t index, const ItemKind& kind, int32_t selector, bool second) {
    if (kind.type != kItemArmour || kind.subtype != selector) return false;
    // A shield is worn or readied, never both.
    return !IsIn(index, {second ? kSlotShield : kSlotSecondHandSwap});
}

bool AccessoryCandidate(int32_t index, const ItemKind& kind, int32_t selector, bool second) {
    if (kind.type != kItemAccessory || kind.subtype != selector) return false;
    // Never the ring of the other hand, nor anything of its property.
    const int32_t otherSlot = second ? kSlotRightRing : kSlotLeftRing;
    if (player.equipSlots[otherSlot] == kEmptySlot) return true;
    const int32_t otherProperty = GetWornAccessoryProperty(second ? kWornRightRing : kWornLeftRing);
    return !IsIn(index, {otherSlot}) && kind.power != otherProperty;
}

bool WeaponCandidate(int32_t index, const ItemKind& kind, bool alternate, bool second) {
    if (kind.type != kItemWeapon) return false;
    if (second && (IsIn(index, {kSlotMainWeapon}) || kind.subtype != kSubtypeOneHanded)) return false;
    if (!second && IsIn(index, {kSlotSecondWeapon})) return false;
    if (alternate) {
        return !IsIn(index, {kSlotMainWeapon, kSlotSecondWeapon, second ? kSlotMainHandSwap : kSlotSecondHandSwap});
    }
    return !IsIn(index, {kSlotMainHandSwap, kSlotSecondHandSwap});
}

bool IsCandidate(ChooserListKind list, int32_t index, int32_t selector, bool alternate, bool second) {
    const ItemData& item = player.inventory[static_cast<std::size_t>(index)];
    const ItemKind* kind = KindOf(&item);
    if (kind == nullptr) return false;
    switch (list) {
        case ChooserListKind::kArmour: return ArmourCandidate(index, *kind, selector, second);
        case ChooserListKind::kCloth: return kind->type == kItemCloth && kind->subtype == selector;
        case ChooserListKind::kThrown: return kind->type == kItemAmmunition && item.kind != arrowKindIndex;
        case ChooserListKind::kAccessories: return AccessoryCandidate(index, *kind, selector, second);
        case ChooserListKind::kWeapons: return WeaponCandidate(index, *kind, alternate, second);
    }
    return false;
}

// Whether the item is worn in one of the slots the list fills.
bool IsEquippedFor(ChooserListKind list, int32_t index) {
    switch (list) {
        case ChooserListKind::kArmour:
            return IsIn(index, {kSlotLeggings, kSlotHelmet, kSlotBoots, kSlotGauntlets, kSlotChest, kSlotShield,
                                kSlotSecondHandSwap});
        case ChooserListKind::kCloth:
            return IsIn(index, {kSlotClothTrousers, kSlotClothCap, kSlotClothSocks, kSlotClothGloves, kSlotClothShirt});
        case ChooserListKind::kThrown: return IsIn(index, {kSlotThrownWeapon});
        case ChooserListKind::kAccessories: return IsIn(index, {kSlotRightRing, kSlotAmulet, kSlotLeftRing});
        case ChooserListKind::kWeapons:
            return IsIn(index, {kSlotMainWeapon, kSlotSecondWeapon, kSlotMainHandSwap, kSlotSecondHandSwap});
    }
    return false;
}

}  // namespace

std::vector<ChooserList> ChooserLists(int32_t selector, bool alternate, bool thrown, bool second) {
    std::vector<ChooserListKind> kinds;
    if (!alternate && !thrown && selector != kChooseWeapons) kinds.push_back(ChooserListKind::kArmour);
    if (alternate && selector != kChooseWeapons) kinds.push_back(ChooserListKind::kCloth);
    if (thrown) kinds.push_back(ChooserListKind::kThrown);
    if (!alternate && (selector == kSubtypeRing || selector == kSubtypeAmulet)) {
        kinds.push_back(ChooserListKind::kAccessories);
    }
    if (selector == kChooseWeapons) kinds.push_back(ChooserListKind::kWeapons);

    std::vector<ChooserList> lists;
    for (ChooserListKind kind : kinds) {
        ChooserList list{kind, {}};
        for (int32_t index = 0; index < static_cast<int32_t>(player.inventory.size()); ++index) {
            if (IsCandidate(kind, index, selector, alternate, second)) list.entries.push_back({index, IsEquippedFor(kind, index)});
        }
        lists.push_back(list);
    }
    return lists;
}
