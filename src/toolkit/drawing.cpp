#include "toolkit/drawing.h"

#include <curses.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>

#include "toolkit/platform.h"
#include "toolkit/random_mother.h"
#include "toolkit/toolkit_hooks.h"

_win_st* mainWindow = nullptr;
uint8_t separatorDirty = 1;

namespace {

constexpr int32_t kLastColumn = 79;
constexpr int32_t kLastRow = 24;

// What each cell of the screen last showed, with its attribute (0 for a cell
// never drawn), and where the cursor was left: curses forgets the cells that a
// terminal made smaller cuts off, and these bring them back when it grows again.
chtype shownCells[kLastRow + 1][kLastColumn + 1] = {};
int32_t cursorX = 0;
int32_t cursorY = 0;
uint32_t drawsCutAtRightEdge = 0;
constexpr uint32_t kRealWaits = 100;
uint32_t waitPercent = kRealWaits;

// Blanks past the edge are padding; anything else was meant to be seen.
void NoteCutText(const char* rest) {
    for (const char* p = rest; *p != '\0'; ++p) {
        if (*p != ' ') {
            ++drawsCutAtRightEdge;
            return;
        }
    }
}

void ForgetShownCells() {
    for (auto& row : shownCells) {
        for (chtype& cell : row) cell = 0;
    }
    cursorX = 0;
    cursorY = 0;
}

// Notes a character drawn at (x, y), which the caller has clipped to the screen.
void Remember(int32_t x, int32_t y, char character, int attribute) {
    shownCells[y][x] = static_cast<chtype>(static_cast<unsigned char>(character)) | static_cast<chtype>(attribute);
    cursorX = std::min(x + 1, kLastColumn);
    cursorY = y;
}

// While the game says so (the character's rage), every drawer paints in a red
// chosen afresh for each call.
bool RedTint() { return toolkitHooks.redTint != nullptr && toolkitHooks.redTint(); }

ColourCode TintedColour(ColourCode wanted) {
    if (!RedTint()) return wanted;
    const int32_t roll = rng.Random(2);
    return roll != 0 ? kRed : kLightRed;
}

// Draws text at (x, y) clipped to the screen: nothing past column 79, nothing
// off the rows, and a negative column starts at 0.
void PutClipped(const std::string& text, int32_t x, int32_t y, ColourCode colour) {
    if (y < 0 || y > kLastRow) return;
    x = std::max(x, 0);
    if (x > kLastColumn) {
        NoteCutText(text.c_str());
        return;
    }
    const int length = static_cast<int>(std::min<std::size_t>(text.size(), static_cast<std::size_t>(kLastColumn - x + 1)));
    if (std::strlen(text.c_str()) > static_cast<std::size_t>(length)) NoteCutText(text.c_str() + length);
    const int attribute = ColourAttr(TintedColour(colour));
    wattron(mainWindow, attribute);
    mvwaddnstr(mainWindow, y, x, text.c_str(), length);
    wattroff(mainWindow, attribute);
    // (curses stops at a NUL, and so does what is remembered.)
    for (int i = 0; i < length && text[static_cast<std::size_t>(i)] != '\0'; ++i) {
        Remember(x + i, y, text[static_cast<std::size_t>(i)], attribute);
    }
}

// The colour code of a markup letter, or -1 for a character that is not one.
int MarkupColour(char letter) {
    switch (letter) {
        case 'b': return kBlue;
        case 'g': return kGreen;
        case 'c': return kCyan;
        case 'r': return kRed;
        case 'p': return kMagenta;
        case 'y': return kBrown;
        case 'I': return kGrey;
        case 'i': return kDarkGrey;
        case 'B': return kLightBlue;
        case 'G': return kLightGreen;
        case 'C': return kLightCyan;
        case 'R': return kLightRed;
        case 'P': return kLightMagenta;
        case 'Y': return kYellow;
        case 'W': return kWhite;
        default: return -1;
    }
}

// The same for coded text, whose markup takes no room.
void NoteCutCodedText(const char* rest) {
    for (const char* p = rest; *p != '\0'; ++p) {
        if (*p == kColourMarkup && MarkupColour(p[1]) >= 0) {
            ++p;
        } else if (*p != ' ') {
            ++drawsCutAtRightEdge;
            return;
        }
    }
}

}  // namespace

uint32_t DrawsCutAtRightEdge() { return drawsCutAtRightEdge; }

void ResetDrawingState() {
    ForgetShownCells();
    drawsCutAtRightEdge = 0;
    waitPercent = kRealWaits;
}

void DrawText(std::string text, int32_t x, int32_t y, ColourCode colour) { PutClipped(text, x, y, colour); }

void DrawNumber(int32_t number, int32_t x, int32_t y, ColourCode colour) {
    PutClipped(std::to_string(number), x, y, colour);
}

