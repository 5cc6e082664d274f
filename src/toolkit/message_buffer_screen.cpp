// The "Message Buffer" screen: the message history, newest line at the bottom.
#include <algorithm>

#include "toolkit/drawing.h"
#include "toolkit/list_frame.h"
#include "toolkit/message_log.h"
#include "toolkit/terminal.h"
#include "toolkit/toolkit_hooks.h"

namespace {

constexpr int kFirstHistoryRow = 3;
constexpr int kHistoryRows = 22;
constexpr int kNewestView = kHistoryRows - 1;  // the entry shown on row 3 in the first view
constexpr int kOldestView = kHistoryLines - 1;

// An 80-column row with each text placed at its column.
std::string HeaderRow(std::initializer_list<std::pair<int, const char*>> texts) {
    std::string row(80, ' ');
    for (const auto& [column, text] : texts) {
        const std::string piece(text);
        row.replace(static_cast<std::size_t>(column), piece.size(), piece);
    }
    return row;
}

void DrawHistory(const MessageLog& log, int top) {
    for (int row = 0; row < kHistoryRows; ++row) {
        const std::string& entry = log.history[top - row];
        if (entry.empty()) {
            DrawText(log.blank, 0, kFirstHistoryRow + row, kBlack);
        } else {
            DrawCodedText(entry.c_str(), 0, kFirstHistoryRow + row, kOnBlack);
        }
    }
}

}  // namespace

void MessageLog::ShowMessageBuffer() {
    ClearScreen();
    DrawListFrame(HeaderRow({{2, "8 = up"}, {32, "Message Buffer"}, {70, "2 = down"}}),
                  HeaderRow({{2, "page up = more up"}, {35, "z = exit"}, {57, "page down = more down"}}), 0);
    int top = kNewestView;
    DrawHistory(*this, top);
    for (;;) {
        const int key = ReadKey();
        int wanted = top;
        if (key == '8' || key == kKeyUp) {
            wanted = std::min(top + 1, kOldestView);
        } else if (key == '2' || key == kKeyDown) {
            wanted = std::max(top - 1, kNewestView);
        } else if (key == '-' || key == kKeyPageUp) {
            wanted = std::min(top + kHistoryRows, kOldestView);
        } else if (key == '+' || key == kKeyPageDown) {
            wanted = std::max(top - kHistoryRows, kNewestView);
        } else if (key == 'z' || key == 'Z' || key == kKeyEscape || key == '`') {
            break;
        } else {
            continue;
        }
        if (wanted != top) {
            top = wanted;
            DrawHistory(*this, top);
        }
    }
    ClearScreen();
    if (toolkitHooks.historyClosed != nullptr) toolkitHooks.historyClosed();
}
