#include <curses.h>

#include "toolkit/drawing.h"

namespace {

// The game's colour numbers are colour names; curses numbers them its own way.
constexpr short kCursesColour[8] = {COLOR_BLACK, COLOR_BLUE,    COLOR_GREEN,  COLOR_CYAN,
                                    COLOR_RED,   COLOR_MAGENTA, COLOR_YELLOW, COLOR_WHITE};

struct PairColours {
    ColourCode foreground;
    ColourCode background;
};

// Pairs 1 to 29, a base colour on a base colour.
constexpr PairColours kPairs[29] = {
    {kBlack, kBlack},   {kBlue, kBlack},  {kGreen, kBlack},   {kCyan, kBlack},    {kRed, kBlack},
    {kMagenta, kBlack}, {kBrown, kBlack}, {kGrey, kBlack},    {kRed, kBlue},      {kBlue, kRed},
    {kGreen, kRed},     {kCyan, kRed},    {kMagenta, kRed},   {kBrown, kRed},     {kGrey, kRed},
    {kBlue, kGreen},    {kCyan, kGreen},  {kRed, kGreen},     {kMagenta, kGreen}, {kBrown, kGreen},
    {kGrey, kGreen},    {kBlue, kGrey},   {kGreen, kGrey},    {kCyan, kGrey},     {kRed, kGrey},
    {kMagenta, kGrey},  {kBrown, kGrey},  {kBlack, kRed},     {kBlack, kGreen},
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
    if (c >= kBlue && c <= kGrey) return Attribute(c + 1, false);
    if (c == kDarkGrey) return Attribute(1, true);
    if (c >= kLightBlue && c <= kWhite) return Attribute(c - 7, true);
    if (c == kRed + kOnBlue) return Attribute(9, false);
    if (c == kLightRed + kOnBlue) return Attribute(9, true);
    if (c == kDarkGrey + kOnGreen) return Attribute(29, true);
    if (c == kDarkGrey + kOnRed) return Attribute(28, true);
    static const int onGreen[] = {kBlue + kOnGreen, kCyan + kOnGreen, kRed + kOnGreen, kMagenta + kOnGreen,
                                  kBrown + kOnGreen};
    static const int brightOnGreen[] = {kLightBlue + kOnGreen,    kLightCyan + kOnGreen, kLightRed + kOnGreen,
                                        kLightMagenta + kOnGreen, kYellow + kOnGreen,    kWhite + kOnGreen};
    static const int onRed[] = {kBlue + kOnRed,    kGreen + kOnRed, kCyan + kOnRed,
                                kMagenta + kOnRed, kBrown + kOnRed, kGrey + kOnRed};
    static const int brightOnRed[] = {kLightBlue + kOnRed,    kLightGreen + kOnRed, kLightCyan + kOnRed,
                                      kLightMagenta + kOnRed, kYellow + kOnRed,     kWhite + kOnRed};
    if (int i = IndexIn(onGreen, c); i >= 0) return Attribute(16 + i, false);
    if (int i = IndexIn(brightOnGreen, c); i >= 0) return Attribute(16 + i, true);
    if (int i = IndexIn(onRed, c); i >= 0) return Attribute(10 + i, false);
    if (int i = IndexIn(brightOnRed, c); i >= 0) return Attribute(10 + i, true);
    if (c >= kBlue + kOnWhite && c <= kBrown + kOnWhite) return Attribute(22 + (c - (kBlue + kOnWhite)), false);
    if (c >= kLightBlue + kOnWhite && c <= kYellow + kOnWhite) {
        return Attribute(22 + (c - (kLightBlue + kOnWhite)), true);
    }
    return Attribute(1, false);
}

void InitColorPairs() {
    for (short pair = 1; pair <= 29; ++pair) {
        const PairColours& colours = kPairs[pair - 1];
        init_pair(pair, kCursesColour[colours.foreground], kCursesColour[colours.background]);
    }
}
