#pragma once
// Where a generator may start digging. The generators test thousands of random
// places per floor; this answers each test with a few reads instead of a walk
// over the block around the place. It describes the floor as it was at the last
// Build, so a generator builds it again whenever it has dug.
#include <cstdint>

#include "floors/floor.h"

class DigSpots {
public:
    void Build(const Floor& floor);

    // Open tiles ('.') in the (2*radius+1)-square block around (x, y); cells off the
    // map count as not open. For radius up to 3 around places at most one cell off the map.
    int32_t OpenAround(int32_t x, int32_t y, int32_t radius) const {
        const int32_t left = x - radius + kMargin;
        const int32_t top = y - radius + kMargin;
        const int32_t right = x + radius + 1 + kMargin;
        const int32_t bottom = y + radius + 1 + kMargin;
        return sums[right * kRows + bottom] - sums[left * kRows + bottom] - sums[right * kRows + top] +
               sums[left * kRows + top];
    }
    // A wall whose 3x3 block lies on the map and holds at least 3 open tiles.
    bool IsWallBesideFloor(int32_t x, int32_t y) const { return Kind(x, y) & kBesideFloor; }
    // A wall with exactly 3 open tiles in its 3x3 block and 5 in its 5x5 block:
    // beside a straight stretch of corridor.
    bool IsWallBesideCorridor(int32_t x, int32_t y) const { return Kind(x, y) & kBesideCorridor; }
    // How many places of each kind the floor has.
    int32_t WallsBesideFloor() const { return wallsBesideFloor; }
    int32_t WallsBesideCorridor() const { return wallsBesideCorridor; }

private:
    static constexpr int32_t kMargin = 4;
    static constexpr int32_t kColumns = kFloorWidth + 2 * kMargin + 1;
    static constexpr int32_t kRows = kFloorHeight + 2 * kMargin + 1;
    static constexpr uint8_t kBesideFloor = 1;
    static constexpr uint8_t kBesideCorridor = 2;

    // Places from (-1, -1) to (80, 19); anything further off the map fits nothing.
    uint8_t Kind(int32_t x, int32_t y) const {
        if (x < -1 || y < -1 || x > kFloorWidth || y > kFloorHeight) return 0;
        return kinds[(x + 1) * (kFloorHeight + 2) + y + 1];
    }

    // sums[i * kRows + j]: open tiles in padded columns before i and rows before j.
    int32_t sums[kColumns * kRows] = {};
    uint8_t kinds[(kFloorWidth + 2) * (kFloorHeight + 2)] = {};
    int32_t wallsBesideFloor = 0;
    int32_t wallsBesideCorridor = 0;
};
