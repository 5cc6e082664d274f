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
