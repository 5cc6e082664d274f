// The unidentified looks of potions, wands, rings and amulets: dealt out to the kinds
// at random for every new game, and looked up by kind.
#include "items/appearances.h"

#include "toolkit/bounded_draw.h"
#include "toolkit/random_mother.h"
#include "world/item_kind.h"

AccessoryAppearance accessoryAppearances[35];
AppearanceName potionAppearances[30];
AppearanceName wandAppearances[30];

namespace {

struct Look {
    const char* name;
    ColourCode colour;
};

const Look kPotionLooks[30] = {
    {"purple potion", kMagenta},         {"yellow potion", kYellow},          {"blue potion", kBlue},
    {"red potion", kRed},                {"green potion", kGreen},            {"gray potion", kGrey},
    {"black potion", kDarkGrey},         {"pink potion", kLightMagenta},      {"orange potion", kBrown},
    {"light blue potion", kLightCyan},   {"white potion", kWhite},            {"shimmering potion", kLightGreen},
    {"bubbly potion", kCyan},            {"shaking potion", kBrown},          {"golden potion", kYellow},
    {"clean potion", kLightCyan},        {"stinking potion", kGreen},         {"heavy potion", kGrey},
    {"light potion", kLightBlue},        {"bloody potion", kLightRed},        {"snowy potion", kWhite},
    {"screaming potion", kCyan},         {"thick potion", kDarkGrey},         {"chunky potion", kLightRed},
    {"cute potion", kLightGreen},        {"swirly potion", kBrown},           {"light green potion", kLightGreen},
    {"smoky potion", kGrey},             {"dull potion", kLightBlue},         {"transparent potion", kYellow},
};

const Look kWandLooks[30] = {
    {"purple wand", kMagenta},         {"yellow wand", kYellow},          {"blue wand", kBlue},
    {"red wand", kRed},                {"green wand", kGreen},            {"gray wand", kGrey},
    {"black wand", kDarkGrey},         {"pink wand", kLightMagenta},      {"orange wand", kBrown},
    {"light blue wand", kLightCyan},   {"white wand", kWhite},            {"hard wand", kLightGreen},
    {"ancient wand", kCyan},           {"carved wand", kBrown},           {"golden wand", kYellow},
    {"clean wand", kLightCyan},        {"warped wand", kGreen},           {"heavy wand", kGrey},
    {"light wand", kLightBlue},        {"bloody wand", kLightRed},        {"itching wand", kWhite},
    {"perforated wand", kCyan},        {"fat wand", kDarkGrey},           {"tiny wand", kLightRed},
    {"stone wand", kDarkGrey},         {"twisted wand", kBrown},          {"light green wand", kLightGreen},
    {"burnt wand", kGrey},             {"decorated wand", kLightBlue},    {"radiating wand", kYellow},
};

struct AccessoryLook {
    const char* name;
    ColourCode colour;
    uint8_t ring;
};

const AccessoryLook kAccessoryLooks[35] = {
    {"slimy ring", kMagenta, 1},            {"golden ring", kYellow, 1},
    {"old ring", kBlue, 1},                 {"emerald ring", kGreen, 1},
    {"snake ring", kGreen, 1},              {"iron ring", kGrey, 1},
    {"big ring", kDarkGrey, 1},             {"bronze ring", kBrown, 1},
    {"opal ring", kLightBlue, 1},           {"ruby ring", kRed, 1},
    {"magenta ring", kLightMagenta, 1},     {"shiny ring", kLightGreen, 1},
    {"cyan ring", kLightCyan, 1},           {"engraved ring", kBrown, 1},
    {"wedding ring", kYellow, 1},           {"steel ring", kCyan, 1},
    {"twisted ring", kGreen, 1},            {"heavy ring", kGrey, 1},
    {"spiral ring", kLightBlue, 1},         {"amethyst amulet", kMagenta, 0},
    {"diamond amulet", kWhite, 0},          {"spiky amulet", kLightCyan, 0},
    {"dark amulet", kDarkGrey, 0},          {"small amulet", kLightRed, 0},
    {"beautiful necklace", kLightGreen, 0}, {"citrine necklace", kYellow, 0},
    {"cracked necklace", kLightGreen, 0},   {"weird amulet", kGrey, 0},
    {"soft amulet", kLightBlue, 0},         {"silver necklace", kWhite, 0},
    {"ethereal amulet", kWhite, 0},         {"glass ring", kWhite, 1},
    {"jasper ring", kRed, 1},               {"quartz ring", kYellow, 1},
    {"indigo ring", kMagenta, 1},
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
    return entry != nullptr ? entry->colour : kBlack;
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
