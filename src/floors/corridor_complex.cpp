// The corridor complex: straight corridors that turn at right angles and end
// in small square rooms or run into open ground, grown from a 3x3 room until
// 2000 attempts in a row fail, and kept when both halves of the map are open enough.
#include "floors/floor.h"
#include "floors/dig_spots.h"
#include "floors/local_random.h"
#include "floors/scratch_grid.h"
#include "floors/spot_search.h"
#include "shell/random_mother.h"

namespace {

constexpr int32_t kFinishAfterAttempts = 2000;
// The finish test runs only when the attempt count is exactly 2000. After a failed
// test the floor starts over with the count already past it, and only a success
// brings it back; a floor that finds none for this long starts over afresh.
constexpr int32_t kGiveUpAttempts = kFinishAfterAttempts + 20000;
constexpr int32_t kExtendTries = 8;
constexpr int32_t kJoinsOpenGround = -50;
// How a planned path is marked on the scratch grid.
constexpr char kPlannedMark = 'x';

int32_t Opposite(int32_t direction) {
    switch (direction) {
        case 2: return 3;
        case 3: return 2;
        case 4: return 5;
        case 5: return 4;
        default: return -1;
    }
}

void StartOver(Floor& floor) {
    for (Tile& tile : floor.tiles) tile.glyph = kWallGlyph;
    const int32_t x = rng.Random(80) / 2 + 19;
    const int32_t y = rng.Random(19) / 2 + 3;
    for (int32_t i = x; i < x + 3; ++i)
        for (int32_t j = y; j < y + 3; ++j) floor.At(i, j).glyph = kFloorGlyph;
    floor.openTileCount = -1;
}

// Ends a path in a 3x3 room; the whole plan must touch open ground at exactly three cells.
bool EndInSmallRoom(const Floor& floor, ScratchGrid& scratch, XY position) {
    if (scratch.CountAround(position.x, position.y, 1, kPlannedMark) >= 3) return false;
    if (scratch.CountAround(position.x, position.y, 2, kPlannedMark) >= 4) return false;
    if (floor.CountGlyphAround(position.x, position.y, 2, kFloorGlyph) > 0) return false;
    for (int32_t i = position.x - 1; i <= position.x + 1; ++i)
        for (int32_t j = position.y - 1; j <= position.y + 1; ++j) scratch.Set(i, j, kPlannedMark);
    int32_t touches = 0;
    for (int32_t i = 0; i < scratch.ChangedCount(); ++i) {
        const XY cell = scratch.Changed(i);
        if (scratch.At(cell.x, cell.y) == kPlannedMark) touches += scratch.CountAround(cell.x, cell.y, 1, kFloorGlyph);
    }
    return touches == 3;
}

enum class Attempt { kDug, kFailed, kNowhereToStart };

// One attempt at a new path on the scratch grid.
Attempt PlanPath(Floor& floor, const DigSpots& spots, ScratchGrid& scratch, bool grownSinceStart) {
    XY position;
    if (!grownSinceStart) {
        if (!floor.PickWallBesideFloor(spots, position)) return Attempt::kNowhereToStart;
    } else {
        // No wall beside a straight corridor: until the floor changes no attempt can start,
        // and it can't change without one.
        if (spots.WallsBesideCorridor() == 0) return Attempt::kNowhereToStart;
        if (!SearchSpot(-1, spots.WallsBesideCorridorTable(), position)) return Attempt::kNowhereToStart;
    }
    for (int32_t step = 1; step <= 4; ++step) {
        const int32_t result = floor.ExtendCorridorComplex(spots, position, scratch, step);
        if (result == kJoinsOpenGround) return Attempt::kDug;
        if (result == 0) return Attempt::kFailed;
    }
    for (int32_t k = 0;;) {
        const int32_t draw = rng.Random(10);
        if (draw < k + 5) return EndInSmallRoom(floor, scratch, position) ? Attempt::kDug : Attempt::kFailed;
        const int32_t result = floor.ExtendCorridorComplex(spots, position, scratch, 3);
        if (result == kJoinsOpenGround) return Attempt::kDug;
        if (result == 0) return Attempt::kFailed;
        ++k;
        if (k > 5) return Attempt::kFailed;
    }
}

// A few corridor tiles become ice blocks; a floor with fewer such tiles gets fewer.
void FreezeCorridors(Floor& floor) {
    const int32_t wanted = rng.Random(7) + 3;
    auto straightCorridor = [&floor](int32_t x, int32_t y) {
        if (floor.GlyphAt(x, y) != kFloorGlyph || floor.CountGlyphAround(x, y, 1, kFloorGlyph) != 3) return false;
        const bool acrossRow = floor.GlyphAt(x - 1, y) == kFloorGlyph && floor.GlyphAt(x + 1, y) == kFloorGlyph;
        const bool acrossColumn = floor.GlyphAt(x, y - 1) == kFloorGlyph && floor.GlyphAt(x, y + 1) == kFloorGlyph;
        return acrossRow || acrossColumn;
    };
    for (int32_t turned = 0; turned < wanted; ++turned) {
        XY spot;
        if (!SearchSpot(0, straightCorridor, spot)) return;
        floor.At(spot.x, spot.y).glyph = kIceBlockGlyph;
    }
}

bool FinishComplex(Floor& floor) {
    floor.layoutType = kLayoutCorridorComplex;
    floor.WallBorder();
    if (!floor.PlaceStairs(kPlaceUpStairs) || !floor.PlaceStairs(kPlaceDownStairs)) return false;
    FreezeCorridors(floor);
    floor.SetTileColours(kRandomScheme);
    return true;
}

}  // namespace

