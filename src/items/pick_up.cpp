// Taking items from the character's tile: the only one, all of them, or the
// marked ones. Nothing is refused for its weight, and nothing is identified.
#include "items/pick_up.h"

#include <algorithm>
#include <vector>

#include "items/inventory.h"
#include "items/item_names.h"
#include "toolkit/message_log.h"
#include "world/floor.h"

void PickUpTheOnlyItem(Tile& tile) {
    if (tile.items.empty()) return;
    const ItemData item = tile.items.front();
    TakeIntoInventory(item);
    const std::string name = ShownItemName(item);
    messageLog.PrintMessage("You ");
    messageLog.PrintMessage("pick ");
    messageLog.PrintMessage("the ");
    messageLog.PrintMessage(item.quantity <= 1 ? name + " " : PluralItemName(name));
    messageLog.PrintMessage("up. ");
    tile.items.erase(tile.items.begin());
}

void PickUpEverything(Tile& tile) {
    PrintWords("You pick up the items. ");
    for (const ItemData& item : tile.items) TakeIntoInventory(item);
    tile.items.clear();
}

bool PickUpMarked(Tile& tile, const PickMarks& marks, int32_t listed) {
    int32_t marked = 0;
    for (uint8_t mark : marks) marked += mark != 0 ? 1 : 0;
    if (marked == 0) return false;
    PrintWords(marked == 1 ? "You pick up the item. " : "You pick up the items. ");
    std::vector<ItemData> staying;
    const int32_t count = std::min<int32_t>(listed, static_cast<int32_t>(tile.items.size()));
    for (int32_t i = 0; i < count; ++i) {
        if (marks[static_cast<std::size_t>(i)] == 0) staying.push_back(tile.items[static_cast<std::size_t>(i)]);
    }
    staying.insert(staying.end(), tile.items.begin() + count, tile.items.end());
    for (int32_t i = 0; i < count; ++i) {
        if (marks[static_cast<std::size_t>(i)] != 0) TakeIntoInventory(tile.items[static_cast<std::size_t>(i)]);
    }
    tile.items = std::move(staying);
    return true;
}
