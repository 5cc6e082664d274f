// The one counted stack of arrows that bows shoot, and the automatic pick-up
// of ammunition.
#include "items/inventory.h"
#include "toolkit/message_log.h"
#include "world/item_kind.h"
#include "world/player.h"

namespace {

ItemData* ArrowStack(Player& p) {
    for (ItemData& item : p.inventory) {
        if (item.kind == arrowKindIndex) return &item;
    }
    return nullptr;
}

}  // namespace

void Player::AddArrows(int32_t count) {
    if (ItemData* stack = ArrowStack(*this)) {
        stack->quantity += count;
        return;
    }
    if (arrowKindIndex < 0) return;
    inventory.push_back(FreshItem(arrowKindIndex, count, kNoDurability));
    SortInventory();
}

int32_t Player::ArrowCount() {
    const ItemData* stack = ArrowStack(*this);
    return stack != nullptr ? stack->quantity : 0;
}

void Player::ToggleAmmoAutoPickup() {
    const bool wasOn = ammoAutoPickup == 1;
    ammoAutoPickup = wasOn ? 0 : 1;
    PrintWords(wasOn ? "The auto pick up of ammunition is off. " : "The auto pick up of ammunition is on. ");
    messageLog.FlushMessages(false);
}
