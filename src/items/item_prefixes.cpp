// The table of item prefixes: the special properties a weapon or armour piece may carry.
#include "items/item_prefixes.h"

#include <cstring>

ItemPrefix itemPrefixes[kItemPrefixCount];

ItemPrefix::ItemPrefix() { std::strcpy(name, "Undefined"); }

namespace {
// Index and effect id are the same; the last three records name no prefix.
const char* const kPrefixNames[] = {
    "deflecting",   "target painted", "hygienic", "poison-proof", "stanching",     "spiky",         "putrid",
    "heavy",        "anti-weight",    "sturdy",   "fragile",      "high quality",  "poor quality",  "unstable",
    "vaporizing",   "regenerating",   "degenerating", "accurate", "inaccurate",    "swift",         "slow",
    "heart seeking", "harmless",      "possessed", "piercing",    "frosty",        "fiery",         "stunning",
    "heat draining", "cold draining", "soulless bane", "blood bane",
};
}  // namespace

void InitPrefixTable() {
    int32_t index = 0;
    for (const char* prefixName : kPrefixNames) {
        std::strcpy(itemPrefixes[index].name, prefixName);
        itemPrefixes[index].id = index;
        ++index;
    }
}
