#pragma once
// Where a generator may start digging. The generators test thousands of random
// places per floor; this answers each test with a few reads instead of a walk
// over the block around the place. It describes the floor as it was at the last
// Build or Update, so a generator brings it up to date whenever it has dug.
#include <algorithm>
#include <cstdint>

#include "toolkit/random_probes.h"
#include "world/floor.h"

class ScratchGrid;

class DigSpots {
public:
    // Brings the spots up to date with the floor; only places near tiles that
    // changed since the last build are looked at again.
    void Build(const Floor& floor);
    // After a path planned on the scratch grid was dug into the floor: the floor
    // has changed at most where the grid was written, so only the places near
    // those cells are looked at again.
    void Update(const Floor& floor, const ScratchGrid& scratch);

    // Open tiles ('.') in the (2*radius+1)-square block around (x, y); cells off the
    // map count as not open. For radius up to 3 around places at most one cell off the map.
    int32_t OpenAround(int32_t x, int32_t y, int32_t radius) const {
        return OpenInBlock(x - radius, y - radius, x + radius + 1, y + radius + 1);
    }
    // Open tiles in the w x h block whose top-left tile is (x, y); but 1 when the
    // block reaches the outermost rows or columns or beyond (as if it held a
    // single open tile, which the corridor builder refuses), and 0 when it is empty.
    int32_t CountOpenInArea(int32_t x, int32_t y, int32_t w, int32_t h) const {
        if (w < 1 || h < 1) return 0;
        if (x <= 0 || y <= 0 || x + w > kFloorWidth || y + h > kFloorHeight) return 1;
        return OpenInBlock(x, y, x + w, y + h);
    }
    // No open tile on the n tiles from (x, y) in direction d, nor on either side
    // of them; tiles off the map count as wall.
    bool IsSegmentClear(int32_t direction, int32_t length, int32_t x, int32_t y) const {
        if (length < 1) return true;
        const XY step = DirectionStep(direction);
        // The segment and its two sides make one block, three tiles across.
        const XY last = {x + step.x * (length - 1), y + step.y * (length - 1)};
        const XY side = {step.y != 0 ? 1 : 0, step.x != 0 ? 1 : 0};
        const int32_t left = std::max(std::min(x, last.x) - side.x, 0);
        const int32_t right = std::min(std::max(x, last.x) + side.x, kFloorWidth - 1);
        const int32_t top = std::max(std::min(y, last.y) - side.y, 0);
        const int32_t bottom = std::min(std::max(y, last.y) + side.y, kFloorHeight - 1);
        if (left > right || top > bottom) return true;
        return OpenInBlock(left, top, right + 1, bottom + 1) == 0;
    }
    // The longest segment, up to kLongestClearRun tiles, that IsSegmentClear passes
    // from (x, y) on the map in the direction: a longer segment's block holds a
    // shorter one's, so every length up to this one is clear and none beyond it.
    // The corridor complex asks this of the same few walls thousands of times
    // while the floor stays as it is, so each answer is kept until the floor changes.
    int32_t ClearRun(int32_t direction, int32_t x, int32_t y) const {
        ClearRuns& runs = clearRuns[x * kFloorHeight + y];
        if (runs.floorVersion != floorVersion) [[unlikely]] runs = {floorVersion, {kUnknown, kUnknown, kUnknown, kUnknown}};
        uint8_t& length = runs.length[direction - 2];
        if (length == kUnknown) [[unlikely]] length = WorkOutClearRun(direction, x, y);
        return length;
    }
    static constexpr int32_t kLongestClearRun = 8;

