// The chooser: the lists of a slot, 19 rows a page with a letter each, and the
// letter that puts an item on or takes it off.
#include <array>
#include <string>

#include "items/appearances.h"
#include "items/equip_chooser.h"
#include "items/equip_rules.h"
#include "items/equipment_rows.h"
#include "items/item_names.h"
#include "player/worn_gear.h"
#include "toolkit/drawing.h"
#include "toolkit/list_frame.h"
#include "toolkit/terminal.h"
#include "toolkit/text_format.h"
#include "world/player.h"

namespace {

constexpr int32_t kMaxRows = 59;
constexpr int32_t kRowsPerPage = 19;
constexpr int32_t kFirstRow = 4;
// Row letters run on past 'z' through the next characters; a key can choose a
// row only while its letter is a character that shows.
constexpr int32_t kLastLetter = '~';

void DrawHeader() {
    DrawListFrame("    space = exit    red letter = equipped item",
                  "select the equipped item if you want to unequip it", 14);
}

std::string RowText(ChooserListKind list, const ItemData& item) {
    const ItemKind& kind = *KindOf(&item);
    const float damage = static_cast<float>(kind.power + kind.secondValue) * 0.5f;
    switch (list) {
        case ChooserListKind::kArmour:
        case ChooserListKind::kCloth: {
            // A shield counts for half its armour.
            const int32_t base = list == ChooserListKind::kArmour && kind.subtype == kSubtypeShield ? kind.power / 2 : kind.power;
            return FormatText("%s (Durability: %d/%d, Base+: %d)", ItemKindDisplayName(item.kind, item.prefix, item.identified),
                              item.durability, kind.maxDurability, base);
        }
        case ChooserListKind::kWeapons:
            return FormatText(kind.subtype == kSubtypeOneHanded ? "1H %s (Durability: %d/%d, Base+: %.1f)"
                                                                : "2H %s (Durability: %d/%d, Base+: %.1f)",
                              ItemKindDisplayName(item.kind, item.prefix, item.identified), item.durability,
                              kind.maxDurability, static_cast<double>(damage));
        case ChooserListKind::kThrown:
            return FormatText("%s (Quantity: %d, Base+: %.1f)", kind.name, item.quantity, static_cast<double>(damage));
        case ChooserListKind::kAccessories:
            return player.identifiedKinds[item.kind] != 0 ? std::string(kind.name) : AccessoryAppearanceName(item.kind);
    }
    return {};
}

void DrawChooserRow(int32_t row, const ChooserList& list, const ChooserEntry& entry) {
    const int32_t y = kFirstRow + row % kRowsPerPage;
    const int32_t letter = 'a' + row;
    DrawChar('[', 6, y, kGreen);
    DrawChar(letter <= kLastLetter ? static_cast<char>(letter) : ' ', 7, y, entry.equipped ? kLightRed : kLightGreen);
    DrawChar(']', 8, y, kGreen);
    const ItemData& item = player.inventory[static_cast<std::size_t>(entry.index)];
    DrawText(RowText(list.kind, item), 10, y, ItemBlessingColour(item, kDarkGrey));
}

void WaitForAnyKey() { ReadKey(); }

}  // namespace

int8_t Player::ChooseItemToEquip(int32_t selector, bool alternate, bool thrown, bool second) {
    ClearScreen();
    std::array<int32_t, kMaxRows + 1> rowItems;
    rowItems.fill(-1);
    DrawHeader();

    int32_t rows = 0;
    int32_t candidates = 0;
    for (const ChooserList& list : ChooserLists(selector, alternate, thrown, second)) {
        candidates += static_cast<int32_t>(list.entries.size());
        for (const ChooserEntry& entry : list.entries) {
            if (rows >= kMaxRows) break;
            DrawChooserRow(rows, list, entry);
            rowItems[static_cast<std::size_t>(rows)] = entry.index;
            ++rows;
            if (rows % kRowsPerPage == 0 && candidates > rows) {
                // Earlier pages are not shown again; their letters stay valid.
                DrawText("Remember the items, new page coming.", 25, 24, kLightCyan);
                WaitForAnyKey();
                ClearScreen();
                DrawHeader();
            }
        }
    }
    if (rows == 0) {
        DrawText("No items of that type!", 30, 10, kRed);
        DrawText("Press a key", 34, 11, kRed);
        WaitForAnyKey();
        ClearScreen();
        return 0;
    }

    int32_t row = -1;
    while (row < 0) {
        const int key = ReadKey();
        if (key == kKeyEscape || key == kKeySpace || key == '`' || (key == 'z' && rows < 26)) {
            ClearScreen();
            return 0;
        }
        if (key >= 'a' && key <= kLastLetter && key - 'a' < rows) row = key - 'a';
    }
    const int32_t index = rowItems[static_cast<std::size_t>(row)];
    int32_t result = 0;
    if (selector == kSubtypeShield && second) {
        result = AssignHandSwap(index, true);
    } else if (selector == kChooseWeapons && alternate) {
        result = AssignHandSwap(index, second);
    } else {
        result = second ? ToggleSecondSlot(index) : ToggleEquipSlot(index);
    }
    if (result == kSlotRefused) {
        ClearScreen();
        DrawText("Couldn't equip the item. You can't wield that many items at a time.", 6, 11, kRed);
        DrawText("Press a key", 34, 12, kRed);
        WaitForAnyKey();
        result = 0;
    }
    ClearScreen();
    return static_cast<int8_t>(result);
}
