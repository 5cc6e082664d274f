// The redraws and bookkeeping that eating, drinking and zapping share.
#include "item_use/item_use_redraws.h"

#include "items/inventory.h"
#include "player/map_view.h"
#include "toolkit/drawing.h"
#include "world/game_hooks.h"
#include "world/player.h"

void FullRedraw() {
    ClearScreen();
    RestoreMapView();
    RedrawScreen();
}

void QuietRedraw() {
    ClearScreen();
    RestoreMapView();
    RedrawScreenQuiet();
}

void GiveBackFrostbite(Player& p) {
    p.maxHp += p.frostbiteMaxHpLoss;
    // No cap: the hit points come back whole, even above the maximum.
    p.hp += p.frostbiteHpLoss;
    p.frostbite = 0;
    p.frostbiteMaxHpLoss = 0;
    p.frostbiteHpLoss = 0;
}

void UseUpOne(Player& p, int32_t index) {
    if (index < 0 || index >= static_cast<int32_t>(p.inventory.size())) return;
    if (p.inventory[index].quantity != 1) {
        --p.inventory[index].quantity;
    } else {
        RemoveInventoryEntry(index);
    }
    p.SortInventory();
    p.RecomputePlayerStats();
}
