#include "shell/drawing.h"

#include <curses.h>

#include <algorithm>

#include "player/player.h"
#include "shell/game.h"
#include "shell/platform.h"
#include "shell/random_mother.h"

uint8_t separatorDirty = 1;

namespace {

constexpr int32_t kLastColumn = 79;
constexpr int32_t kLastRow = 24;

// While the character rages and the map has been drawn this turn, every
// drawer paints in a red chosen afresh for each call.
bool BerserkTint() { return player.berserkTurns != 0 && player.mapDrawnFlag != 0; }

ColourCode TintedColour(ColourCode wanted) {
    if (!BerserkTint()) return wanted;
    const int32_t roll = rng.Random(2);
    return roll != 0 ? kRed : kLightRed;
}

// Draws text at (x, y) clipped to the screen: nothing past column 79, nothing
// off the rows, and a negative column starts at 0.
void PutClipped(const std::string& text, int32_t x, int32_t y, ColourCode colour) {
    if (y < 0 || y > kLastRow) return;
    x = std::max(x, 0);
    if (x > kLastColumn) return;
    const int length = static_cast<int>(std::min<std::size_t>(text.size(), static_cast<std::size_t>(kLastColumn - x + 1)));
    const int attribute = ColourAttr(TintedColour(colour));
    wattron(mainWindow, attribute);
    mvwaddnstr(mainWindow, y, x, text.c_str(), length);
    wattroff(mainWindow, attribute);
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

}  // namespace

void DrawText(std::string text, int32_t x, int32_t y, ColourCode colour) { PutClipped(text, x, y, colour); }

void DrawNumber(int32_t number, int32_t x, int32_t y, ColourCode colour) {
    PutClipped(std::to_string(number), x, y, colour);
}

void DrawChar(char character, int32_t x, int32_t y, ColourCode colour) {
    if (x < 0 || x > kLastColumn || y < 0 || y > kLastRow) return;
    const int attribute = ColourAttr(TintedColour(colour));
    wattron(mainWindow, attribute);
    mvwaddch(mainWindow, y, x, static_cast<chtype>(static_cast<unsigned char>(character)));
    wattroff(mainWindow, attribute);
}

void DrawCodedText(const char* text, int32_t x, int32_t y, uint16_t background) {
    if (text == nullptr || y < 0 || y > kLastRow) return;
    int32_t column = std::max(x, 0);
    wmove(mainWindow, y, std::min(column, kLastColumn));
    wrefresh(mainWindow);
    int attribute = 0;
    bool attributeOn = false;
    auto switchTo = [&](ColourCode code) {
        if (attributeOn) wattroff(mainWindow, attribute);
        ColourCode shown = code;
        if (BerserkTint()) shown = background != kOnBlack ? kDarkGrey + kOnRed : TintedColour(code);
        attribute = ColourAttr(shown);
        wattron(mainWindow, attribute);
        attributeOn = true;
    };
    for (const char* p = text; *p != '\0' && column < kLastColumn; ++p) {
        if (*p == kColourMarkup) {
            const int code = MarkupColour(p[1]);
            if (code >= 0) {
                switchTo(static_cast<ColourCode>(code | background));
                ++p;
            } else if (BerserkTint()) {
                // No colour change, but the rage picks its red again.
                switchTo(kBlack);
            }
            continue;
        }
        waddch(mainWindow, static_cast<chtype>(static_cast<unsigned char>(*p)));
        ++column;
    }
    if (attributeOn) wattroff(mainWindow, attribute);
}

void ClearScreen() {
    wclear(mainWindow);
    wrefresh(mainWindow);
    separatorDirty = 1;
    player.mapDrawnFlag = 0;
}

void MoveCursor(int32_t x, int32_t y) {
    wmove(mainWindow, std::clamp(y, 0, kLastRow), std::clamp(x, 0, kLastColumn));
    wrefresh(mainWindow);
}

void MoveCursorToPlayer() { MoveCursor(player.x, player.y); }

bool AccessibilityMarkerExists() { return PlatformCanRead("sokeille.txt"); }

void SetCursorVeryVisible() { curs_set(2); }

void WaitMilliseconds(uint32_t milliseconds) { PlatformSleep(milliseconds); }
