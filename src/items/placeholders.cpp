// placeholder: the item kind table until the item data loader is built.
#include <cstring>

#include "items/item_kind.h"

ItemKindTable itemKinds;

ItemKind::ItemKind() { std::strcpy(name, "Default"); }
bool ItemKindTable::LoadItemKinds() { return true; }
void ItemKindTable::MapItemColours() {}
