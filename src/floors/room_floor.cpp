// Room floors: small rooms joined by winding one-tile passages. Each new path
// and the room at its end are planned on a scratch grid with a letter per
// segment, tested, and only then dug into the floor.
#include <algorithm>
#include <array>

#include "floors/dig_spots.h"
#include "floors/room_plan.h"
#include "floors/scratch_grid.h"
#include "floors/spot_search.h"
#include "toolkit/random_local_scope.h"
#include "toolkit/random_mother.h"
#include "world/floor.h"

namespace {

constexpr int32_t kAttemptBudget = 2000;
constexpr int32_t kPathSteps = 10;

// A path as drawn: its segments, lettered from 'a', and the room it ends in.
struct PathPlan {
    XY start;
    PathSegment segments[kPathSteps + 1];
    int32_t segmentCount = 0;
    RoomPlan room;
};

bool IsOnBorder(XY cell) {
    return cell.x == 0 || cell.y == 0 || cell.x == kFloorWidth - 1 || cell.y == kFloorHeight - 1;
}

char SegmentLetter(int32_t index) {
    constexpr char kFirstLetter = 'a';
    return static_cast<char>(kFirstLetter + index);
}

// A segment's length draw gives 5 to 12 tiles, its direction draw one of the
// four digging directions.
constexpr int32_t kLengths = 8;
constexpr int32_t kShortest = 5;

// The tries of a segment as a mask: the byte of direction draw d (north, south,
// east, west) holds a bit per length draw, set when that try fits. A mask
// rather than tests per try: the draws are random, so such tests mispredict.
constexpr int32_t kNorthTries = 0;
constexpr int32_t kSouthTries = kLengths;
constexpr int32_t kEastTries = 2 * kLengths;
constexpr int32_t kWestTries = 3 * kLengths;
constexpr uint32_t kAllLengths = (1u << kLengths) - 1u;

// The lengths that fit in `room` tiles, lowest bit the shortest.
constexpr uint32_t LengthsWithin(int32_t room) { return (1u << std::clamp(room - kShortest + 1, 0, kLengths)) - 1u; }

// A path keeps to rows 2 to 17 and columns 2 to 78: from each row the tries
// north and south that stay there, from each column those east and west.
constexpr std::array<uint32_t, kFloorHeight> kTriesFromRow = [] {
    std::array<uint32_t, kFloorHeight> tries{};
    for (int32_t y = 0; y < kFloorHeight; ++y)
        tries[y] = LengthsWithin(y - 2) << kNorthTries | LengthsWithin(17 - y) << kSouthTries;
    return tries;
}();
constexpr std::array<uint32_t, kFloorWidth> kTriesFromColumn = [] {
    std::array<uint32_t, kFloorWidth> tries{};
    for (int32_t x = 0; x < kFloorWidth; ++x)
        tries[x] = LengthsWithin(78 - x) << kEastTries | LengthsWithin(x - 2) << kWestTries;
    return tries;
}();
// By the last direction (2 north, 3 south, 4 west, 5 east): the way back.
constexpr uint32_t kTriesBack[6] = {0, 0, kAllLengths << kSouthTries, kAllLengths << kNorthTries,
                                    kAllLengths << kEastTries, kAllLengths << kWestTries};

uint32_t FittingTries(XY position, int32_t last) {
    const uint32_t back = last >= 0 && last < 6 ? kTriesBack[last] : 0;
    return (kTriesFromRow[position.y] | kTriesFromColumn[position.x]) & ~back;
}

// A try's code: its direction draw times kLengths plus its length draw, which
// is also its bit in the mask.
int32_t TryCode(int32_t lengthDrawn, int32_t directionDrawn) { return kLengths * directionDrawn + lengthDrawn; }
int32_t TryCodeOfDraws(uint64_t lengthDraw, uint64_t directionDraw) {
    return TryCode(ScaleDraw(static_cast<uint32_t>(lengthDraw), kLengths),
                   ScaleDraw(static_cast<uint32_t>(directionDraw), kDirectionDraws));
}
bool TryFits(uint32_t fitting, int32_t code) { return ((fitting >> code) & 1u) != 0; }

// Where each try takes the path: direction draws 0 to 3 go north, south, east and west.
constexpr std::array<XY, kDirectionDraws * kLengths> kTryMoves = [] {
    constexpr XY kStepOfDraw[kDirectionDraws] = {{0, -1}, {0, 1}, {1, 0}, {-1, 0}};
    std::array<XY, kDirectionDraws * kLengths> moves{};
    for (int32_t direction = 0; direction < kDirectionDraws; ++direction) {
        for (int32_t length = 0; length < kLengths; ++length) {
            const XY step = kStepOfDraw[direction];
            moves[kLengths * direction + length] = {step.x * (length + kShortest), step.y * (length + kShortest)};
        }
    }
    return moves;
}();

// Tries are weighed kTryBatch at a time from the block, and only the draws up
// to the first that fits are taken. About half the tries fit (the map is only
// 19 rows tall, so many vertical ones run off it): four tries settle some nine
// segments in ten, and weighing eight did more work than the misses it saved.
constexpr int32_t kTryBatch = 4;
static_assert(kSpotDrawLimit % kTryBatch == 0);

// Draws tries of a length and then a direction until one fits; its code, or -1
// when none of kSpotDrawLimit tries did. Inlined like GrowPath: a call per
// segment would also make the draw cursor go through memory.
[[gnu::always_inline]] inline int32_t DrawFittingTry(uint32_t fitting, LocalRandom& random) {
    for (int32_t tries = 0; tries < kSpotDrawLimit;) {
        const uint32_t* draws = random.UpcomingDraws(2 * kTryBatch);
        if (draws == nullptr) {
            // The serial path: one try at a time.
            const int32_t lengthDrawn = random.Random(kLengths);
            const int32_t code = TryCode(lengthDrawn, random.Random(kDirectionDraws));
            if (TryFits(fitting, code)) return code;
            ++tries;
            continue;
        }
        uint32_t fits = 0;
        for (int32_t i = 0; i < kTryBatch; ++i) {
            fits |= static_cast<uint32_t>(TryFits(fitting, TryCodeOfDraws(draws[2 * i], draws[2 * i + 1]))) << i;
        }
        if (fits == 0) {
            random.SkipDraws(2 * kTryBatch);
            tries += kTryBatch;
            continue;
        }
        const int32_t first = __builtin_ctz(fits);
        random.SkipDraws(2 * (first + 1));
        return TryCodeOfDraws(draws[2 * first], draws[2 * first + 1]);
    }
    return -1;
}

// Draws a length of 5 to 12 and a direction that keeps the path on the map and
// doesn't double back; moves the position past the segment. The floor's
// openTileCount holds the last direction while the floor is generated. Inlined
// into DrawPath, which keeps the draw cursor in a register across a whole path.
[[gnu::always_inline]] inline PathSegment GrowPath(Floor& floor, XY& position, LocalRandom& random) {
    PathSegment segment;
    segment.from = position;
    // From any place on the map some length and direction fit.
    const int32_t code = DrawFittingTry(FittingTries(position, floor.openTileCount), random);
    if (code < 0) return segment;
    segment.direction = DirectionOfDraw(code / kLengths);
    segment.length = code % kLengths + kShortest;
    position = {position.x + kTryMoves[code].x, position.y + kTryMoves[code].y};
    floor.openTileCount = segment.direction;
    return segment;
}

// A room at the end of a path. After a vertical path the room is shifted
// sideways, after a horizontal one up or down, so that the path meets it.
template <class Generator>
RoomPlan PlanPathRoom(const Floor& floor, int32_t x, int32_t y, Generator& random) {
    const int32_t last = floor.openTileCount;
    int32_t w = 0;
    int32_t h = 0;
    int32_t ox = 0;
    int32_t oy = 0;
    // From any position the room floor plans at, some size and shift fits;
    // the bound only guards a caller that asks from too near the edge.
    for (int32_t draw = 0; draw < kSpotDrawLimit; ++draw) {
        w = random.Random(4) + 3;
        h = random.Random(4) + 3;
        ox = 0;
        oy = 0;
        if (last == 2 || last == 3) {
            ox = random.Random(w);
        } else if (last == 4 || last == 5) {
            oy = random.Random(h);
        }
        const int32_t right = x - ox + w;
        const int32_t bottom = y - oy + h;
        if (right >= 1 && right <= 78 && bottom >= 1 && bottom <= 17) break;
    }
    return PlanRoom(x - ox, y - oy, w, h, true, random);
}

// Draws one attempt's path into the plan; false when it ends without a room.
bool DrawPath(Floor& floor, const DigSpots& spots, PathPlan& plan) {
    plan.segmentCount = 0;
    if (!floor.PickWallBesideFloor(spots, plan.start)) return false;
    LocalRandom random;  // every later draw of the path
    XY position = plan.start;
    plan.segments[plan.segmentCount++] = GrowPath(floor, position, random);
    for (int32_t i = 0; i < kPathSteps; ++i) {
        for (;;) {
            bool carve = false;
            if (i == kPathSteps - 1 && position.y + 4 < 18 && position.x + 4 < 79) {
                carve = true;
            } else {
                const int32_t draw = random.Random(3);
                if (draw == 0 && position.y + 4 < 19 && position.x + 4 < 80) {
                    if (i > 5) {
                        carve = true;
                    } else {
                        // Early in the path a room is less likely; a miss tests again.
                        const int32_t chance = random.Random((10 - i) / 2 + 1);
                        if (chance != 0) continue;
                        carve = true;
                    }
                }
            }
            if (carve) {
                plan.room = PlanPathRoom(floor, position.x, position.y, random);
                return true;
            }
            plan.segments[plan.segmentCount++] = GrowPath(floor, position, random);
            break;
        }
    }
    return false;
}

// Every wall cell of a segment gets marked, and stays marked unless a special
// shape turns it back; so without a shape, one that lies on the map's edge or
// beside open ground spoils the attempt before anything is marked.
bool IsSurelySpoilt(const Floor& floor, const DigSpots& spots, const PathPlan& plan) {
    if (plan.room.shapeWallCount > 0) return false;
    for (int32_t s = 0; s < plan.segmentCount; ++s) {
        const PathSegment& segment = plan.segments[s];
        const XY step = DirectionStep(segment.direction);
        for (int32_t i = 0; i < segment.length; ++i) {
            const XY cell = {segment.from.x + step.x * i, segment.from.y + step.y * i};
            if (!Floor::OnMap(cell.x, cell.y) || floor.At(cell.x, cell.y).glyph != kWallGlyph) continue;
            if (cell.x == plan.start.x && cell.y == plan.start.y) continue;
            if (IsOnBorder(cell) || spots.OpenAround(cell.x, cell.y, 1) > 0) return true;
        }
    }
    return false;
}

void MarkPath(const Floor& floor, const PathPlan& plan, ScratchGrid& scratch) {
    for (int32_t s = 0; s < plan.segmentCount; ++s) {
        const PathSegment& segment = plan.segments[s];
        floor.MarkScratchLine(segment.direction, segment.length, segment.from.x, segment.from.y, scratch,
                              SegmentLetter(s));
    }
    // The room takes the letter of the step that ended the path in it.
    floor.MarkScratchRoom(plan.room, scratch, SegmentLetter(plan.segmentCount));
}

bool BuildRoomFloor(Floor& floor, DigSpots& spots, ScratchGrid& scratch) {
    floor.CarveFirstRoom(true);

    scratch.CopyFloor(floor);
    spots.Build(floor);
    int32_t budget = kAttemptBudget;
    // One plan serves every attempt: clearing it each time costs more than an attempt that fails early.
    PathPlan plan;
    for (;;) {
        --budget;
        scratch.RefreshFromFloor(floor);
        if (DrawPath(floor, spots, plan) && !IsSurelySpoilt(floor, spots, plan)) {
            MarkPath(floor, plan, scratch);
            if (floor.IsScratchPathValid(scratch, plan.start.x, plan.start.y)) {
                XY door;
                auto holdsFirstLetter = [&scratch](int32_t cx, int32_t cy) {
                    return scratch.At(cx, cy) == SegmentLetter(0);
                };
                if (SearchSpot(0, holdsFirstLetter, door)) floor.At(door.x, door.y).doorCandidate = 1;
                floor.CommitScratchPath(scratch);
                spots.Update(floor, scratch);
                budget = kAttemptBudget;
                continue;
            }
        }
        if (budget == 0) break;
    }

    floor.layoutType = kLayoutRooms;
    floor.WallBorder();
    if (!floor.PlaceStairs(kPlaceUpStairs) || !floor.PlaceStairs(kPlaceDownStairs)) return false;
    floor.PlaceIceBlocks();
    floor.SetTileColours(kRandomScheme);
    return true;
}

}  // namespace

