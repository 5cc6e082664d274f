// The potions meant for the equipment rather than the stomach: holy water to
// bless a piece, oil to mend the worn ones.
#include <algorithm>

#include "item_use/potion_drinks.h"
#include "toolkit/message_log.h"
#include "toolkit/terminal.h"
#include "world/item_kind.h"
#include "world/player.h"

namespace {

bool NeedsRepair(const Player& p) {
    return std::any_of(p.inventory.begin(), p.inventory.end(), [](const ItemData& item) {
        if (item.kind < 0 || item.kind >= kItemKindCount) return false;
        const ItemKind& kind = itemKinds[item.kind];
        const bool wears = kind.type == kItemWeapon || kind.type == kItemArmour || kind.type == kItemCloth;
        return wears && item.durability < kind.maxDurability;
    });
}

}  // namespace

void DrinkHolyWater(PotionDrink& drink) {
    ShowPending(drink);
    WaitForSpaceKey();
    drink.p.BlessEquipmentScreen();
}

void DrinkOil(PotionDrink& drink) {
    Player& p = drink.p;
    if (NeedsRepair(p)) {
        PrintWords("Press space. ");
        ShowPending(drink);
        WaitForSpaceKey();
        p.RepairEquipmentScreen(true);
        return;
    }
    ClosingRedraw(drink);
    PrintWords("Unfortunately you don't need it at the moment. You throw it away even though you're tempted to drink "
               "it. ");
}
