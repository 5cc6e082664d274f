// What one row of an item list says, column by column. The pads keep the
// columns of the header over values of one or two digits.
#include "items/item_rows.h"

#include "items/inventory.h"
#include "items/item_names.h"
#include "items/item_prefixes.h"
#include "toolkit/text_format.h"
#include "world/item_kind.h"
#include "world/player.h"

namespace {

constexpr char kEquippedMark = '*';
constexpr char kPickedMark = '*';
// A name longer than this leaves no room for the hand mark.
constexpr std::size_t kLongestHandMarkedName = 40;
constexpr std::size_t kEmptyWandColumn = 13;  // in the text, after the two markup characters

std::string Padded(std::string text) {
    text.resize(kItemRowWidth, ' ');
    return text;
}

bool Wearable(int32_t type) { return type == kItemArmour || type == kItemWeapon || type == kItemCloth; }

// Dark grey until the item has been tried, then its blessing's colour.
const char* NameColour(const ItemData& item) {
    if (item.identified == 0) return "@i";
    if (item.blessing == kBlessed) return "@Y";
    if (item.blessing == kCursed) return "@R";
    return "@B";
}

int32_t ShownWeight(const ItemData& item, const ItemKind& kind) {
    if (kind.type == kItemCloth || item.prefix < 0 || item.prefix >= kItemPrefixCount) return kind.weight;
    switch (itemPrefixes[item.prefix].id) {
        case kPrefixHeavy: return 6 * kind.weight;
        case kPrefixAntiWeight: return 0;
        default: return kind.weight;
    }
}

double BasePlus(const ItemKind& kind) {
    switch (kind.type) {
        case kItemArmour:
        case kItemCloth: return kind.subtype == kSubtypeShield ? kind.power * 0.5 : kind.power;
        case kItemWeapon:
        case kItemAmmunition: return (kind.power + kind.secondValue) * 0.5;
        default: return 0;
    }
}

// Keeps a value of up to three digits in its column.
const char* ThreeDigitPad(int32_t value) { return value < 10 ? "  " : value < 100 ? " " : ""; }

}  // namespace

std::string ItemRowText(int32_t index) {
    const ItemData& item = player.inventory[static_cast<std::size_t>(index)];
    if (item.kind < 0 || item.kind >= kItemKindCount) return Padded("");
    const ItemKind& kind = itemKinds[item.kind];
    const char mark = IsEquipped(index) ? kEquippedMark : ' ';
    const std::string name = ShownItemName(item);
    const int32_t weight = ShownWeight(item, kind);
    const char* weightPad = ThreeDigitPad(weight);
    const double basePlus = BasePlus(kind);
    const char* basePad = basePlus < 10.0 ? " " : "";
    std::string quantityPad = ThreeDigitPad(item.quantity);

    if (Wearable(kind.type)) {
        if (item.durability < 10) quantityPad += ' ';
        std::string handMark;
        if (kind.type == kItemWeapon && name.size() <= kLongestHandMarkedName) {
            handMark = kind.subtype == kSubtypeOneHanded ? "1H " : "2H ";
        }
        return Padded(FormatText("@C%c    %d  %s %d/%d%s   %.1f%s   %d%s     %s%s%s", mark, item.quantity,
                                 quantityPad.c_str(), item.durability, kind.maxDurability,
                                 kind.maxDurability < 10 ? " " : "", basePlus, basePad, weight, weightPad,
                                 NameColour(item), handMark.c_str(), name.c_str()));
    }
    if (kind.type == kItemAccessory) {
        return Padded(FormatText("@C%c    %d  %s                %d%s     %s%s", mark, item.quantity,
                                 quantityPad.c_str(), weight, weightPad, NameColour(item), name.c_str()));
    }
    if (kind.type == kItemWand && item.empty != 0) {
        return Padded(FormatText("@C%c    %d %s  Empty          %d%s     @B%s", mark, item.quantity, quantityPad.c_str(),
                                 weight, weightPad, name.c_str()));
    }
    if (kind.type == kItemAmmunition && item.kind != arrowKindIndex) {
        return Padded(FormatText("@C%c    %d  %s         %.1f%s   %d%s     @B%s", mark, item.quantity,
                                 quantityPad.c_str(), basePlus, basePad, weight, weightPad, name.c_str()));
    }
    return Padded(FormatText("@C%c    %d  %s                %d%s     @B%s", mark, item.quantity, quantityPad.c_str(),
                             weight, weightPad, name.c_str()));
}

std::string PickupRowText(const ItemData& item, bool marked) {
    if (item.kind < 0 || item.kind >= kItemKindCount) return Padded("");
    const ItemKind& kind = itemKinds[item.kind];
    const char* quantityPad = ThreeDigitPad(item.quantity);
    const char mark = marked ? kPickedMark : ' ';
    const std::string name = ShownItemName(item);
    std::string text;
    if (Wearable(kind.type)) {
        const char* durabilityPad = item.durability < 10 ? " " : "";
        const char* format = "@C%d   %s     %d   %s        %c         @B%s";
        if (item.identified == 0) {
            format = "@C%d  %s      %d   %s        %c         @i%s";
        } else if (item.blessing == kBlessed) {
            format = "@C%d    %s    %d    %s       %c         @Y%s";
        } else if (item.blessing == kCursed) {
            format = "@C%d   %s     %d   %s        %c         @R%s";
        }
        text = FormatText(format, item.quantity, quantityPad, item.durability, durabilityPad, mark, name.c_str());
    } else {
        const char* colour = kind.type == kItemAccessory ? NameColour(item) : "@B";
        text = FormatText("@C%d        %s             %c         %s%s", item.quantity, quantityPad, mark, colour,
                          name.c_str());
    }
    text = Padded(text);
    if (kind.type == kItemWand && item.empty != 0) text.replace(kEmptyWandColumn, 5, "Empty");
    return text;
}
