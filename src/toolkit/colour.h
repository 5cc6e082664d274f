#pragma once
// The game's colour codes. A code is a foreground colour 0..7, plus kBright for
// its bright form, plus at most one background bit.
#include <cstdint>

using ColourCode = uint16_t;

// The eight base colours.
constexpr ColourCode kBlack = 0;
constexpr ColourCode kBlue = 1;
constexpr ColourCode kGreen = 2;
constexpr ColourCode kCyan = 3;
constexpr ColourCode kRed = 4;
constexpr ColourCode kMagenta = 5;
constexpr ColourCode kBrown = 6;
constexpr ColourCode kGrey = 7;

// Added to a base colour for its bright form.
constexpr ColourCode kBright = 8;
constexpr ColourCode kDarkGrey = kBright + kBlack;
constexpr ColourCode kLightBlue = kBright + kBlue;
constexpr ColourCode kLightGreen = kBright + kGreen;
constexpr ColourCode kLightCyan = kBright + kCyan;
constexpr ColourCode kLightRed = kBright + kRed;
constexpr ColourCode kLightMagenta = kBright + kMagenta;
constexpr ColourCode kYellow = kBright + kBrown;
constexpr ColourCode kWhite = kBright + kGrey;

// Background bits; no bit is a black background.
constexpr ColourCode kOnBlack = 0;
constexpr ColourCode kOnBlue = 16;
constexpr ColourCode kOnGreen = 32;
constexpr ColourCode kOnRed = 64;
constexpr ColourCode kOnWhite = 128;

// The 15 colours a data file names by index, as codes.
constexpr int32_t kColourIndexCount = 15;
constexpr ColourCode kColourOfIndex[kColourIndexCount] = {
    kRed,       kBlue,   kGreen,        kDarkGrey,  kBrown, kMagenta, kCyan, kLightRed,
    kLightGreen, kLightBlue, kYellow, kLightMagenta, kLightCyan, kWhite, kGrey,
};
// The code of a data file's colour index; dark grey for an index out of range.
constexpr ColourCode ColourFromIndex(int32_t colourIndex) {
    return colourIndex >= 0 && colourIndex < kColourIndexCount ? kColourOfIndex[colourIndex] : kDarkGrey;
}