void Floor::GenerateCorridorComplex() {
    ResetToNewFloor();
    ScratchGrid scratch;
    DigSpots spots;
    int32_t attempts = 0;
    bool startOver = true;
    bool grownSinceStart = false;
    for (;;) {
        if (startOver) {
            StartOver(*this);
            scratch.CopyFloor(*this);
            spots.Build(*this);
            grownSinceStart = false;
            startOver = false;
        } else {
            scratch.RefreshFromFloor(*this);
            const Attempt attempt = PlanPath(*this, spots, scratch, grownSinceStart);
            if (attempt == Attempt::kDug) {
                CommitScratchPath(scratch);
                spots.Update(*this, scratch);
                attempts = 0;
                grownSinceStart = true;
            }
            // Every further attempt would fail the same way: skip to the finish test.
            if (attempt == Attempt::kNowhereToStart && attempts < kFinishAfterAttempts) attempts = kFinishAfterAttempts - 1;
        }
        ++attempts;
        if (attempts == kFinishAfterAttempts) {
            if (IsComplexBalanced() && FinishComplex(*this)) return;
            startOver = true;
        } else if (attempts >= kGiveUpAttempts) {
            attempts = 0;
            startOver = true;
        }
    }
}

int32_t Floor::ExtendCorridorComplex(const DigSpots& spots, XY& position, ScratchGrid& scratch, int32_t step) {
    LocalRandom random;
    const int32_t last = openTileCount;
    for (int32_t failures = 0; failures < kExtendTries; ++failures) {
        const int32_t length = random.Random(5) + 4;
        int32_t direction = RandomDirection(random);
        // Half the directions always qualify, so this ends.
        while (direction == last || direction == Opposite(last)) direction = RandomDirection(random);

        const int32_t px = position.x;
        const int32_t py = position.y;
        if (!spots.IsSegmentClear(direction, length, px, py)) return 0;
        const XY move = DirectionStep(direction);
        const XY end = {px + move.x * length, py + move.y * length};
        int32_t open = 0;
        if (direction == 2) {
            if (end.y < 2) continue;
            open = spots.CountOpenInArea(px - 2, end.y, 5, length);
        } else if (direction == 3) {
            if (py + length > 16) continue;
            open = spots.CountOpenInArea(px - 2, py, 5, length);
        } else if (direction == 4) {
            if (end.x < 2) continue;
            open = spots.CountOpenInArea(end.x, py - 2, length, 5);
        } else {
            if (px + length > 77) continue;
            open = spots.CountOpenInArea(px, py - 2, length, 5);
        }
        if (open == 5) {
            // Straight into open ground, but not on the first steps of a path.
            if (step < 3 || GlyphAt(end.x, end.y) != kFloorGlyph) continue;
            MarkScratchLine(direction, length, px, py, scratch, kPlannedMark);
            return kJoinsOpenGround;
        }
        if (open == 1) continue;
        position = MarkScratchLine(direction, length, px, py, scratch, kPlannedMark);
        openTileCount = direction;
        return 1;
    }
    return 0;
}

XY Floor::MarkScratchLine(int32_t direction, int32_t length, int32_t x, int32_t y, ScratchGrid& scratch,
                          char letter) const {
    const XY step = DirectionStep(direction);
    for (int32_t i = 0; i < length; ++i) {
        const int32_t cx = x + step.x * i;
        const int32_t cy = y + step.y * i;
        if (scratch.At(cx, cy) == kWallGlyph) scratch.Set(cx, cy, letter);
    }
    return {x + step.x * length, y + step.y * length};
}

bool Floor::IsComplexBalanced() const {
    auto openShare = [this](int32_t fromColumn, int32_t toColumn) {
        int32_t open = 0;
        int32_t other = 0;
        for (int32_t x = fromColumn; x <= toColumn; ++x) {
            for (int32_t y = 0; y < kFloorHeight; ++y) {
                if (At(x, y).glyph == kFloorGlyph) {
                    ++open;
                } else {
                    ++other;
                }
            }
        }
        return static_cast<float>(open) / static_cast<float>(other);
    };
    return openShare(0, 31) >= 0.175 && openShare(48, 79) >= 0.175;
}
