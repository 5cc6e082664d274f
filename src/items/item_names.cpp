// Item names: the display name of a kind, its article, its plural, and the
// name a list or message shows for an item the player may not have identified.
#include "items/item_names.h"

#include <cstdio>
#include <utility>
#include <vector>

#include "items/appearances.h"
#include "items/item_prefixes.h"
#include "world/item_kind.h"
#include "world/player.h"

namespace {

constexpr const char* kUndefinedName = "Undefined";
constexpr std::size_t kNameBufferSize = 80;

bool IsKindIndex(int32_t kind) { return kind >= 0 && kind < kItemKindCount; }

std::string KindName(int32_t kind) { return IsKindIndex(kind) ? std::string(itemKinds[kind].name) : kUndefinedName; }

std::string DisplayName(int32_t kind, int32_t extra, uint8_t identified) {
    if (!IsKindIndex(kind)) return kUndefinedName;
    const ItemKind& data = itemKinds[kind];
    switch (data.type) {
        case kItemArmour:
        case kItemWeapon:
            if (extra < 0 || identified != 1) return data.name;
            if (extra >= kItemPrefixCount) return kUndefinedName;
            return std::string(itemPrefixes[extra].name) + " " + data.name;
        case kItemCloth: return extra < 0 ? std::string(data.name) : "wet " + std::string(data.name);
        default: return data.name;
    }
}

// Paired garments and the drinks and foods that come in a vessel; the two
// looks at the end would otherwise read "an yellow".
const std::vector<NimiPari>& ArticleTable() {
    static std::vector<NimiPari> table;
    if (table.empty()) {
        static const char* const kPairs[] = {
            "leather gauntlets",     "leather shorts",     "leather shoes",       "linen socks",
            "linen trousers",        "linen mittens",      "bronze gauntlets",    "bronze leg plates",
            "bronze plated boots",   "cotton socks",       "cotton pants",        "cotton gloves",
            "iron knuckles",         "iron leggings",      "iron boots",          "silk socks",
            "silk trousers",         "silk gloves",        "mithril gauntlets",   "mithril leggings",
            "mithril boots",         "wool socks",         "wool pants",          "wool mittens",
            "dragon scale gauntlets", "dragon scale leggings", "dragon scale boots", "cashmere socks",
            "cashmere trousers",     "cashmere gloves",    "leather boots",       "leather greaves",
        };
        for (const char* pair : kPairs) table.emplace_back(pair, "a pair of ");
        table.emplace_back("firemead", "a bottle of ");
        table.emplace_back("volcanic honey", "a jar of ");
        table.emplace_back("warm goo", "a pile of ");
        table.emplace_back("yellow potion", "a ");
        table.emplace_back("yellow wand", "a ");
    }
    return table;
}

bool StartsWithVowel(const std::string& name) {
    if (name.empty()) return false;
    switch (name[0]) {
        case 'a':
        case 'e':
        case 'i':
        case 'o':
        case 'u':
        case 'y': return true;
        default: return false;
    }
}

}  // namespace

NimiPari::NimiPari(std::string first, std::string second) : first(std::move(first)), second(std::move(second)) {}

const char* ItemKindDisplayName(int32_t kind, int32_t extra, uint8_t identified) {
    static char buffer[kNameBufferSize];
    // A name too long for the buffer (only bad data makes one) is cut, never overrun.
    std::snprintf(buffer, sizeof buffer, "%s", DisplayName(kind, extra, identified).c_str());
    return buffer;
}

std::string ItemNameWithArticle(std::string name) {
    for (const NimiPari& row : ArticleTable()) {
        if (name.find(row.first) != std::string::npos) return row.second + name + " ";
    }
    return (StartsWithVowel(name) ? "an " : "a ") + name + " ";
}

std::string PluralItemName(std::string name) {
    static const std::pair<const char*, const char*> kWholeNames[] = {
        {"firemead", "bottles of firemead "},
        {"volcanic honey", "jars of volcanic honey "},
        {"warm goo", "piles of warm goo "},
        {"everburning leaf", "everburning leaves "},
        {"exploding potion of acid", "exploding potions of acid "},
    };
    for (const auto& [singular, plural] : kWholeNames) {
        if (name == singular) return plural;
    }
    static const std::pair<std::string, std::string> kPhrases[] = {
        {"potion of ", "potions of "},
        {"piece of ", "pieces of "},
        {"lump of ", "lumps of "},
        {"pile of ", "piles of "},
    };
    for (const auto& [singular, plural] : kPhrases) {
        // The phrase becomes plural where it stands, so a name that does not begin
        // with it keeps its first words whole.
        const std::size_t at = name.find(singular);
        if (at != std::string::npos) return name.substr(0, at) + plural + name.substr(at + singular.size()) + " ";
    }
    return name + (EndsWithS(name.c_str()) ? "es " : "s ");
}

bool EndsWithS(const char* name) {
    const std::string text = name == nullptr ? std::string() : std::string(name);
    if (text.empty()) return false;
    std::size_t at = text.size() - 1;
    while (text[at] == ' ' && at > 0) --at;
    return text[at] == 's';
}

std::string ShownItemName(const ItemData& item) {
    if (!IsKindIndex(item.kind)) return kUndefinedName;
    if (player.identifiedKinds[item.kind] != 1) {
        switch (itemKinds[item.kind].type) {
            case kItemPotion: return PotionAppearanceName(item.kind);
            case kItemWand: return WandAppearanceName(item.kind);
            case kItemAccessory: return AccessoryAppearanceName(item.kind);
            default: break;
        }
    }
    return DisplayName(item.kind, item.prefix, item.identified);
}

std::string ShownKindName(const ItemData& item) {
    if (!IsKindIndex(item.kind)) return kUndefinedName;
    const int32_t type = itemKinds[item.kind].type;
    if (type == kItemPotion || type == kItemWand || type == kItemAccessory) return ShownItemName(item);
    return KindName(item.kind);
}
