#pragma once
// Random picks that draw until something fits. The draws of the normal case
// come in their order; a pick that keeps failing gives up after a generous
// number of draws and takes the first fitting candidate of a scan instead, so
// that a floor or a table with nothing fitting never hangs the game.
#include <cstdint>
#include <functional>

#include "toolkit/xy.h"

constexpr int32_t kBoundedDraws = 100000;

// Draws x = x0 + Random(width), then y = y0 + Random(height) until the tile fits;
// false when no tile of the area does.
bool DrawFittingTile(int32_t x0, int32_t y0, int32_t width, int32_t height,
                     const std::function<bool(int32_t, int32_t)>& fits, XY& spot);
// Draws Random(count) until the index fits; -1 when none does.
int32_t DrawFittingIndex(int32_t count, const std::function<bool(int32_t)>& fits);