// A floor without room for both stairs is built again from the start.
void Floor::GenerateRoomFloor() {
    ScratchGrid scratch;
    DigSpots spots;
    while (!BuildRoomFloor(*this, spots, scratch)) {
    }
}

bool Floor::PickWallBesideFloor(const DigSpots& spots, XY& spot) const {
    if (spots.WallsBesideFloor() == 0) return false;
    return SearchSpot(-1, spots.WallsBesideFloorTable(), spot);
}

bool Floor::IsScratchPathValid(const ScratchGrid& scratch, int32_t startX, int32_t startY) const {
    int32_t markedCells = 0;
    for (int32_t i = 0; i < scratch.ChangedCount(); ++i) {
        const XY cell = scratch.Changed(i);
        const char letter = scratch.At(cell.x, cell.y);
        if (!ScratchGrid::IsMarker(letter)) continue;
        ++markedCells;
        if (cell.x == startX && cell.y == startY) continue;
        if (IsOnBorder(cell)) return false;
        int32_t nextLetters = 0;
        int32_t previousLetters = 0;
        for (int32_t x = cell.x - 1; x <= cell.x + 1; ++x) {
            for (int32_t y = cell.y - 1; y <= cell.y + 1; ++y) {
                const char near = scratch.At(x, y);
                if (near == kFloorGlyph) return false;
                if (near == letter + 1) ++nextLetters;
                if (near == letter - 1) ++previousLetters;
            }
        }
        if (nextLetters > 3 || previousLetters > 2) return false;
    }
    return markedCells != 1;
}

