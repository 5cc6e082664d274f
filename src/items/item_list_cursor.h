#pragma once
// The cursor of the paged inventory lists: page p, row r on it, over the
// player's inventory, 20 entries a page on screen rows 4 to 23. Moving it
// draws the old row plain and the new one highlighted; turning a page draws it.
#include <cstdint>

constexpr int32_t kListRowsPerPage = 20;
constexpr int32_t kListFirstRow = 4;

class ListCursor {
public:
    int32_t Index() const { return page_ * kListRowsPerPage + row_; }
    int32_t Page() const { return page_; }
    int32_t Row() const { return row_; }

    // Down from the last entry wraps to the first, up from the first to the last.
    void Down();
    void Up();
    void NextPage();
    void PreviousPage();
    void ShowPage(int32_t page);
    void Highlight(int32_t row);

private:
    void Plain() const;

    int32_t page_ = 0;
    int32_t row_ = 0;
};

// Moves the cursor by one of the list keys ('2', '8', '+', '-', the arrows and
// the page keys); false when the key is none of them.
bool MoveListCursor(ListCursor& cursor, int key);

// Opens a list screen on page 0 with the cursor on the first entry, under the
// frame of its two key lines and the column header. The inventory must not be empty.
void OpenItemList(ListCursor& cursor, const char* firstKeys, const char* secondKeys);