void DrawChar(char character, int32_t x, int32_t y, ColourCode colour) {
    if (x > kLastColumn && y >= 0 && y <= kLastRow && character != ' ') ++drawsCutAtRightEdge;
    if (x < 0 || x > kLastColumn || y < 0 || y > kLastRow) return;
    const int attribute = ColourAttr(TintedColour(colour));
    wattron(mainWindow, attribute);
    mvwaddch(mainWindow, y, x, static_cast<chtype>(static_cast<unsigned char>(character)));
    wattroff(mainWindow, attribute);
    Remember(x, y, character, attribute);
}

void DrawCodedText(const char* text, int32_t x, int32_t y, uint16_t background) {
    if (text == nullptr || y < 0 || y > kLastRow) return;
    int32_t column = std::max(x, 0);
    wmove(mainWindow, y, std::min(column, kLastColumn));
    wrefresh(mainWindow);
    // Until the first markup the window's own attribute draws.
    const int windowAttribute = static_cast<int>(getattrs(mainWindow));
    int attribute = 0;
    bool attributeOn = false;
    auto switchTo = [&](ColourCode code) {
        if (attributeOn) wattroff(mainWindow, attribute);
        ColourCode shown = code;
        if (RedTint()) shown = background != kOnBlack ? kDarkGrey + kOnRed : TintedColour(code);
        attribute = ColourAttr(shown);
        wattron(mainWindow, attribute);
        attributeOn = true;
    };
    const char* p = text;
    for (; *p != '\0' && column < kLastColumn; ++p) {
        if (*p == kColourMarkup) {
            const int code = MarkupColour(p[1]);
            if (code >= 0) {
                switchTo(static_cast<ColourCode>(code | background));
                ++p;
            } else if (RedTint()) {
                // No colour change, but the rage picks its red again.
                switchTo(kBlack);
            }
            continue;
        }
        waddch(mainWindow, static_cast<chtype>(static_cast<unsigned char>(*p)));
        Remember(column, y, *p, attributeOn ? windowAttribute | attribute : windowAttribute);
        ++column;
    }
    if (attributeOn) wattroff(mainWindow, attribute);
    NoteCutCodedText(p);
}

void ClearScreen() {
    wclear(mainWindow);
    wrefresh(mainWindow);
    ForgetShownCells();
    separatorDirty = 1;
    if (toolkitHooks.screenCleared != nullptr) toolkitHooks.screenCleared();
}

void RefreshScreen() { wrefresh(mainWindow); }

void MoveCursor(int32_t x, int32_t y) {
    cursorX = std::clamp(x, 0, kLastColumn);
    cursorY = std::clamp(y, 0, kLastRow);
    wmove(mainWindow, cursorY, cursorX);
    wrefresh(mainWindow);
}

void RepaintScreen() {
    const int32_t rows = std::min(LINES, kLastRow + 1);
    const int32_t columns = std::min(COLS, kLastColumn + 1);
    for (int32_t y = 0; y < rows; ++y) {
        for (int32_t x = 0; x < columns; ++x) {
            const chtype cell = shownCells[y][x];
            mvwaddch(mainWindow, y, x, cell != 0 ? cell : ' ');
        }
    }
    wmove(mainWindow, std::min(cursorY, rows - 1), std::min(cursorX, columns - 1));
    // The terminal's own picture is not to be trusted after a resize: send it all.
    clearok(mainWindow, TRUE);
    wrefresh(mainWindow);
}

bool AccessibilityMarkerExists() { return PlatformCanRead("sokeille.txt"); }

void SetCursorVeryVisible() { curs_set(2); }

void WaitMilliseconds(uint32_t milliseconds) {
    const uint32_t length = WaitLength(milliseconds);
    if (length > 0) PlatformSleep(length);
}

void SetWaitPercent(uint32_t percent) { waitPercent = std::min(percent, kRealWaits); }

void SetWaitPercentFromEnvironment() {
    const std::string text = PlatformEnvironment("HOLLOWMERE_WAIT_PERCENT");
    if (text.empty()) return;
    char* end = nullptr;
    const unsigned long value = std::strtoul(text.c_str(), &end, 10);
    if (end != text.c_str() && *end == '\0') SetWaitPercent(static_cast<uint32_t>(std::min<unsigned long>(value, kRealWaits)));
}

uint32_t WaitLength(uint32_t milliseconds) {
    return static_cast<uint32_t>(uint64_t{milliseconds} * waitPercent / kRealWaits);
}

void FlashCharacter(char character, int32_t x, int32_t y, ColourCode colour, uint32_t milliseconds) {
    DrawChar(character, x, y, colour);
    RefreshScreen();
    WaitMilliseconds(milliseconds);
}
