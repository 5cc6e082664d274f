#pragma once
// The item record of the save file, shared by the tiles' items and the
// inventory: 24 bytes, kind, durability, blessing, quantity, the identified and
// empty flags, two bytes of nothing, and the prefix (the wetness of cloth).
#include <cstddef>
#include <cstdint>

#include "world/item_data.h"
#include "world/item_kind.h"

constexpr size_t kItemRecordSize = 24;

// An item the game can show and use: a kind of the table, and on weapons and
// armour a prefix that names an entry of the prefix table (cloth keeps its
// wetness in that field, other items -1).
bool IsUsableItem(const ItemData& item);

template <typename Stream, typename Item>
void TransferItemRecord(Stream& stream, Item& item) {
    stream.Field(item.kind, 0, kItemKindCount - 1);
    stream.Field(item.durability);
    stream.Field(item.blessing);
    stream.Field(item.quantity);
    stream.Field(item.identified);
    stream.Field(item.empty);
    stream.Padding(2);
    stream.Field(item.prefix);
    if (!stream.Failed()) stream.Check(IsUsableItem(item));
}
