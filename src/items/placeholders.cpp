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
// placeholder: gear does not wear out yet.
void Player::WearArmour() {}
// placeholder
void Player::WearClothes() {}
// placeholder
void Player::WearWeapons(bool) {}
// placeholder: lowers the slots above the erased entry.
void Player::FixSlotsAfterErase(int32_t index) {
    for (int32_t& slot : equipSlots) {
        if (slot > index) --slot;
    }
}
