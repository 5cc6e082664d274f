// placeholder: the item kind table until the item data loader is built.
#include <cstring>

#include "items/item_kind.h"

ItemKindTable itemKinds;

ItemKind::ItemKind() { std::strcpy(name, "Default"); }
bool ItemKindTable::LoadItemKinds() { return true; }
void ItemKindTable::MapItemColours() {}

#include "items/item_names.h"

const char* ItemKindDisplayName(int32_t kind, int32_t, uint8_t) {
    if (kind < 0 || kind >= kItemKindCount) return "Undefined";
    return itemKinds[kind].name;
}
