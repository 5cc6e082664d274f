// The unidentified looks of potions, wands, rings and amulets: dealt out to the kinds
// at random for every new game, and looked up by kind.
#include "items/appearances.h"

#include "items/item_kind.h"
#include "shell/bounded_draw.h"
#include "shell/random_mother.h"

AccessoryAppearance accessoryAppearances[35];
AppearanceName potionAppearances[30];
AppearanceName wandAppearances[30];

namespace {

struct Look {
    const char* name;
    ColourCode colour;
};

const Look kPotionLooks[30] = {
    {"purple potion", 5},      {"yellow potion", 14},      {"blue potion", 1},       {"red potion", 4},
    {"green potion", 2},       {"gray potion", 7},         {"black potion", 8},      {"pink potion", 13},
    {"orange potion", 6},      {"light blue potion", 11},  {"white potion", 15},     {"shimmering potion", 10},
    {"bubbly potion", 3},      {"shaking potion", 6},      {"golden potion", 14},    {"clean potion", 11},
    {"stinking potion", 2},    {"heavy potion", 7},        {"light potion", 9},      {"bloody potion", 12},
    {"snowy potion", 15},      {"screaming potion", 3},    {"thick potion", 8},      {"chunky potion", 12},
    {"cute potion", 10},       {"swirly potion", 6},       {"light green potion", 10}, {"smoky potion", 7},
    {"dull potion", 9},        {"transparent potion", 14},
};

const Look kWandLooks[30] = {
    {"purple wand", 5},      {"yellow wand", 14},     {"blue wand", 1},       {"red wand", 4},
    {"green wand", 2},       {"gray wand", 7},        {"black wand", 8},      {"pink wand", 13},
    {"orange wand", 6},      {"light blue wand", 11}, {"white wand", 15},     {"hard wand", 10},
    {"ancient wand", 3},     {"carved wand", 6},      {"golden wand", 14},    {"clean wand", 11},
    {"warped wand", 2},      {"heavy wand", 7},       {"light wand", 9},      {"bloody wand", 12},
    {"itching wand", 15},    {"perforated wand", 3},  {"fat wand", 8},        {"tiny wand", 12},
    {"stone wand", 8},       {"twisted wand", 6},     {"light green wand", 10}, {"burnt wand", 7},
    {"decorated wand", 9},   {"radiating wand", 14},
};

struct AccessoryLook {
    const char* name;
    ColourCode colour;
    uint8_t ring;
};

const AccessoryLook kAccessoryLooks[35] = {
    {"slimy ring", 5, 1},          {"golden ring", 14, 1},       {"old ring", 1, 1},
    {"emerald ring", 2, 1},        {"snake ring", 2, 1},         {"iron ring", 7, 1},
    {"big ring", 8, 1},            {"bronze ring", 6, 1},        {"opal ring", 9, 1},
    {"ruby ring", 4, 1},           {"magenta ring", 13, 1},      {"shiny ring", 10, 1},
    {"cyan ring", 11, 1},          {"engraved ring", 6, 1},      {"wedding ring", 14, 1},
    {"steel ring", 3, 1},          {"twisted ring", 2, 1},       {"heavy ring", 7, 1},
    {"spiral ring", 9, 1},         {"amethyst amulet", 5, 0},    {"diamond amulet", 15, 0},
    {"spiky amulet", 11, 0},       {"dark amulet", 8, 0},        {"small amulet", 12, 0},
    {"beautiful necklace", 10, 0}, {"citrine necklace", 14, 0},  {"cracked necklace", 10, 0},
    {"weird amulet", 7, 0},        {"soft amulet", 9, 0},        {"silver necklace", 15, 0},
    {"ethereal amulet", 15, 0},    {"glass ring", 15, 1},        {"jasper ring", 4, 1},
    {"quartz ring", 14, 1},        {"indigo ring", 5, 1},
};

// Hands every kind of the type a free entry of the table, drawing entries at random in
// kind order. A kind for which no entry fits (the data holds too many such kinds) keeps
// no look and shows as the error name.
template <typename Record, typename Fits>
void DealLooks(Record* table, int32_t size, int32_t itemType, Fits fitsKind) {
    for (int32_t kind = 0; kind < kItemKindCount; ++kind) {
        if (itemKinds[kind].type != itemType) continue;
        const int32_t entry =
            DrawUntilFits(size, [&](int32_t r) { return table[r].taken == 0 && fitsKind(table[r], kind); });
        if (entry < 0) continue;
        table[entry].taken = 1;
        table[entry].kind = kind;
    }
}

void DealPlainLooks(AppearanceName* table, const Look* looks, int32_t itemType) {
    for (int32_t i = 0; i < 30; ++i) table[i] = AppearanceName{-1, looks[i].name, 0, looks[i].colour};
    DealLooks(table, 30, itemType, [](const AppearanceName&, int32_t) { return true; });
}

template <typename Record>
const Record* OwnedBy(const Record* table, int32_t size, int32_t kind) {
    for (int32_t i = 0; i < size; ++i) {
        if (table[i].kind == kind) return &table[i];
    }
    return nullptr;
}

template <typename Record>
std::string NameOf(const Record* table, int32_t size, int32_t kind, const char* missing) {
    const Record* entry = OwnedBy(table, size, kind);
    return entry != nullptr ? entry->name : missing;
}

template <typename Record>
ColourCode ColourOf(const Record* table, int32_t size, int32_t kind) {
    const Record* entry = OwnedBy(table, size, kind);
    return entry != nullptr ? entry->colour : 0;
}

}  // namespace

// A shuffle starts from free entries, so a table can be dealt anew.
void ShufflePotionNames() { DealPlainLooks(potionAppearances, kPotionLooks, kItemPotion); }

void ShuffleWandNames() { DealPlainLooks(wandAppearances, kWandLooks, kItemWand); }

void ShuffleAccessoryNames() {
    for (int32_t i = 0; i < 35; ++i) {
        const AccessoryLook& look = kAccessoryLooks[i];
        accessoryAppearances[i] = AccessoryAppearance{-1, look.name, 0, look.colour, look.ring};
    }
    DealLooks(accessoryAppearances, 35, kItemAccessory, [](const AccessoryAppearance& entry, int32_t kind) {
        const int32_t subtype = itemKinds[kind].subtype;
        return entry.ringFlag == 1 ? subtype == kSubtypeRing : subtype == kSubtypeAmulet;
    });
}

std::string PotionAppearanceName(int32_t kind) { return NameOf(potionAppearances, 30, kind, "Error potion"); }
std::string WandAppearanceName(int32_t kind) { return NameOf(wandAppearances, 30, kind, "Error wand"); }
std::string AccessoryAppearanceName(int32_t kind) {
    return NameOf(accessoryAppearances, 35, kind, "Error accessory");
}
ColourCode PotionAppearanceColor(int32_t kind) { return ColourOf(potionAppearances, 30, kind); }
ColourCode WandAppearanceColor(int32_t kind) { return ColourOf(wandAppearances, 30, kind); }
ColourCode AccessoryAppearanceColor(int32_t kind) { return ColourOf(accessoryAppearances, 35, kind); }
