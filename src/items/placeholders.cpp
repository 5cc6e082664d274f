// placeholder: the item kind table until the item data loader is built.
#include <cstring>

#include "items/item_kind.h"

ItemKindTable itemKinds;

ItemKind::ItemKind() { std::strcpy(name, "Default"); }
bool ItemKindTable::LoadItemKinds() { return true; }
void ItemKindTable::MapItemColours() {}

#include "items/appearances.h"
#include "items/item_prefixes.h"
#include "items/worn_properties.h"
#include "player/player.h"

AccessoryAppearance accessoryAppearances[35];
AppearanceName potionAppearances[30];
AppearanceName wandAppearances[30];
ItemPrefix itemPrefixes[kItemPrefixCount];

ItemPrefix::ItemPrefix() { std::strcpy(name, "Undefined"); }
void InitPrefixTable() {}
int32_t RollItemPrefix(int32_t, std::string, bool) { return -1; }
void ShufflePotionNames() {}
void ShuffleWandNames() {}
void ShuffleAccessoryNames() {}
std::string PotionAppearanceName(int32_t) { return "Noname"; }
std::string WandAppearanceName(int32_t) { return "Noname"; }
std::string AccessoryAppearanceName(int32_t) { return "Noname"; }
ColourCode PotionAppearanceColor(int32_t) { return 0; }
ColourCode WandAppearanceColor(int32_t) { return 0; }
ColourCode AccessoryAppearanceColor(int32_t) { return 0; }
int32_t GetAccessoryBlessing(int32_t) { return 0; }
int32_t GetWornAccessoryProperty(int32_t) { return 0; }
bool Player::WearsArmourProperty(int32_t) { return false; }

#include "items/item_names.h"

const char* ItemKindDisplayName(int32_t kind, int32_t, uint8_t) {
    if (kind < 0 || kind >= kItemKindCount) return "Undefined";
    return itemKinds[kind].name;
}
