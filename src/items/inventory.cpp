// The inventory's rules: what is worn, what stacks, taking entries in and out,
// and what the inventory screen's keys do with an entry.
#include "items/inventory.h"

#include <algorithm>

#include "items/item_names.h"
#include "toolkit/message_log.h"
#include "toolkit/text_format.h"
#include "world/item_kind.h"
#include "world/player.h"

namespace {

int32_t TypeOf(const ItemData& item) {
    return item.kind >= 0 && item.kind < kItemKindCount ? itemKinds[item.kind].type : -1;
}

}  // namespace

bool IsEquipped(int32_t index) {
    return std::find(std::begin(player.equipSlots), std::end(player.equipSlots), index) != std::end(player.equipSlots);
}

bool StacksByKind(int32_t itemType) {
    return itemType == kItemPotion || itemType == kItemAmmunition || itemType == kItemFood ||
           itemType == kItemValuable || itemType == kItemMaterial;
}

void TakeIntoInventory(const ItemData& item) {
    if (StacksByKind(TypeOf(item))) {
        for (ItemData& carried : player.inventory) {
            if (carried.kind == item.kind) {
                carried.quantity += item.quantity;
                return;
            }
        }
    }
    player.inventory.push_back(item);
}

ItemData FreshItem(int32_t kind, int32_t quantity, int32_t durability) {
    ItemData item;
    item.kind = kind;
    item.durability = durability;
    item.blessing = kUncursed;
    item.quantity = quantity;
    item.identified = kIdentified;
    item.empty = kNotEmpty;
    item.prefix = kNoPrefix;
    return item;
}

void RemoveInventoryEntry(int32_t index) {
    Player& p = player;
    if (index < 0 || index >= static_cast<int32_t>(p.inventory.size())) return;
    // Every slot that named the entry goes empty, not only the one the caller knows of:
    // left alone, it would name the next item.
    for (int32_t& slot : p.equipSlots) {
        if (slot == index) slot = -1;
    }
    p.FixSlotsAfterErase(index);
    p.inventory.erase(p.inventory.begin() + index);
}

InventoryUse UseOf(const ItemData& item) {
    switch (TypeOf(item)) {
        case kItemPotion:
        case kItemFood:
        case kItemWand: return InventoryUse::kUse;
        case kItemArmour:
        case kItemWeapon:
        case kItemCloth: return InventoryUse::kEquip;
        case kItemAmmunition: return item.kind == arrowKindIndex ? InventoryUse::kNone : InventoryUse::kEquip;
        default: return InventoryUse::kNone;
    }
}

std::string DropReport(const ItemData& item, bool all) {
    const std::string name = ShownKindName(item);
    if (!all || item.quantity <= 1) return FormatText("You drop the %s. ", name.c_str());
    std::string plural = PluralItemName(name);
    plural.pop_back();
    return FormatText("You drop all the %s. ", plural.c_str());
}

void ExamineItem(int32_t index) {
    const ItemData& item = player.inventory[static_cast<std::size_t>(index)];
    PrintWords("You do some basic tests with the item to determine its properties. ");
    auto conclude = [index] {
        PrintWords("You come to the conclusion: ");
        player.DescribeItem(index);
    };
    switch (TypeOf(item)) {
        case kItemPotion:
        case kItemWand:
        case kItemAccessory:
            if (player.identifiedKinds[item.kind] == 1) {
                conclude();
            } else {
                PrintWords("You can't understand the item's functions as you haven't identified it yet. Consulting a "
                           "sage is a common way to identify items. ");
            }
            break;
        case kItemArmour:
        case kItemWeapon:
            if (item.identified == 0) {
                PrintWords("You haven't used this piece of equipment yet, so you can't come to a conclusion. ");
            } else if (item.prefix != kNoPrefix) {
                conclude();
            } else {
                PrintWords("It appears to be a perfectly ordinary piece of equipment. ");
            }
            break;
        case kItemFood:
            PrintWords("This is a non-magical food item whose exact purpose is to increase your warmth. ");
            break;
        case kItemMaterial:
            PrintWords("This is a non-magical material item which can be crafted into a piece of equipment by a "
                       "smith. ");
            break;
        case kItemValuable: PrintWords("This is a non-magical valuable item which can be sold or sacrificed. "); break;
        case kItemAmmunition: PrintWords("This is non-magical ammunition for ranged combat. "); break;
        case kItemCloth:
            PrintWords("It appears to be a perfectly ordinary piece of clothing, useful against the cold temperature. ");
            if (item.prefix >= 0) PrintWords("It's wet so it offers less protection against the cold. ");
            break;
        default: PrintWords("It appears to be a perfectly ordinary item. "); break;
    }
}
