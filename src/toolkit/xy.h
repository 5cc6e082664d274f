#pragma once
#include <cstdint>

// A map position: column, then row.
struct XY {
    int32_t x = 0;
    int32_t y = 0;
};
