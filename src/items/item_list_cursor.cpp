#include "items/item_list_cursor.h"

#include "toolkit/drawing.h"
#include "toolkit/list_frame.h"
#include "toolkit/terminal.h"
#include "world/player.h"

namespace {

int32_t Count() { return static_cast<int32_t>(player.inventory.size()); }

}  // namespace

void ListCursor::Down() {
    const int32_t last = Count() - 1;
    if (Index() == last && last > 0) {
        if (page_ == 0) {
            Plain();
        } else {
            ShowPage(0);
        }
        Highlight(0);
    } else if (row_ < kListRowsPerPage - 1 && Index() < last) {
        Plain();
        Highlight(row_ + 1);
    } else if (row_ == kListRowsPerPage - 1 && Index() < last && page_ * kListRowsPerPage + kListRowsPerPage <= last) {
        ShowPage(page_ + 1);
        Highlight(0);
    }
}

void ListCursor::Up() {
    const int32_t last = Count() - 1;
    if (row_ > 0) {
        Plain();
        Highlight(row_ - 1);
    } else if (page_ > 0) {
        ShowPage(page_ - 1);
        Highlight(kListRowsPerPage - 1);
    } else if (last > 0) {
        // From the first entry round to the last.
        const int32_t lastPage = last / kListRowsPerPage;
        if (lastPage == 0) {
            Plain();
        } else {
            ShowPage(lastPage);
        }
        Highlight(last - lastPage * kListRowsPerPage);
    }
}

void ListCursor::NextPage() {
    if ((page_ + 1) * kListRowsPerPage > Count() - 1) return;
    ShowPage(page_ + 1);
    Highlight(0);
}

void ListCursor::PreviousPage() {
    if (page_ == 0) return;
    ShowPage(page_ - 1);
    Highlight(0);
}

void ListCursor::ShowPage(int32_t page) {
    page_ = page;
    player.DrawInventoryPage(page_);
}

void ListCursor::Highlight(int32_t row) {
    row_ = row;
    player.DrawItemRow(1, kListFirstRow + row_, Index());
}

void ListCursor::Plain() const { player.DrawItemRow(0, kListFirstRow + row_, Index()); }

bool MoveListCursor(ListCursor& cursor, int key) {
    if (key == '2' || key == kKeyDown) {
        cursor.Down();
    } else if (key == '8' || key == kKeyUp) {
        cursor.Up();
    } else if (key == '+' || key == kKeyPageDown) {
        cursor.NextPage();
    } else if (key == '-' || key == kKeyPageUp) {
        cursor.PreviousPage();
    } else {
        return false;
    }
    return true;
}

void OpenItemList(ListCursor& cursor, const char* firstKeys, const char* secondKeys) {
    ClearScreen();
    cursor.ShowPage(0);
    cursor.Highlight(0);
    DrawListFrame(firstKeys, secondKeys, 0);
    DrawText("Eq.  Qty.  Durab.  Base+  Weight  Name", 0, 3, kCyan);
}
