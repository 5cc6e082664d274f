// The corridor complex: straight corridors that turn at right angles and end
// in small square rooms or run into open ground, grown from a 3x3 room until
// 2000 attempts in a row fail, and kept when both halves of the map are open enough.
#include "floors/dig_spots.h"
#include "floors/scratch_grid.h"
#include "floors/spot_search.h"
#include "toolkit/random_local_scope.h"
#include "toolkit/random_mother.h"
#include "world/floor.h"

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

// A new stretch must turn: it may neither go on the way the last one went nor go back.
bool TurnsFrom(int32_t direction, int32_t last) { return direction != last && direction != Opposite(last); }

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

// Draws read ahead in the block without taking them. An attempt is tried out on
// them first, and they are taken only when it turns out to fail without leaving
// a mark. Past the end, or where the draws ahead can't settle a direction, it
// has run out: the try-out is given up and the attempt left to the scope.
class DrawsAhead {
public:
    DrawsAhead(const uint32_t* from, const uint32_t* end) : from(from), next(from), end(end) {}
    // As Random(n) for n >= 2.
    int32_t Random(int32_t n) {
        if (next == end) {
            ranOut = true;
            return 0;
        }
        return ScaleDraw(*next++, n);
    }
    bool RanOut() const { return ranOut; }
    int32_t Read() const { return static_cast<int32_t>(next - from); }
    const uint32_t* Next() const { return next; }
    int32_t Left() const { return static_cast<int32_t>(end - next); }
    void Skip(int32_t count) { next += count; }
    void GiveUp() { ranOut = true; }

private:
    const uint32_t* from;
    const uint32_t* next;
    const uint32_t* end;
    bool ranOut = false;
};

// The values of Random(4) whose direction turns from `last`, as bits 0 to 3.
uint32_t TurningDrawValues(int32_t last) {
    uint32_t values = 0;
    for (int32_t drawn = 0; drawn < kDirectionDraws; ++drawn) {
        values |= static_cast<uint32_t>(TurnsFrom(DirectionOfDraw(drawn), last)) << drawn;
    }
    return values;
}

// A direction drawn again until it turns from `last`; half the directions always do, so this ends.
int32_t RandomTurn(LocalRandom& random, int32_t last) {
    int32_t direction = RandomDirection(random);
    while (!TurnsFrom(direction, last)) direction = RandomDirection(random);
    return direction;
}

// The same from the draws ahead, weighed eight at once: which of them turns is
// a coin toss, and a branch on each would be mispredicted half the time.
constexpr int32_t kTurnDraws = 8;
int32_t RandomTurn(DrawsAhead& draws, int32_t last) {
    if (draws.Left() < kTurnDraws) {
        draws.GiveUp();
        return last;
    }
    const uint32_t turningValues = TurningDrawValues(last);
    uint32_t turning = 0;
    for (int32_t i = 0; i < kTurnDraws; ++i) {
        const int32_t drawn = ScaleDraw(draws.Next()[i], kDirectionDraws);
        turning |= ((turningValues >> drawn) & 1u) << i;
    }
    if (turning == 0) {
        draws.GiveUp();
        return last;
    }
    const int32_t first = __builtin_ctz(turning);
    const int32_t direction = DirectionOfDraw(ScaleDraw(draws.Next()[first], kDirectionDraws));
    draws.Skip(first + 1);
    return direction;
}

bool RanOut(const LocalRandom&) { return false; }
bool RanOut(const DrawsAhead& draws) { return draws.RanOut(); }

// One stretch of a planned path: how it ended (0 when no try fitted, 1 for a
// turn, kJoinsOpenGround), which way it runs and how far.
struct Stretch {
    int32_t outcome = 0;
    int32_t direction = 0;
    int32_t length = 0;
};

XY StretchEnd(XY from, const Stretch& stretch) {
    const XY move = DirectionStep(stretch.direction);
    return {from.x + move.x * stretch.length, from.y + move.y * stretch.length};
}

