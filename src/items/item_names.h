#pragma once
// The words that screens and messages use for items.
#include <cstdint>
#include <string>

#include "world/item_data.h"

// The display name of an item kind: with its prefix for identified weapons and
// armour, "wet " before wet cloth. extra is the item's prefix or wetness (-1 none).
// The result lives in one shared buffer that the next call overwrites.
const char* ItemKindDisplayName(int32_t kind, int32_t extra, uint8_t identified);

// A pair of words of the naming tables: a phrase looked for and what it gives.
class NimiPari {
public:
    NimiPari(std::string first, std::string second);
    std::string first;
    std::string second;
};

// The name with its article ("a ", "an ", "a pair of " ...) and one blank after it.
std::string ItemNameWithArticle(std::string name);
// The plural of the name, with one blank after it.
std::string PluralItemName(std::string name);
// True when the last character before any trailing blanks is a lower-case 's'.
bool EndsWithS(const char* name);

// What lists and messages call a carried or lying item: a potion, wand or
// accessory of a kind the player has not identified by its look, anything
// else by its display name (prefix, "wet ").
std::string ShownItemName(const ItemData& item);
// The same, but with the bare kind name where the display name would stand.
std::string ShownKindName(const ItemData& item);
