#pragma once
// The frame at the top of the list screens: two lines of keys between bars in
// columns 0 and 79, and a rule of dashes under them, all in cyan.
#include <cstdint>
#include <string>

// The key lines start at `column` of rows 0 and 1; the bars are drawn over them.
void DrawListFrame(const std::string& firstKeys, const std::string& secondKeys, int32_t column);
