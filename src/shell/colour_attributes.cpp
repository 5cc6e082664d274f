#include <curses.h>

#include "shell/drawing.h"

namespace {

// The game's colour numbers are colour names; curses numbers them its own way.
constexpr short kCursesColour[8] = {COLOR_BLACK, COLOR_BLUE,    COLOR_GREEN,  COLOR_CYAN,
                                    COLOR_RED,   COLOR_MAGENTA, COLOR_YELLOW, COLOR_WHITE};

enum : short { kBlack, kBlue, kGreen, kCyan, kRed, kMagenta, kYellow, kWhite };

struct PairColours {
    short foreground;
    short background;
};

// Pairs 1 to 29, foreground on background.
constexpr PairColours kPairs[29] = {
    {kBlack, kBlack},   {kBlue, kBlack},  {kGreen, kBlack},   {kCyan, kBlack},   {kRed, kBlack},
    {kMagenta, kBlack}, {kYellow, kBlack}, {kWhite, kBlack},  {kRed, kBlue},     {kBlue, kRed},
    {kGreen, kRed},     {kCyan, kRed},    {kMagenta, kRed},   {kYellow, kRed},   {kWhite, kRed},
    {kBlue, kGreen},    {kCyan, kGreen},  {kRed, kGreen},     {kMagenta, kGreen}, {kYellow, kGreen},
    {kWhite, kGreen},   {kBlue, kWhite},  {kGreen, kWhite},   {kCyan, kWhite},   {kRed, kWhite},
    {kMagenta, kWhite}, {kYellow, kWhite}, {kBlack, kRed},    {kBlack, kGreen},
};

int Attribute(int pair, bool bold) { return static_cast<int>(COLOR_PAIR(pair) | (bold ? A_BOLD : A_NORMAL)); }

// Index of code in a list, or -1.
template <std::size_t N>
int IndexIn(const int (&codes)[N], int code) {
    for (std::size_t i = 0; i < N; ++i) {
        if (codes[i] == code) return static_cast<int>(i);
    }
    return -1;
}

}  // namespace

int ColourAttr(ColourCode code) {
    const int c = code;
    if (c >= 1 && c <= 7) return Attribute(c + 1, false);
    if (c == 8) return Attribute(1, true);
    if (c >= 9 && c <= 15) return Attribute(c - 7, true);
    if (c == 20) return Attribute(9, false);
    if (c == 28) return Attribute(9, true);
    if (c == 40) return Attribute(29, true);
    if (c == 72) return Attribute(28, true);
    static const int onGreen[] = {33, 35, 36, 37, 38};
    static const int brightOnGreen[] = {41, 43, 44, 45, 46, 47};
    static const int onRed[] = {65, 66, 67, 69, 70, 71};
    static const int brightOnRed[] = {73, 74, 75, 77, 78, 79};
    if (int i = IndexIn(onGreen, c); i >= 0) return Attribute(16 + i, false);
    if (int i = IndexIn(brightOnGreen, c); i >= 0) return Attribute(16 + i, true);
    if (int i = IndexIn(onRed, c); i >= 0) return Attribute(10 + i, false);
    if (int i = IndexIn(brightOnRed, c); i >= 0) return Attribute(10 + i, true);
    if (c >= 129 && c <= 134) return Attribute(22 + (c - 129), false);
    if (c >= 137 && c <= 142) return Attribute(22 + (c - 137), true);
    return Attribute(1, false);
}

void InitColorPairs() {
    for (short pair = 1; pair <= 29; ++pair) {
        const PairColours& colours = kPairs[pair - 1];
        init_pair(pair, kCursesColour[colours.foreground], kCursesColour[colours.background]);
    }
}
