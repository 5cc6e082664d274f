// Selling to sages and deep smiths: what an item is worth, the list that picks
// it (or sells one unit at once), and the sale itself.
#include <algorithm>
#include <climits>

#include "folk/folk_prompts.h"
#include "folk/item_offer_list.h"
#include "items/inventory.h"
#include "items/item_list_cursor.h"
#include "items/item_names.h"
#include "player/commands.h"
#include "player/map_view.h"
#include "toolkit/message_log.h"
#include "toolkit/text_format.h"
#include "world/game_hooks.h"
#include "world/item_kind.h"
#include "world/player.h"

namespace {

// Buyers pay more for potions, wands, accessories and food the deeper they are met.
int32_t SaleDepthFactor(int32_t floor) { return floor / 7 + 1; }

void GainGold(int64_t amount) {
    // A huge stack must not wrap the purse round into debt.
    player.gold = static_cast<int32_t>(std::min<int64_t>(INT32_MAX, player.gold + amount));
}

int32_t HandleSaleKey(ListCursor& cursor, int key) {
    const int32_t index = cursor.Index();
    const bool quick = key == 'S' || IsEnterKey(key);
    if (key != 's' && !quick) return kListStaysOpen;
    if (IsEquipped(index)) {
        RefuseOnNoticeRow("You can't sell equipped items! (Press space)", 17);
        return kListStaysOpen;
    }
    if (!quick) {
        CloseOfferList();
        return index;
    }
    const int32_t value = player.ItemSaleValue(index);
    const std::string name = ShownKindName(player.inventory[static_cast<std::size_t>(index)]);
    const std::string message = FormatText("You sell the %s for %d gold. ", name.c_str(), value);
    GainGold(value);
    return GiveAwayOneUnit(cursor, message, 79);
}

}  // namespace

int32_t Player::ItemSaleValue(int32_t index) {
    const ItemData& item = inventory[static_cast<std::size_t>(index)];
    if (item.kind < 0 || item.kind >= kItemKindCount) return 0;
    const ItemKind& kind = itemKinds[item.kind];
    const int32_t base = kind.baseValue;
    const int32_t depth = SaleDepthFactor(currentFloor);
    const bool known = identifiedKinds[item.kind] != 0;
    switch (kind.type) {
        case kItemPotion:
        case kItemAccessory: return known ? base * depth : 20 * depth;
        case kItemWand:
            if (!known) return 20 * depth;
            return item.empty != 0 ? base * depth / 2 : base * depth;
        case kItemFood: return static_cast<int32_t>(static_cast<float>(base) * (static_cast<float>(depth) * 0.5f));
        default: return base;
    }
}

int32_t Player::ChooseItemToSell() {
    return RunOfferList("     8 = up     page down = next page     s = sell   S = quick sell",
                        "     2 = down   page up = previous page   z = exit", HandleSaleKey);
}

void Player::SellItem(int32_t index) {
    if (index == -1) return;
    if (RestoreMapView()) RedrawScreen();
    const int32_t value = ItemSaleValue(index);
    const ItemData& item = inventory[static_cast<std::size_t>(index)];
    const int32_t quantity = item.quantity;
    BlankMessageRows(kPromptRow, kSecondPromptRow);
    DrawPrompt(FormatText("\"Your %s is worth %d coins.\"", ShownItemName(item).c_str(), value), kPromptRow);
    DrawPrompt(quantity == 1 ? "\"Do you want to sell it?\" (y/n)"
                             : "\"Do you want to sell (O)ne, (A)ll or (N)one of them?\"",
               kSecondPromptRow);
    const int key = ReadOneOf(quantity == 1 ? "yYoOnN" : "yYoOaAnN");
    if (key == 'n' || key == 'N') {
        PrintWords("\"Oh..\" ");
        return;
    }
    PrintWords("\"Here you go.\" ");
    if (key == 'a' || key == 'A') {
        GainGold(static_cast<int64_t>(quantity) * value);
        RemoveWholeEntry(index);
    } else {
        GainGold(value);
        UseUpOneUnit(index);
    }
}
