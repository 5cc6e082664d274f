#include "toolkit/list_frame.h"

#include "toolkit/drawing.h"

void DrawListFrame(const std::string& firstKeys, const std::string& secondKeys, int32_t column) {
    DrawText(firstKeys, column, 0, kCyan);
    DrawText(secondKeys, column, 1, kCyan);
    for (int32_t row : {0, 1}) {
        DrawChar('|', 0, row, kCyan);
        DrawChar('|', 79, row, kCyan);
    }
    DrawText(std::string(80, '-'), 0, 2, kCyan);
}
