#pragma once
#include <cstdint>

// A foreground colour 0..7 (black, blue, green, cyan, red, magenta, yellow,
// white), +8 for bright, plus background bits 16 blue, 32 green, 64 red, 128 white.
using ColourCode = uint16_t;
