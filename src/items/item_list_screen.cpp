// The paged item list that the inventory and every other item list screen
// draw: 20 entries a page on rows 4 to 23, the page number on row 3.
#include "items/inventory.h"
#include "items/item_rows.h"
#include "toolkit/drawing.h"
#include "toolkit/text_format.h"
#include "world/player.h"

namespace {

constexpr int32_t kRowsPerPage = 20;
constexpr int32_t kFirstListRow = 4;
constexpr int32_t kNoticeRow = 24;

}  // namespace

void Player::DrawItemRow(bool highlight, int32_t row, int32_t index) {
    if (index < 0 || index >= static_cast<int32_t>(inventory.size())) return;
    DrawCodedText(ItemRowText(index).c_str(), 0, row, highlight ? kOnGreen : kOnBlack);
}

void Player::DrawInventoryPage(int32_t page, bool marksOnly) {
    const int32_t count = static_cast<int32_t>(inventory.size());
    if (marksOnly) {
        for (int32_t r = 0; r < kRowsPerPage && page * kRowsPerPage + r < count; ++r) {
            DrawChar(IsEquipped(page * kRowsPerPage + r) ? '*' : ' ', 0, kFirstListRow + r, kLightCyan);
        }
        return;
    }
    const std::string pageText = FormatText("Page: %d/%d", page + 1, count < 1 ? 1 : (count - 1) / kRowsPerPage + 1);
    DrawText(pageText, 78 - static_cast<int32_t>(pageText.size()), 3, kCyan);
    const std::string blank(80, ' ');
    DrawText(blank, 0, kNoticeRow, kBlack);
    for (int32_t row = kFirstListRow; row < kFirstListRow + kRowsPerPage; ++row) DrawText(blank, 0, row, kBlack);
    for (int32_t r = 0; r < kRowsPerPage; ++r) {
        const int32_t index = page * kRowsPerPage + r;
        if (index > count - 1) break;
        DrawItemRow(false, kFirstListRow + r, index);
    }
}
