#pragma once
// Special properties of weapons and armour, such as "frosty" or "heart seeking".
#include <cstdint>
#include <string>

constexpr int32_t kItemPrefixCount = 35;

class ItemPrefix {
public:
    ItemPrefix();
    char name[72] = {};
    int32_t id = -1;
};

extern ItemPrefix itemPrefixes[kItemPrefixCount];

void InitPrefixTable();
// The prefix index of a new weapon or armour item, or -1 for none.
int32_t RollItemPrefix(int32_t itemType, std::string kindName, bool forced);