// Only cells the scratch grid wrote can hold a marker: while paths are planned,
// a floor holds nothing but wall and floor.
void Floor::CommitScratchPath(const ScratchGrid& scratch) {
    for (int32_t i = 0; i < scratch.ChangedCount(); ++i) {
        const XY cell = scratch.Changed(i);
        if (ScratchGrid::IsMarker(scratch.At(cell.x, cell.y))) At(cell.x, cell.y).glyph = kFloorGlyph;
    }
}

// Doorways where a path leaves a room; every fifth one stays open.
void Floor::PlaceIceBlocks() {
    int32_t counted = 1;
    for (int32_t x = 0; x < kFloorWidth; ++x) {
        for (int32_t y = 0; y < kFloorHeight; ++y) {
            Tile& tile = At(x, y);
            if (!tile.doorCandidate) continue;
            if (CountGlyphAround(x, y, 1, kFloorGlyph) != 3) continue;
            if (counted % 5 != 0) {
                const bool acrossRow = GlyphAt(x - 1, y) == kFloorGlyph && GlyphAt(x + 1, y) == kFloorGlyph;
                const bool acrossColumn = GlyphAt(x, y - 1) == kFloorGlyph && GlyphAt(x, y + 1) == kFloorGlyph;
                if (tile.glyph != kFloorGlyph || !(acrossRow || acrossColumn)) continue;
                tile.glyph = kIceBlockGlyph;
            }
            ++counted;
            if (counted == 20) return;
        }
    }
}