    // Two test seams, one place at a time; the game asks through the tables below.
    // A wall whose 3x3 block lies on the map and holds at least 3 open tiles.
    bool IsWallBesideFloor(int32_t x, int32_t y) const { return Kind(x, y) & kBesideFloor; }
    // A wall with exactly 3 open tiles in its 3x3 block and 5 in its 5x5 block:
    // beside a straight stretch of corridor.
    bool IsWallBesideCorridor(int32_t x, int32_t y) const { return Kind(x, y) & kBesideCorridor; }
    // The same two tests as tables for a spot search drawing places with offset -1.
    PlaceTable WallsBesideFloorTable() const { return {kinds, kFloorHeight + 2, kBesideFloor, &besideFloorBits}; }
    PlaceTable WallsBesideCorridorTable() const {
        return {kinds, kFloorHeight + 2, kBesideCorridor, &besideCorridorBits};
    }
    // How many places of each kind the floor has.
    int32_t WallsBesideFloor() const { return wallsBesideFloor; }
    int32_t WallsBesideCorridor() const { return wallsBesideCorridor; }

private:
    static constexpr int32_t kMargin = 4;
    static constexpr int32_t kColumns = kFloorWidth + 2 * kMargin + 1;
    static constexpr int32_t kRows = kFloorHeight + 2 * kMargin + 1;
    static constexpr uint8_t kBesideFloor = 1;
    static constexpr uint8_t kBesideCorridor = 2;

    // Reads one tile; widens the box of changed tiles when it changed.
    void ReadTile(const Floor& floor, int32_t x, int32_t y, XY& low, XY& high);
    // Sums the open tiles again and sorts the places near the changed tiles from low to high.
    void Refresh(XY low, XY high);
    void SumOpenTiles(int32_t firstChangedColumn);
    // Sorts the places of columns left..right-1, rows top..bottom-1 (within -1..80, -1..19).
    void SortPlaces(int32_t left, int32_t top, int32_t right, int32_t bottom);

    // Open tiles of the columns left..right-1 and rows top..bottom-1, which lie
    // within the margin around the map.
    int32_t OpenInBlock(int32_t left, int32_t top, int32_t right, int32_t bottom) const {
        left += kMargin;
        top += kMargin;
        right += kMargin;
        bottom += kMargin;
        return sums[right * kRows + bottom] - sums[left * kRows + bottom] - sums[right * kRows + top] +
               sums[left * kRows + top];
    }

    // Places from (-1, -1) to (80, 19); anything further off the map fits nothing.
    uint8_t Kind(int32_t x, int32_t y) const {
        if (x < -1 || y < -1 || x > kFloorWidth || y > kFloorHeight) return 0;
        return kinds[(x + 1) * (kFloorHeight + 2) + y + 1];
    }

    static constexpr uint8_t kOpen = 1;  // '.'
    static constexpr uint8_t kWall = 2;  // '#'
    static uint8_t TileState(char glyph) { return glyph == kFloorGlyph ? kOpen : glyph == kWallGlyph ? kWall : 0; }

    // tiles[x * kFloorHeight + y]: kOpen, kWall or 0: a compact copy of the floor.
    uint8_t tiles[kFloorWidth * kFloorHeight] = {};
    bool built = false;
    // sums[i * kRows + j]: open tiles in padded columns before i and rows before j.
    int32_t sums[kColumns * kRows] = {};
    uint8_t kinds[(kFloorWidth + 2) * (kFloorHeight + 2) + kPlaceTablePadding] = {};
    int32_t wallsBesideFloor = 0;
    int32_t wallsBesideCorridor = 0;
    // The two tables as bits, for searches many times quicker than the bytes.
    PlaceBits besideFloorBits;
    PlaceBits besideCorridorBits;

    // ClearRun's answers for a place, for directions 2 to 5, worked out when
    // first asked for and good while `floorVersion` is the one they were for.
    static constexpr uint8_t kUnknown = 0xff;
    struct ClearRuns {
        uint32_t floorVersion = 0;
        uint8_t length[4] = {};
    };
    uint8_t WorkOutClearRun(int32_t direction, int32_t x, int32_t y) const;
    // Counts the changes of the floor: answers from an older one are stale.
    uint32_t floorVersion = 1;
    mutable ClearRuns clearRuns[kFloorWidth * kFloorHeight];
};
