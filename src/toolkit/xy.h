#pragma once
#include <cstdint>

// A map position: column, then row.
struct XY {
    int32_t x = 0;
    int32_t y = 0;
};

// The step of a direction, numbered as the direction commands are: 2 north,
// 3 south, 4 west, 5 east, 6 north-west, 7 north-east, 8 south-west,
// 9 south-east (the digging directions are the first four). Rows grow
// downwards; any other number is no step.
inline XY DirectionStep(int32_t direction) {
    static constexpr XY kSteps[8] = {{0, -1}, {0, 1}, {-1, 0}, {1, 0}, {-1, -1}, {1, -1}, {-1, 1}, {1, 1}};
    if (direction < 2 || direction > 9) return XY{};
    return kSteps[direction - 2];
}
