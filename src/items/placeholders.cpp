// placeholder: the item services that are not built yet.
#include <cstring>
#include <string>

#include "items/item_kind.h"
#include "items/item_names.h"
#include "player/player.h"
#include "shell/drawing.h"
#include "shell/message_log.h"
#include "shell/text_format.h"

// placeholder
int32_t Player::ArrowCount() {
    for (const ItemData& item : inventory) {
        if (item.kind == arrowKindIndex) return item.quantity;
    }
    return 0;
}
// placeholder: nothing is too heavy yet.
bool Player::IsOverburdened() { return false; }
// placeholder: nothing can be taken yet.
int32_t Player::PickUpScreen() { return 0; }
// placeholder
int32_t Player::InventoryScreen() { return 0; }
// placeholder
void Player::SortInventory() {}
// placeholder
void Player::FixSlotsAfterErase(int32_t index) {
    for (int32_t& slot : equipSlots) {
        if (slot > index) --slot;
    }
}
// placeholder: the page text and each entry's kind name.
void Player::DrawInventoryPage(int32_t page) {
    const int32_t count = static_cast<int32_t>(inventory.size());
    const std::string pageText = FormatText("Page: %d/%d", page + 1, (count - 1) / 20 + 1);
    DrawText(pageText, 78 - static_cast<int32_t>(pageText.size()), 3, kCyan);
    for (int32_t y = 4; y <= 24; ++y) DrawText(messageLog.blank, 0, y, kBlack);
    for (int32_t r = 0; r < 20 && page * 20 + r < count; ++r) DrawItemRow(0, r + 4, page * 20 + r);
}
// placeholder: the kind name alone.
void Player::DrawItemRow(uint8_t highlight, int32_t row, int32_t index) {
    std::string text = std::string("@B") + itemKinds[inventory[index].kind].name;
    text.resize(120, ' ');
    DrawCodedText(text.c_str(), 0, row, highlight != 0 ? kOnGreen : kOnBlack);
}
// placeholder
void Player::ToggleAmmoAutoPickup() {}

// placeholder: the bare kind name until item names are built.
const char* ItemKindDisplayName(int32_t kind, int32_t, uint8_t) {
    if (kind < 0 || kind >= kItemKindCount) return "Undefined";
    return itemKinds[kind].name;
}
// placeholder
bool EndsWithS(const char* name) {
    std::size_t end = std::strlen(name);
    while (end > 1 && name[end - 1] == ' ') --end;
    return end > 0 && name[end - 1] == 's';
}
// placeholder: the starting kit gives nothing until it is built.
void Player::GiveStartingKit(int32_t) {}
