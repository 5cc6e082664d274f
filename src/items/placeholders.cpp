// placeholder: the item services that are not built yet.
#include "items/item_kind.h"
#include "items/item_names.h"
#include "player/player.h"

// placeholder
int32_t Player::ArrowCount() {
    for (const ItemData& item : inventory) {
        if (item.kind == arrowKindIndex) return item.quantity;
    }
    return 0;
}
// placeholder: nothing is too heavy yet.
bool Player::IsOverburdened() { return false; }
// placeholder: nothing can be taken yet.
int32_t Player::PickUpScreen() { return 0; }
// placeholder
int32_t Player::InventoryScreen() { return 0; }
// placeholder: nothing changes.
int32_t Player::EquipmentScreen(bool, int8_t) { return 0; }
// placeholder
void Player::SortInventory() {}
// placeholder
void Player::SwapToReadiedWeapons() {}
// placeholder
void Player::ToggleAmmoAutoPickup() {}

// placeholder: the bare kind name until item names are built.
const char* ItemKindDisplayName(int32_t kind, int32_t, uint8_t) {
    if (kind < 0 || kind >= kItemKindCount) return "Undefined";
    return itemKinds[kind].name;
}
// placeholder: the starting kit gives nothing until it is built.
void Player::GiveStartingKit(int32_t) {}

namespace {

// placeholder: the slot an item of this kind goes to, without the hand rules.
int32_t PlaceholderSlotOf(const ItemKind& kind) {
    switch (kind.type) {
        case kItemWeapon: return kSlotMainWeapon;
        case kItemAmmunition: return kSlotThrownWeapon;
        case kItemAccessory: return kind.subtype == kSubtypeRing ? kSlotRightRing : kSlotAmulet;
        case kItemArmour: {
            static const int32_t kArmourSlots[] = {kSlotShield, kSlotHelmet, kSlotGauntlets,
                                                   kSlotLeggings, kSlotBoots, kSlotChest};
            return kind.subtype >= kSubtypeShield && kind.subtype <= kSubtypeChest ? kArmourSlots[kind.subtype - 3] : -1;
        }
        case kItemCloth: {
            static const int32_t kClothSlots[] = {kSlotClothCap, kSlotClothGloves, kSlotClothTrousers,
                                                  kSlotClothSocks, kSlotClothShirt};
            return kind.subtype >= kSubtypeHelmet && kind.subtype <= kSubtypeChest ? kClothSlots[kind.subtype - 4] : -1;
        }
        default: return -1;
    }
}

// placeholder: the item goes in or comes out; a first wearing identifies it.
int32_t PlaceholderToggle(Player& p, int32_t index, int32_t slot) {
    if (slot < 0) return -2;
    if (p.equipSlots[slot] == index) {
        p.equipSlots[slot] = -1;
        return 0;
    }
    p.equipSlots[slot] = index;
    ItemData& item = p.inventory[static_cast<std::size_t>(index)];
    if (item.identified != 0) return 0;
    item.identified = 1;
    return item.blessing;
}

}  // namespace

// placeholder: only the slot of the item's kind, no hand or curse rules.
int32_t Player::ToggleEquipSlot(int32_t index) {
    if (index < 0 || index >= static_cast<int32_t>(inventory.size())) return -2;
    const int32_t kind = inventory[static_cast<std::size_t>(index)].kind;
    if (kind < 0 || kind >= kItemKindCount) return -2;
    return PlaceholderToggle(*this, index, PlaceholderSlotOf(itemKinds[kind]));
}
// placeholder: a weapon goes to the second hand, anything else to the left ring.
int32_t Player::ToggleSecondSlot(int32_t index) {
    if (index < 0 || index >= static_cast<int32_t>(inventory.size())) return -2;
    const int32_t kind = inventory[static_cast<std::size_t>(index)].kind;
    if (kind < 0 || kind >= kItemKindCount) return -2;
    return PlaceholderToggle(*this, index, itemKinds[kind].type == kItemWeapon ? kSlotSecondWeapon : kSlotLeftRing);
}
