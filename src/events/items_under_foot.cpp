// What lies under the character's feet: one short sentence about it, and the
// gold and ammunition that are picked up without a command.
#include <climits>
#include <cstdint>
#include <string>

#include "events/world_events.h"
#include "items/inventory.h"
#include "items/item_names.h"
#include "player/commands.h"
#include "player/worn_gear.h"
#include "toolkit/message_log.h"
#include "toolkit/text_format.h"
#include "world/floor.h"
#include "world/item_kind.h"
#include "world/player.h"

namespace {

// "a linen shirt ", "arrows ": the name of one lying item with its article, or in the plural.
std::string LyingItemName(const ItemData& item) {
    const std::string name = ShownItemName(item);
    return item.quantity > 1 ? PluralItemName(name) : ItemNameWithArticle(name);
}

bool IsAmmunition(const ItemData& item) {
    const ItemKind* kind = KindOf(&item);
    return kind != nullptr && kind->type == kItemAmmunition;
}

int32_t FirstAmmunition(const Tile& tile) {
    for (std::size_t i = 0; i < tile.items.size(); ++i) {
        if (IsAmmunition(tile.items[i])) return static_cast<int32_t>(i);
    }
    return -1;
}

int32_t CarriedEntryOfKind(int32_t kind) {
    for (std::size_t i = 0; i < player.inventory.size(); ++i) {
        if (player.inventory[i].kind == kind) return static_cast<int32_t>(i);
    }
    return -1;
}

void PickUpGold(Tile& tile) {
    if (tile.gold <= 0) return;
    const int32_t coins = tile.gold;
    // A purse at the edge of the counter stays full rather than turning into a debt.
    const int64_t purse = static_cast<int64_t>(player.gold) + coins;
    player.gold = purse > INT32_MAX ? INT32_MAX : static_cast<int32_t>(purse);
    messageLog.PrintMessage("You ");
    messageLog.PrintMessage("pick ");
    messageLog.PrintMessage("up ");
    messageLog.PrintMessage(FormatText(coins == 1 ? "%d coin. " : "%d coins. ", coins));
    tile.gold = 0;
}

// Arrows join the carried arrow stack. An entry that moves into the place of one
// taken waits for the next step.
bool PickUpArrows(Tile& tile) {
    bool taken = false;
    for (std::size_t i = 0; i < tile.items.size(); ++i) {
        const ItemData& item = tile.items[i];
        if (item.kind != arrowKindIndex || arrowKindIndex < 0) continue;
        PrintWords(item.quantity == 1 ? "You pick up the arrow. " : "You pick up the arrows. ");
        player.AddArrows(item.quantity);
        tile.items.erase(tile.items.begin() + static_cast<std::ptrdiff_t>(i));
        taken = true;
    }
    return taken;
}

// Other ammunition joins a carried stack of its kind, or comes in as a new entry;
// a kind just thrown away to the last piece goes straight back to the throwing slot.
bool PickUpOtherAmmunition(Tile& tile) {
    bool taken = false;
    for (int32_t index = FirstAmmunition(tile); index >= 0; index = FirstAmmunition(tile)) {
        const ItemData item = tile.items[static_cast<std::size_t>(index)];
        PrintWords("You pick up the ammunition. ");
        const int32_t carried = CarriedEntryOfKind(item.kind);
        if (carried >= 0) {
            player.inventory[static_cast<std::size_t>(carried)].quantity += item.quantity;
        } else {
            player.inventory.push_back(item);
            if (item.kind == player.lastThrownKind && player.equipSlots[kSlotThrownWeapon] == -1) {
                player.equipSlots[kSlotThrownWeapon] = static_cast<int32_t>(player.inventory.size()) - 1;
            }
            player.SortInventory();
        }
        tile.items.erase(tile.items.begin() + index);
        taken = true;
    }
    return taken;
}

}  // namespace

void DescribeItemsHere() {
    const Floor* floor = CurrentFloor();
    if (floor == nullptr || !Floor::OnMap(player.x, player.y)) return;
    const Tile& tile = floor->At(player.x, player.y);
    if (tile.items.empty()) {
        if (tile.gold != 0) PrintWords("You see some money here. ");
        return;
    }
    PrintWords("You see ");
    if (tile.items.size() == 1) {
        const ItemData& item = tile.items.front();
        if (item.quantity > 1) messageLog.PrintMessage(FormatText("%d ", item.quantity));
        messageLog.PrintMessage(LyingItemName(item));
        if (tile.gold != 0) PrintWords("and some money ");
    } else {
        PrintWords("several items ");
        if (tile.gold > 0) PrintWords("and some money ");
    }
    messageLog.PrintMessage("here. ");
}

void PickUpMoneyAndAmmo() {
    Floor* floor = CurrentFloor();
    if (floor == nullptr || !Floor::OnMap(player.x, player.y)) return;
    if (player.sleep > 0 || player.paralysis > 0 || player.dizziness > 0 || player.horror > 0) return;
    Tile& tile = floor->At(player.x, player.y);
    PickUpGold(tile);
    if (player.ammoAutoPickup == 0) return;
    const bool arrows = PickUpArrows(tile);
    const bool others = PickUpOtherAmmunition(tile);
    // The new load counts at once: the burden and its message come with the pick-up.
    if (arrows || others) player.RecomputePlayerStats();
}
