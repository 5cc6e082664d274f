// placeholder: the item kind table until the item data loader is built.
#include <cstring>

#include "items/item_kind.h"

ItemKindTable itemKinds;

ItemKind::ItemKind() { std::strcpy(name, "Default"); }
// placeholder: until the item data file is read, kind 0 stands in as the
// "arrow" kind that start-up looks for.
bool ItemKindTable::LoadItemKinds() {
    std::strcpy(kinds[0].name, "arrow");
    kinds[0].inUse = 1;
    kinds[0].type = kItemAmmunition;
    return true;
}
void ItemKindTable::MapItemColours() {}

#include "items/appearances.h"
#include "items/item_prefixes.h"
#include "items/worn_properties.h"
#include "player/player.h"
#include "shell/game.h"

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
// placeholder
int32_t Player::ArrowCount() {
    for (const ItemData& item : inventory) {
        if (item.kind == arrowKindIndex) return item.quantity;
    }
    return 0;
}
