// The list screens of equipment: the inventory 20 rows a page with a cursor,
// one key that takes the item under it, and a way out that may first ask
// whether the player really wants to waste what opened the screen.
#include "items/equipment_list_screen.h"

#include <string>

#include "floors/floor.h"
#include "player/commands.h"
#include "player/player.h"
#include "shell/drawing.h"
#include "shell/list_frame.h"
#include "shell/message_log.h"
#include "shell/screen_redraw.h"
#include "shell/terminal.h"

namespace {

constexpr int32_t kRowsPerPage = 20;
constexpr int32_t kFirstRow = 4;
constexpr int32_t kPromptRow = 24;

void DrawListHeader(const EquipmentListRules& rules) {
    DrawListFrame(rules.helpLine, rules.secondHelpLine, 0);
    DrawText("Eq.  Qty.  Durab.  Base+  Weight  Name", 0, 3, kCyan);
}

void RedrawRememberedTiles() {
    ClearScreen();
    if (Floor* floor = CurrentFloor(); floor != nullptr) floor->RedrawSeenTiles();
}

// The cursor of a paged list: page p, row r on it, over N entries.
class ListCursor {
public:
    int32_t Index() const { return page_ * kRowsPerPage + row_; }

    void Down() {
        const int32_t last = Count() - 1;
        if (Index() == last && last > 0) {
            if (page_ == 0) {
                Plain();
            } else {
                ShowPage(0);
            }
            Highlight(0);
        } else if (row_ < kRowsPerPage - 1 && Index() < last) {
            Plain();
            Highlight(row_ + 1);
        } else if (row_ == kRowsPerPage - 1 && Index() < last && page_ * kRowsPerPage + kRowsPerPage <= last) {
            ShowPage(page_ + 1);
            Highlight(0);
        }
    }

    void Up() {
        const int32_t last = Count() - 1;
        if (row_ > 0) {
            Plain();
            Highlight(row_ - 1);
        } else if (page_ > 0) {
            ShowPage(page_ - 1);
            Highlight(kRowsPerPage - 1);
        } else if (last > 0) {
            // From the first entry round to the last.
            const int32_t lastPage = last / kRowsPerPage;
            if (lastPage == 0) {
                Plain();
            } else {
                ShowPage(lastPage);
            }
            Highlight(last - lastPage * kRowsPerPage);
        }
    }

    void NextPage() {
        if ((page_ + 1) * kRowsPerPage > Count() - 1) return;
        ShowPage(page_ + 1);
        Highlight(0);
    }

    void PreviousPage() {
        if (page_ == 0) return;
        ShowPage(page_ - 1);
        Highlight(0);
    }

    void ShowPage(int32_t page) {
        page_ = page;
        player.DrawInventoryPage(page_);
    }

    void Highlight(int32_t row) {
        row_ = row;
        player.DrawItemRow(1, kFirstRow + row_, Index());
    }

private:
    static int32_t Count() { return static_cast<int32_t>(player.inventory.size()); }
    void Plain() const { player.DrawItemRow(0, kFirstRow + row_, Index()); }

    int32_t page_ = 0;
    int32_t row_ = 0;
};

bool IsLeaveKey(int key) { return key == 'z' || key == 'Z' || key == kKeyEscape || key == '`'; }

// True when the player confirms leaving; the prompt is taken away otherwise.
bool ConfirmLeaving(const char* prompt) {
    DrawText(messageLog.blank, 0, kPromptRow, kBlack);
    DrawText(prompt, 6, kPromptRow, kLightCyan);
    for (;;) {
        const int key = ReadKey();
        if (key == 'y' || key == 'Y') return true;
        if (key == 'n' || key == 'N') {
            DrawText(messageLog.blank, 0, kPromptRow, kBlack);
            return false;
        }
    }
}

}  // namespace

int32_t ChooseFromEquipmentList(const EquipmentListRules& rules) {
    if (player.inventory.empty()) {
        if (rules.emptyMessage == nullptr) return -1;
        PrintWords(rules.emptyMessage);
        MoveCursorToPlayer();
        return -1;
    }
    ClearScreen();
    ListCursor cursor;
    cursor.ShowPage(0);
    cursor.Highlight(0);
    DrawListHeader(rules);
    for (;;) {
        const int key = ReadKey();
        if (key == '2' || key == kKeyDown) {
            cursor.Down();
        } else if (key == '8' || key == kKeyUp) {
            cursor.Up();
        } else if (key == '+' || key == kKeyPageDown) {
            cursor.NextPage();
        } else if (key == '-' || key == kKeyPageUp) {
            cursor.PreviousPage();
        } else if (key == rules.chooseKey || key == kKeyEnter) {
            const int32_t index = cursor.Index();
            const ItemData& item = player.inventory[static_cast<std::size_t>(index)];
            if (item.kind < 0 || item.kind >= kItemKindCount || !rules.accepts(item, itemKinds[item.kind])) continue;
            if (!rules.fullRedraw) {
                RedrawRememberedTiles();
                return index;
            }
            ClearScreen();
            if (RestoreMapView()) RedrawScreen();
            return index;
        } else if (IsLeaveKey(key)) {
            if (rules.leavePrompt != nullptr && !ConfirmLeaving(rules.leavePrompt)) continue;
            RedrawRememberedTiles();
            return -1;
        }
    }
}
