// Room floors: small rooms joined by winding one-tile passages. Each new path
// and the room at its end are planned on a scratch grid with a letter per
// segment, tested, and only then dug into the floor.
#include "floors/floor.h"
#include "floors/dig_spots.h"
#include "floors/local_random.h"
#include "floors/room_plan.h"
#include "floors/scratch_grid.h"
#include "floors/spot_search.h"
#include "shell/random_mother.h"

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

// Draws a length of 5 to 12 and a direction that keeps the path on the map and
// doesn't double back; moves the position past the segment. The floor's
// openTileCount holds the last direction while the floor is generated.
template <class Generator>
PathSegment GrowPath(Floor& floor, XY& position, Generator& random) {
    PathSegment segment;
    segment.from = position;
    // The longest segment each direction allows, by direction (2 up, 3 down,
    // 4 left, 5 right); none back the way the path came. A table rather than
    // tests per direction: the draws are random, so such tests mispredict.
    const int32_t last = floor.openTileCount;
    const int32_t longest[6] = {-1,
                                -1,
                                last != 3 ? position.y - 2 : -1,
                                last != 2 ? 17 - position.y : -1,
                                last != 5 ? position.x - 2 : -1,
                                last != 4 ? 78 - position.x : -1};
    constexpr int32_t kLengths = 8;
    constexpr int32_t kShortest = 5;
    // The tries are weighed many at a time where the generator allows (see
    // TakeFirstAcceptedPair): the same draws, without a mispredicted branch a try.
    const int32_t longestByDraw[kDirectionDraws] = {longest[DirectionOfDraw(0)], longest[DirectionOfDraw(1)],
                                                    longest[DirectionOfDraw(2)], longest[DirectionOfDraw(3)]};
    auto fits = [&longestByDraw](uint32_t lengthDraw, uint32_t directionDraw) {
        return ScaleDraw(lengthDraw, kLengths) + kShortest <= longestByDraw[ScaleDraw(directionDraw, kDirectionDraws)];
    };
    // From any place on the map some length and direction fit.
    for (int32_t draw = 0; draw < kSpotDrawLimit; ++draw) {
        int32_t length = 0;
        int32_t direction = 0;
        uint32_t lengthDraw = 0;
        uint32_t directionDraw = 0;
        const int32_t batch = draw + kPairBatch <= kSpotDrawLimit ? TakeFirstAcceptedPair(random, fits, lengthDraw, directionDraw) : -2;
        if (batch == -1) {
            draw += kPairBatch - 1;
            continue;
        }
        if (batch >= 0) {
            draw += batch;
            length = ScaleDraw(lengthDraw, kLengths) + kShortest;
            direction = DirectionOfDraw(ScaleDraw(directionDraw, kDirectionDraws));
        } else {
            length = random.Random(kLengths) + kShortest;
            direction = RandomDirection(random);
            if (length > longest[direction]) continue;
        }
        segment.direction = direction;
        segment.length = length;
        const XY step = DirectionStep(direction);
        position = {position.x + step.x * length, position.y + step.y * length};
        floor.openTileCount = direction;
        break;
    }
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

// Draws one attempt's path; false when it ends without a room.
bool DrawPath(Floor& floor, const DigSpots& spots, PathPlan& plan) {
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
    for (;;) {
        --budget;
        scratch.RefreshFromFloor(floor);
        PathPlan plan;
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
