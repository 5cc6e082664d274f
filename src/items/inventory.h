#pragma once
// The inventory's own rules: which entries are worn, which types join a carried
// stack, and taking entries in and out without losing an equipment slot.
#include <cstdint>
#include <string>

#include "world/item_data.h"

// True when one of the equipment slots holds the inventory index.
bool IsEquipped(int32_t index);
// Potions, ammunition, food, valuables and materials gather into one entry per kind.
bool StacksByKind(int32_t itemType);
// Takes an item into the inventory: a stacking kind joins the first entry of its
// kind, anything else becomes a new entry at the end.
void TakeIntoInventory(const ItemData& item);
// A new item as the game hands it out ready to use: identified, normal, not
// empty, without prefix (for cloth: dry).
ItemData FreshItem(int32_t kind, int32_t quantity, int32_t durability);
// Removes the entry at index: the slots above it are renumbered and any slot
// that still named it is emptied. The caller sorts and recomputes afterwards.
void RemoveInventoryEntry(int32_t index);

// What the inventory screen's use key does with an entry: use it, point to the
// equipment screen, or nothing.
enum class InventoryUse { kUse, kEquip, kNone };
InventoryUse UseOf(const ItemData& item);
// "You drop the <name>. ", or for all of a stack "You drop all the <plural>. ".
std::string DropReport(const ItemData& item, bool all);
// The examine key's findings about entry `index`, into the message log.
void ExamineItem(int32_t index);
