// placeholder: the item services that are not built yet.
#include "player/player.h"
#include "shell/game.h"

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
