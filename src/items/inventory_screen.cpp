// The inventory screen: the carried items in pages of 20, a highlight to move,
// and keys to use, drop and examine. The dead and the victorious may only look.
#include <string>

#include "items/inventory.h"
#include "player/map_view.h"
#include "player/surroundings.h"
#include "toolkit/drawing.h"
#include "toolkit/list_frame.h"
#include "toolkit/message_log.h"
#include "toolkit/terminal.h"
#include "world/floor.h"
#include "world/game_hooks.h"
#include "world/player.h"

namespace {

constexpr int32_t kRowsPerPage = 20;
constexpr int32_t kFirstListRow = 4;
constexpr int32_t kNoticeRow = 24;
constexpr ColourCode kNoticeColour = kLightCyan;

void DrawFrame() {
    DrawListFrame("  8 = up     page up = previous page   u = use    d = drop 1   D = drop stack   ",
                  "  2 = down   page down = next page     z = exit   e = examine item properties   ", 0);
    DrawText("Eq.  Qty.  Durab.  Base+  Weight  Name", 0, 3, kCyan);
}

// A refusal on the notice row, there until the space bar is pressed.
void Refuse(const char* text, int32_t column) {
    DrawText(text, column, kNoticeRow, kNoticeColour);
    WaitForSpaceKey();
    DrawText(std::string(80, ' '), 0, kNoticeRow, kBlack);
}

// The map again after the screen, with its field of view and the status. The
// message lines are left pending: what was said while the screen was open (a
// lighter burden, the altar's hint) is shown by the turn's own redraw, which
// would otherwise blank the rows right after this one had flushed them.
void RedrawMap() {
    ClearScreen();
    RestoreMapView();
    RedrawScreenQuiet();
}

class InventoryVisit {
public:
    explicit InventoryVisit(Player& p) : p_(p) {}

    int32_t Run();

private:
    int32_t Visit();
    int32_t Count() const { return static_cast<int32_t>(p_.inventory.size()); }
    int32_t Index() const { return page_ * kRowsPerPage + cursor_; }
    // Use and drop are for a living character in the dungeon.
    bool MayAct() const { return p_.hp >= 1 && p_.currentFloor != -1; }
    void Highlight() { p_.DrawItemRow(true, kFirstListRow + cursor_, Index()); }
    void Unhighlight() { p_.DrawItemRow(false, kFirstListRow + cursor_, Index()); }
    void ShowPage(int32_t page, int32_t cursor) {
        page_ = page;
        cursor_ = cursor;
        p_.DrawInventoryPage(page_);
        Highlight();
    }
    void MoveWithinPage(int32_t cursor) {
        Unhighlight();
        cursor_ = cursor;
        Highlight();
    }
    void Down();
    void Up();
    // Returns true when the screen ends; result_ then holds its result.
    bool Use();
    bool Drop(bool all);
    // Leaving: the map again unless dead or on the surface.
    int32_t Leave(int32_t result) {
        if (MayAct()) {
            RedrawMap();
        } else {
            ClearScreen();
        }
        return result;
    }