// Plans a stretch from `position` (on the map) that turns from `last`; the
// draws come from the scope or from the draws ahead.
template <class Draws>
Stretch PlanStretch(const Floor& floor, const DigSpots& spots, XY position, int32_t last, int32_t step, Draws& draws) {
    for (int32_t failures = 0; failures < kExtendTries; ++failures) {
        const int32_t length = draws.Random(5) + 4;
        const int32_t direction = RandomTurn(draws, last);
        if (RanOut(draws)) return {};
        if (length > spots.ClearRun(direction, position.x, position.y)) return {};
        const Stretch stretch = {1, direction, length};
        const XY end = StretchEnd(position, stretch);
        const int32_t px = position.x;
        const int32_t py = position.y;
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
            if (step < 3 || floor.GlyphAt(end.x, end.y) != kFloorGlyph) continue;
            return {kJoinsOpenGround, direction, length};
        }
        if (open == 1) continue;
        return stretch;
    }
    return {};
}

// While the floor stays as it is, nearly every attempt fails within its first
// stretches, having marked nothing that lasts: it changes only the draws and
// the last direction. Such attempts are tried out on the draws ahead, back to
// back on one scope; the first that might dig, runs out of draws ahead, or gets
// as far as choosing how to end is left to PlanPath with none of its draws taken.
// The draws of a failing attempt after its search, with `last` left as the
// direction of its last stretch; 0 for one left to PlanPath.
int32_t DrawsOfFailingAttempt(const Floor& floor, const DigSpots& spots, XY position, DrawsAhead& draws,
                              int32_t& last) {
    for (int32_t step = 1; step <= 4; ++step) {
        const Stretch stretch = PlanStretch(floor, spots, position, last, step, draws);
        if (draws.RanOut() || stretch.outcome == kJoinsOpenGround) return 0;
        if (stretch.outcome == 0) return draws.Read();
        position = StretchEnd(position, stretch);
        last = stretch.direction;
    }
    return 0;
}

// Returns how many attempts, at most `most`, were used up. On the serial path
// it leaves everything to PlanPath.
int32_t UseUpFailingAttempts(Floor& floor, const DigSpots& spots, int32_t most) {
    if (spots.WallsBesideCorridor() == 0) return 0;
    LocalRandom random;
    const ProbeScan scan = random.Serial() ? nullptr : ActiveProbeScan();
    if (scan == nullptr) return 0;
    const PlaceTable table = spots.WallsBesideCorridorTable();
    int32_t used = 0;
    while (used < most) {
        // The search for a start, as SearchSpot makes it, then the stretches' draws.
        const uint32_t* draws = random.UpcomingDraws(2 * kProbeBatch);
        const int32_t inBlock = random.UpcomingInBlock();
        const int32_t found = scan(draws, ProbesToScan(random, 0), table);
        if (found < 0) break;
        const XY start = {ProbeColumn(draws[2 * found]) - 1, ProbeRow(draws[2 * found + 1]) - 1};
        DrawsAhead ahead(draws + 2 * (found + 1), draws + inBlock);
        int32_t last = floor.openTileCount;
        const int32_t taken = DrawsOfFailingAttempt(floor, spots, start, ahead, last);
        if (taken == 0) break;
        random.SkipDraws(2 * (found + 1) + taken);
        floor.openTileCount = last;
        ++used;
    }
    return used;
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
            ++attempts;
        } else {
            // The failing attempts tried out stop where the next test of the count is due.
            const int32_t nextTest = attempts < kFinishAfterAttempts ? kFinishAfterAttempts : kGiveUpAttempts;
            if (grownSinceStart) attempts += UseUpFailingAttempts(*this, spots, nextTest - attempts);
            if (attempts < nextTest) {
                scratch.RefreshFromFloor(*this);
                const Attempt attempt = PlanPath(*this, spots, scratch, grownSinceStart);
                if (attempt == Attempt::kDug) {
                    CommitScratchPath(scratch);
                    spots.Update(*this, scratch);
                    attempts = 0;
                    grownSinceStart = true;
                }
                // Every further attempt would fail the same way: skip to the finish test.
                if (attempt == Attempt::kNowhereToStart && attempts < kFinishAfterAttempts) {
                    attempts = kFinishAfterAttempts - 1;
                }
                ++attempts;
            }
        }
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
    const Stretch stretch = PlanStretch(*this, spots, position, openTileCount, step, random);
    if (stretch.outcome == 0) return 0;
    const XY end = MarkScratchLine(stretch.direction, stretch.length, position.x, position.y, scratch, kPlannedMark);
    if (stretch.outcome == kJoinsOpenGround) return kJoinsOpenGround;
    position = end;
    openTileCount = stretch.direction;
    return 1;
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
