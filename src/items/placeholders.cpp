// placeholder: the item services that are not built yet.
#include "items/item_kind.h"
#include "items/item_names.h"
#include "player/player.h"

// placeholder: nothing changes.
int32_t Player::EquipmentScreen(bool, int8_t) { return 0; }
// placeholder
void Player::SwapToReadiedWeapons() {}

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