    Player& p_;
    int32_t page_ = 0;
    int32_t cursor_ = 0;
    bool dropped_ = false;
    bool hintPending_ = true;
    int32_t result_ = 0;
};

void InventoryVisit::Down() {
    const int32_t count = Count();
    const int32_t index = Index();
    if (index == count - 1 && count > 1) {
        if (page_ == 0) {
            MoveWithinPage(0);
        } else {
            ShowPage(0, 0);
        }
    } else if (cursor_ < kRowsPerPage - 1 && index < count - 1) {
        MoveWithinPage(cursor_ + 1);
    } else if (cursor_ == kRowsPerPage - 1 && index < count - 1 && page_ * kRowsPerPage + kRowsPerPage <= count - 1) {
        ShowPage(page_ + 1, 0);
    }
}

void InventoryVisit::Up() {
    const int32_t count = Count();
    if (cursor_ > 0) {
        MoveWithinPage(cursor_ - 1);
    } else if (page_ > 0) {
        ShowPage(page_ - 1, kRowsPerPage - 1);
    } else if (count > 1) {
        const int32_t lastPage = (count - 1) / kRowsPerPage;
        const int32_t lastCursor = count - 1 - lastPage * kRowsPerPage;
        if (lastPage == 0) {
            MoveWithinPage(lastCursor);
        } else {
            ShowPage(lastPage, lastCursor);
        }
    }
}

bool InventoryVisit::Use() {
    const int32_t index = Index();
    switch (UseOf(p_.inventory[static_cast<std::size_t>(index)])) {
        case InventoryUse::kUse:
            RedrawMap();
            p_.UseItem(index);
            p_.SortInventory();
            p_.RecomputePlayerStats();
            result_ = 1;
            return true;
        case InventoryUse::kEquip: Refuse("Use the equipment screen to equip items! (Press space)", 13); return false;
        case InventoryUse::kNone: return false;
    }
    return false;
}

bool InventoryVisit::Drop(bool all) {
    const int32_t index = Index();
    if (IsEquipped(index)) {
        Refuse("You can't drop equipped items! (Press space)", 17);
        return false;
    }
    const Tile* tile = PlayerTile();
    if (tile == nullptr || static_cast<int32_t>(tile->items.size()) >= kMaxTileItems) {
        RedrawMap();
        PrintWords("There are too many items here already! ");
        result_ = dropped_ ? 1 : 0;
        return true;
    }
    const std::string report = DropReport(p_.inventory[static_cast<std::size_t>(index)], all);
    const bool wasLastOfSeveral = p_.DropItem(index, all, hintPending_);
    dropped_ = true;
    hintPending_ = false;
    p_.RecomputePlayerStats();
    if (p_.inventory.empty()) {
        RedrawMap();
        messageLog.PrintMessage(report);
        result_ = 1;
        return true;
    }
    int32_t page = page_;
    int32_t cursor = cursor_;
    if (cursor == 0 && page > 0 && wasLastOfSeveral) --page;
    if (cursor > 0 && Count() == index) --cursor;
    ShowPage(page, cursor);
    // Centred; a report too long for the row starts at its left edge.
    const int32_t column = (79 - static_cast<int32_t>(report.size())) / 2;
    DrawText(report, column < 0 ? 0 : column, kNoticeRow, kNoticeColour);
    return false;
}

int32_t InventoryVisit::Run() {
    const int32_t result = Visit();
    // A visit that used no turn gets no end-of-turn redraw: what it said is shown now.
    if (result == 0 && messageLog.used[0]) {
        messageLog.FlushMessages(false);
        MoveCursorToPlayer();
    }
    return result;
}

int32_t InventoryVisit::Visit() {
    if (p_.inventory.empty()) {
        PrintWords("Your inventory is empty! ");
        messageLog.FlushMessages(false);
        MoveCursorToPlayer();
        return 0;
    }
    ClearScreen();
    ShowPage(0, 0);
    DrawFrame();
    for (;;) {
        switch (ReadKey()) {
            case '2':
            case kKeyDown: Down(); break;
            case '8':
            case kKeyUp: Up(); break;
            case '+':
            case kKeyPageDown:
                if ((page_ + 1) * kRowsPerPage <= Count() - 1) ShowPage(page_ + 1, 0);
                break;
            case '-':
            case kKeyPageUp:
                if (page_ > 0) ShowPage(page_ - 1, 0);
                break;
            case 'u':
            case kKeyEnter:
                if (MayAct() && Use()) return result_;
                break;
            case 'd':
                if (MayAct() && Drop(false)) return result_;
                break;
            case 'D':
                if (MayAct() && Drop(true)) return result_;
                break;
            case 'e': {
                const int32_t index = Index();
                Leave(1);
                ExamineItem(index);
                return 1;
            }
            case 'z':
            case 'Z':
            case kKeyEscape:
            case '`': return Leave(dropped_ ? 1 : 0);
            default: break;
        }
    }
}

}  // namespace

int32_t Player::InventoryScreen() { return InventoryVisit(*this).Run(); }
