// The availability star of an empty slot and the improvement marker of a worn
// item on the equipment screen.
#include "items/gear_advice.h"

#include "items/equip_rules.h"
#include "items/worn_properties.h"
#include "player/worn_gear.h"
#include "world/player.h"

namespace {

bool IsHeldIn(int32_t index, int32_t slot) { return player.equipSlots[slot] == index; }

bool IsOneHandedWeapon(const ItemKind& kind) { return kind.type == kItemWeapon && kind.subtype == kSubtypeOneHanded; }

bool IsKnownCursed(const ItemData& item) { return item.identified != 0 && IsCursed(item); }

// A ring for one hand while a ring may already be on the other: never that ring
// itself, nor one of the same property.
bool RingFits(int32_t index, const ItemKind& kind, int32_t otherSlot, int32_t otherWorn) {
    if (kind.type != kItemAccessory || kind.subtype != kSubtypeRing) return false;
    if (player.equipSlots[otherSlot] == kEmptySlot) return true;
    return !IsHeldIn(index, otherSlot) && kind.power != GetWornAccessoryProperty(otherWorn);
}

bool CouldGoInto(int32_t slot, int32_t index, bool cursedScreen) {
    const ItemData& item = player.inventory[static_cast<std::size_t>(index)];
    const ItemKind* kindOrNull = KindOf(&item);
    if (kindOrNull == nullptr) return false;
    const ItemKind& kind = *kindOrNull;
    const bool shieldWorn = player.equipSlots[kSlotShield] != kEmptySlot;
    switch (slot) {
        case kSlotMainWeapon: return kind.type == kItemWeapon && (!shieldWorn || kind.subtype == kSubtypeOneHanded);
        case kSlotSecondWeapon: return IsOneHandedWeapon(kind) && !IsHeldIn(index, kSlotMainWeapon);
        case kSlotThrownWeapon: return kind.type == kItemAmmunition && item.kind != arrowKindIndex;
        case kSlotAmulet:
            return kind.type == kItemAccessory && kind.subtype == kSubtypeAmulet && (cursedScreen || !IsKnownCursed(item));
        case kSlotRightRing:
            return RingFits(index, kind, kSlotLeftRing, kWornLeftRing) && (cursedScreen || !IsKnownCursed(item));
        case kSlotLeftRing:
            return RingFits(index, kind, kSlotRightRing, kWornRightRing) && (cursedScreen || !IsKnownCursed(item));
        default: break;
    }
    if (ArmourSlotOfSubtype(kind.subtype) == slot) return kind.type == kItemArmour;
    if (ClothSlotOfSubtype(kind.subtype) == slot) return kind.type == kItemCloth;
    return false;
}

// Whether the hands leave room for the slot at all.
bool HandsAllow(int32_t slot) {
    const int32_t mainSubtype = SubtypeInSlot(kSlotMainWeapon);
    const bool mainHeld = player.equipSlots[kSlotMainWeapon] != kEmptySlot;
    if (slot == kSlotSecondWeapon) {
        return mainHeld && mainSubtype == kSubtypeOneHanded && player.equipSlots[kSlotShield] == kEmptySlot;
    }
    if (slot == kSlotShield) {
        return !mainHeld || (mainSubtype == kSubtypeOneHanded && player.equipSlots[kSlotSecondWeapon] == kEmptySlot);
    }
    return slot != kSlotMainHandSwap && slot != kSlotSecondHandSwap;
}

// A weapon's worth: the sum of its least and greatest damage, scaled by its blessing.
float WeaponValue(const ItemData& item, const ItemKind& kind, bool blessingKnown) {
    float factor = 1.0f;
    if (blessingKnown && item.blessing == kBlessed) factor = 1.34f;
    if (blessingKnown && item.blessing == kCursed) factor = 0.5f;
    return static_cast<float>(kind.power + kind.secondValue) * factor;
}

// Armour's and clothes' worth: protection or warmth, one more when blessed, one
// less when cursed, and for clothes half a point less when wet.
float WearableValue(const ItemData& item, const ItemKind& kind, bool blessingKnown) {
    float value = static_cast<float>(kind.power + (blessingKnown ? item.blessing : 0));
    if (kind.type == kItemCloth && item.prefix >= 0) value -= 0.5f;
    return value;
}

// Whether the inventory item is of the worn item's sort for the slot's marker.
bool IsRival(int32_t slot, int32_t index, const ItemKind& worn, const ItemKind& kind) {
    switch (slot) {
        case kSlotMainWeapon:
            if (worn.subtype != kSubtypeOneHanded) return kind.type == kItemWeapon && kind.subtype == worn.subtype;
            return IsOneHandedWeapon(kind) && !IsHeldIn(index, kSlotSecondWeapon) &&
                   !IsHeldIn(index, kSlotMainHandSwap) && !IsHeldIn(index, kSlotSecondHandSwap);
        case kSlotSecondWeapon:
            return IsOneHandedWeapon(kind) && !IsHeldIn(index, kSlotMainWeapon) &&
                   !IsHeldIn(index, kSlotMainHandSwap) && !IsHeldIn(index, kSlotSecondHandSwap);
        case kSlotThrownWeapon:
            return kind.type == kItemAmmunition && player.inventory[static_cast<std::size_t>(index)].kind != arrowKindIndex;
        default: return kind.type == worn.type && kind.subtype == worn.subtype;
    }
}

}  // namespace

bool PackCanFillSlot(int32_t slot, bool cursedScreen) {
    if (!HandsAllow(slot)) return false;
    for (int32_t index = 0; index < static_cast<int32_t>(player.inventory.size()); ++index) {
        if (CouldGoInto(slot, index, cursedScreen)) return true;
    }
    return false;
}

bool PackHasBetterItem(int32_t slot) {
    const ItemData* wornItem = EquippedItem(slot);
    const ItemKind* wornKind = KindOf(wornItem);
    if (wornKind == nullptr) return false;
    const bool weapon = slot == kSlotMainWeapon || slot == kSlotSecondWeapon;
    const bool wearable = ArmourSlotOfSubtype(wornKind->subtype) == slot || ClothSlotOfSubtype(wornKind->subtype) == slot;
    if (!weapon && !wearable && slot != kSlotThrownWeapon) return false;

    auto value = [&](const ItemData& item, const ItemKind& kind, bool blessingKnown) {
        if (slot == kSlotThrownWeapon) return static_cast<float>(kind.power + kind.secondValue);
        return weapon ? WeaponValue(item, kind, blessingKnown) : WearableValue(item, kind, blessingKnown);
    };
    const float wornValue = value(*wornItem, *wornKind, true);
    for (int32_t index = 0; index < static_cast<int32_t>(player.inventory.size()); ++index) {
        if (index == player.equipSlots[slot]) continue;  // never better than itself
        const ItemData& item = player.inventory[static_cast<std::size_t>(index)];
        const ItemKind* kind = KindOf(&item);
        if (kind == nullptr || !IsRival(slot, index, *wornKind, *kind)) continue;
        if (value(item, *kind, item.identified != 0) > wornValue) return true;
    }
    return false;
}
