#pragma once
// printf-style formatting into a std::string of any length, and which
// characters show on screen.
#include <string>

std::string FormatText(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Printable ASCII other than the blank: what shows as a map glyph, and what a
// key can give as a symbol.
constexpr bool IsVisibleCharacter(int c) { return c > ' ' && c <= '~'; }
