#include "folk/item_offer_list.h"

#include <algorithm>

#include "folk/folk_prompts.h"
#include "items/item_list_cursor.h"
#include "player/commands.h"
#include "player/map_view.h"
#include "toolkit/drawing.h"
#include "toolkit/message_log.h"
#include "toolkit/terminal.h"
#include "world/floor.h"
#include "world/game_hooks.h"
#include "world/player.h"

namespace {

int32_t InventorySize() { return static_cast<int32_t>(player.inventory.size()); }

}  // namespace

void CloseOfferList() {
    ClearScreen();
    if (Floor* floor = CurrentFloor(); floor != nullptr) floor->RedrawSeenTiles();
}

void CloseOfferListToMap() {
    ClearScreen();
    // The message lines stay pending: what was said while the list was open is
    // shown by the next flush with what follows, not flushed here and overwritten.
    if (RestoreMapView()) RedrawScreenQuiet();
}

int32_t RunOfferList(const char* firstKeys, const char* secondKeys, OfferKeyHandler handler) {
    if (player.inventory.empty()) {
        PrintWords("Your inventory is empty! ");
        MoveCursorToPlayer();
        return -1;
    }
    ListCursor cursor;
    OpenItemList(cursor, firstKeys, secondKeys);
    for (;;) {
        const int key = ReadKey();
        if (MoveListCursor(cursor, key)) continue;
        if (IsLeaveKey(key)) {
            CloseOfferList();
            return -1;
        }
        const int32_t result = handler(cursor, key);
        if (result != kListStaysOpen) return result;
    }
}

void RefuseOnNoticeRow(const std::string& text, int32_t column) {
    DrawText(messageLog.blank, 0, kNoticeRow, kBlack);
    DrawPrompt(text, kNoticeRow, column);
    WaitForSpaceKey();
    DrawText(messageLog.blank, 0, kNoticeRow, kBlack);
}

int32_t GiveAwayOneUnit(ListCursor& cursor, const std::string& message, int32_t width) {
    const int32_t index = cursor.Index();
    const int32_t before = InventorySize();
    ItemData& item = player.inventory[static_cast<std::size_t>(index)];
    bool lastEntryWent = false;
    if (item.quantity == 1) {
        lastEntryWent = index == before - 1 && before >= 2;
        RemoveWholeEntry(index);
    } else {
        UseUpOneUnit(index);
    }
    if (player.inventory.empty()) {
        messageLog.PrintMessage(message);
        CloseOfferList();
        return -1;
    }
    int32_t page = cursor.Page();
    int32_t row = cursor.Row();
    if (row == 0) {
        // The last entry of a page of its own went: the page before it is shown.
        if (page > 0 && lastEntryWent) page -= 1;
    } else if (InventorySize() == index) {
        row -= 1;
    }
    cursor.ShowPage(page);
    cursor.Highlight(row);
    const int32_t column = (width - static_cast<int32_t>(message.size())) / 2;
    DrawPrompt(message, kNoticeRow, std::max(column, 0));
    return kListStaysOpen;
}
