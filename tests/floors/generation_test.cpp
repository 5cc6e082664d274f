#include <functional>

#include "floors/floor_fixtures.h"
#include "floors/dig_spots.h"
#include "floors/scratch_grid.h"

namespace {

using Generation = FloorTest;

struct Layout {
    const char* name;
    int32_t type;
    std::function<void(Floor&)> generate;
};

const Layout kLayouts[] = {
    {"rooms", kLayoutRooms, [](Floor& floor) { floor.GenerateRoomFloor(); }},
    {"roughly dug", kLayoutRoughlyDug, [](Floor& floor) { floor.GenerateRoughDungeon(2000 + rng.Random(2000)); }},
    {"cavern", kLayoutCavern, [](Floor& floor) { floor.GenerateCavern(); }},
    {"corridor complex", kLayoutCorridorComplex, [](Floor& floor) { floor.GenerateCorridorComplex(); }},
};

XY FindGlyph(const Floor& floor, char glyph, int& count) {
    XY found = {-1, -1};
    count = 0;
    for (int32_t x = 0; x < kFloorWidth; ++x) {
        for (int32_t y = 0; y < kFloorHeight; ++y) {
            if (floor.At(x, y).glyph != glyph) continue;
            ++count;
            found = {x, y};
        }
    }
    return found;
}

// Whether '>' can be walked to from '<' (diagonal steps allowed), with ice blocks
// kicked out of the way or standing in it.
bool DownReachable(const Floor& floor, bool kickIce) {
    int count = 0;
    const XY up = FindGlyph(floor, '<', count);
    uint8_t seen[kFloorWidth * kFloorHeight] = {};
    XY pending[kFloorWidth * kFloorHeight];
    int32_t pendingCount = 0;
    pending[pendingCount++] = up;
    seen[up.x * kFloorHeight + up.y] = 1;
    while (pendingCount > 0) {
        const XY at = pending[--pendingCount];
        if (floor.At(at.x, at.y).glyph == '>') return true;
        for (int32_t i = at.x - 1; i <= at.x + 1; ++i) {
            for (int32_t j = at.y - 1; j <= at.y + 1; ++j) {
                if (!Floor::OnMap(i, j) || seen[i * kFloorHeight + j]) continue;
                const char glyph = floor.At(i, j).glyph;
                if (glyph == '#' || (glyph == '\'' && !kickIce)) continue;
                seen[i * kFloorHeight + j] = 1;
                pending[pendingCount++] = {i, j};
            }
        }
    }
    return false;
}

// Many seeds per layout: a walled border, one staircase each way more than three
// tiles apart, one colour scheme, and a down staircase that can be reached.
TEST_F(Generation, EveryLayoutKeepsItsInvariantsOverManySeeds) {
    constexpr int kSeeds = 40;
    for (const Layout& layout : kLayouts) {
        int reachableWithoutKicking = 0;
        for (int seed = 0; seed < kSeeds; ++seed) {
            SCOPED_TRACE(std::string(layout.name) + " seed " + std::to_string(seed));
            rng.RandomInit(static_cast<uint32_t>(seed));
            Floor& floor = floorArray[7];
            layout.generate(floor);
            ASSERT_EQ(floor.layoutType, layout.type);

            for (int32_t x = 0; x < kFloorWidth; ++x) {
                for (int32_t y = 0; y < kFloorHeight; ++y) {
                    const bool border = x == 0 || y == 0 || x == kFloorWidth - 1 || y == kFloorHeight - 1;
                    if (border) {
                        ASSERT_EQ(floor.At(x, y).glyph, '#') << x << "," << y;
                    }
                }
            }

            int ups = 0;
            int downs = 0;
            const XY up = FindGlyph(floor, '<', ups);
            const XY down = FindGlyph(floor, '>', downs);
            ASSERT_EQ(ups, 1);
            ASSERT_EQ(downs, 1);
            EXPECT_TRUE(std::abs(up.x - down.x) > 3 || std::abs(up.y - down.y) > 3);

            const ColourCode wall = floor.At(0, 0).colour;
            ASSERT_TRUE(wall == 3 || wall == 7 || wall == 15);
            const ColourCode open = wall == 3 ? 11 : 15;
            for (const Tile& tile : floor.tiles) {
                const bool terrain = tile.glyph == '.' || tile.glyph == '<' || tile.glyph == '>';
                ASSERT_EQ(tile.colour, tile.glyph == '#' ? wall : terrain ? open : tile.colour);
            }

            EXPECT_TRUE(DownReachable(floor, true));
            reachableWithoutKicking += DownReachable(floor, false);
        }
        // A cavern has no ice: all of it is one open cave.
        if (layout.type == kLayoutCavern) {
            EXPECT_EQ(reachableWithoutKicking, kSeeds);
        }
    }
}

TEST_F(Generation, SameSeedSameFloor) {
    for (const Layout& layout : kLayouts) {
        rng.RandomInit(99);
        layout.generate(floorArray[8]);
        rng.RandomInit(99);
        layout.generate(floorArray[9]);
        for (int i = 0; i < kFloorWidth * kFloorHeight; ++i) {
            ASSERT_EQ(floorArray[8].tiles[i].glyph, floorArray[9].tiles[i].glyph) << layout.name;
            ASSERT_EQ(floorArray[8].tiles[i].colour, floorArray[9].tiles[i].colour) << layout.name;
        }
    }
}

// A floor whose tiles were left from an earlier game is rebuilt from wall.
TEST_F(Generation, GeneratorsStartFromANewFloor) {
    Floor& floor = floorArray[3];
    for (const Layout& layout : kLayouts) {
        OpenArea(floor, 0, 0, kFloorWidth - 1, kFloorHeight - 1);
        floor.At(5, 5).PutItemOnTile(kSword, 3, 0, 0, 0, -1, 0);
        floor.At(6, 6).remembered = 1;
        floor.feeling = 6;
        rng.RandomInit(5);
        layout.generate(floor);
        EXPECT_TRUE(floor.At(5, 5).items.empty()) << layout.name;
        EXPECT_EQ(floor.At(6, 6).remembered, 0) << layout.name;
        EXPECT_EQ(floor.feeling, 0) << layout.name;
    }
}

TEST_F(Generation, MiddleBlocksGetTheThreeOtherLayoutsInSomeOrder) {
    layoutShufflePending = 1;
    rng.RandomInit(77);
    int32_t types[kFloorCount] = {};
    for (int32_t f = 0; f < kFloorCount; ++f) {
        floorArray[f].GenerateLayout(f);
        types[f] = floorArray[f].layoutType;
    }
    EXPECT_EQ(layoutShufflePending, 0);
    for (int32_t f = 0; f < 7; ++f) EXPECT_EQ(types[f], kLayoutRooms);
    int32_t seen[5] = {};
    for (int32_t block = 1; block <= 3; ++block) {
        for (int32_t f = block * 7; f < block * 7 + 7; ++f) EXPECT_EQ(types[f], layoutShuffle[block - 1]) << f;
        ++seen[layoutShuffle[block - 1]];
    }
    EXPECT_EQ(seen[kLayoutRoughlyDug], 1);
    EXPECT_EQ(seen[kLayoutCavern], 1);
    EXPECT_EQ(seen[kLayoutCorridorComplex], 1);
    for (int32_t f = 28; f < kFloorCount; ++f) EXPECT_TRUE(types[f] >= 1 && types[f] <= 4);
    layoutShufflePending = 1;
}

TEST_F(Generation, WallBorderWallsOnlyOpenFloor) {
    Floor& floor = floorArray[0];
    OpenArea(floor, 0, 0, kFloorWidth - 1, kFloorHeight - 1);
    floor.At(0, 5).glyph = '\'';
    floor.At(79, 7).glyph = '<';
    floor.WallBorder();
    EXPECT_EQ(floor.At(0, 0).glyph, '#');
    EXPECT_EQ(floor.At(40, 18).glyph, '#');
    EXPECT_EQ(floor.At(0, 5).glyph, '\'');
    EXPECT_EQ(floor.At(79, 7).glyph, '<');
    EXPECT_EQ(floor.At(1, 1).glyph, '.');
}

TEST_F(Generation, StairsNeedOpenGroundAndKeepTheirDistance) {
    Floor& floor = floorArray[0];
    // A floor without a tile that has eight open neighbours gets no staircase.
    OpenArea(floor, 10, 5, 11, 14);
    EXPECT_FALSE(floor.PlaceStairs(2));
    int count = 0;
    FindGlyph(floor, '<', count);
    EXPECT_EQ(count, 0);

    // One 3x3 room: '<' fits in its middle, but '>' has nowhere to go.
    floor.ResetToNewFloor();
    OpenArea(floor, 20, 5, 22, 7);
    EXPECT_TRUE(floor.PlaceStairs(2));
    EXPECT_EQ(floor.At(21, 6).glyph, '<');
    EXPECT_FALSE(floor.PlaceStairs(3));

    // A second room four tiles away takes it.
    OpenArea(floor, 24, 5, 26, 7);
    EXPECT_TRUE(floor.PlaceStairs(3));
    EXPECT_EQ(floor.At(25, 6).glyph, '>');
}

TEST_F(Generation, ColourSchemesPaintTerrainOnlyAndAlwaysDrawOnce) {
    struct Case {
        int32_t mode;
        ColourCode wall;
        ColourCode open;
    };
    for (const Case& c : {Case{0, 7, 15}, Case{1, 15, 15}, Case{2, 3, 11}}) {
        Floor& floor = floorArray[0];
        floor.ResetToNewFloor();
        DrawMap(0, {".'<>_~"}, 1, 1);
        floor.At(6, 1).colour = 14;
        RandomMother before = rng;
        floor.SetTileColours(c.mode);
        before.BRandom();
        EXPECT_EQ(rng.BRandom(), before.BRandom()) << "mode " << c.mode << " draws once";
        EXPECT_EQ(floor.At(0, 0).colour, c.wall);
        for (int32_t x = 1; x <= 4; ++x) EXPECT_EQ(floor.At(x, 1).colour, c.open) << x;
        EXPECT_EQ(floor.At(5, 1).colour, 0);
        EXPECT_EQ(floor.At(6, 1).colour, 14);
    }
}

TEST_F(Generation, RandomDirectionMapsFourDraws) {
    RandomMother copy = rng;
    const int32_t expected[4] = {2, 3, 5, 4};
    for (int i = 0; i < 50; ++i) EXPECT_EQ(RandomDirection(rng), expected[copy.Random(4)]);
}

// Seeds whose first draws pick a room's pattern: Random(400), then Random(50).
uint32_t SeedFor(bool checker, bool shaped) {
    for (uint32_t seed = 0;; ++seed) {
        RandomMother probe;
        probe.RandomInit(seed);
        const bool checkerDraw = probe.Random(400) == 0;
        if (checker) {
            if (checkerDraw) return seed;
            continue;
        }
        if (!checkerDraw && (probe.Random(50) == 0) == shaped) return seed;
    }
}

TEST_F(Generation, RoomPatterns) {
    Floor& floor = floorArray[0];
    rng.RandomInit(SeedFor(true, false));
    floor.CarveRoom(10, 5, 5, 6, false);
    const char* checker[] = {".....", ".'.'.", "..'..", ".'.'.", "..'..", "....."};
    for (int32_t j = 0; j < 6; ++j)
        for (int32_t i = 0; i < 5; ++i) EXPECT_EQ(floor.At(10 + i, 5 + j).glyph, checker[j][i]) << i << "," << j;

    // The first room of a room floor never gets the checkerboard.
    floor.ResetToNewFloor();
    rng.RandomInit(SeedFor(true, false));
    floor.CarveRoom(10, 5, 5, 5, true);
    EXPECT_EQ(floor.CountGlyphAround(12, 7, 2, '\''), 0);

    // A special shape: a 3x3 room has a pillar, a 3x5 room none.
    floor.ResetToNewFloor();
    rng.RandomInit(SeedFor(false, true));
    floor.CarveRoom(10, 5, 3, 3, true);
    EXPECT_EQ(floor.At(11, 6).glyph, '#');
    EXPECT_EQ(floor.CountGlyphAround(11, 6, 1, '.'), 8);
    floor.ResetToNewFloor();
    rng.RandomInit(SeedFor(false, true));
    floor.CarveRoom(10, 5, 3, 5, true);
    EXPECT_EQ(floor.CountGlyphAround(11, 7, 2, '.'), 15);
}

TEST_F(Generation, BlocksReachingTheEdgeCountAsBorderWithoutBeingRead) {
    Floor& floor = floorArray[0];
    OpenArea(floor, 1, 1, 78, 17, '#');
    EXPECT_TRUE(floor.IsAreaSolid(1, 1, 78, 17));
    EXPECT_FALSE(floor.IsAreaSolid(-1, 5, 1, 3));
    EXPECT_FALSE(floor.IsAreaSolid(77, 5, 6, 3));
    EXPECT_FALSE(floor.IsAreaSolid(5, 16, 3, 4));
    EXPECT_TRUE(floor.IsAreaSolid(-5, -5, 0, 3));
    DigSpots spots;
    spots.Build(floor);
    EXPECT_EQ(spots.CountOpenInArea(-1, 5, 1, 3), 1);
    EXPECT_EQ(spots.CountOpenInArea(78, 17, 5, 5), 1);
    EXPECT_EQ(spots.CountOpenInArea(5, 5, 0, 5), 0);
    floor.At(6, 6).glyph = '.';
    spots.Build(floor);
    EXPECT_EQ(spots.CountOpenInArea(5, 5, 3, 3), 1);
    EXPECT_FALSE(floor.IsAreaSolid(5, 5, 3, 3));
    // Segments that run off the map only read it as wall.
    EXPECT_TRUE(spots.IsSegmentClear(2, 8, 40, 2));
    EXPECT_FALSE(spots.IsSegmentClear(3, 4, 5, 3));
}

TEST_F(Generation, CorridorsJoinOpenGroundHeadOnButNotAtAGraze) {
    Floor& floor = floorArray[0];
    // A room at columns 20..24; a corridor dug east along row 8 from column 12 meets its side.
    OpenArea(floor, 20, 5, 24, 11);
    const XY joined = floor.DigCorridor(5, 8, 12, 8);
    EXPECT_EQ(joined.x, 20);
    EXPECT_EQ(joined.y, 8);
    for (int32_t x = 12; x < 20; ++x) EXPECT_EQ(floor.At(x, 8).glyph, '.') << x;

    // Along row 4, the room's corner is only diagonally ahead: the corridor stops short.
    const XY grazed = floor.DigCorridor(5, 8, 12, 4);
    EXPECT_EQ(grazed.x, 19);
    EXPECT_EQ(floor.At(19, 4).glyph, '#');
    EXPECT_EQ(floor.At(18, 4).glyph, '.');
}

TEST_F(Generation, DoorwaysTurnToIceButEveryFifthStaysOpen) {
    Floor& floor = floorArray[0];
    // Six straight one-tile passages, each with a doorway in its middle.
    for (int32_t k = 0; k < 6; ++k) {
        OpenArea(floor, 10 + 4 * k, 5, 10 + 4 * k, 9);
        floor.At(10 + 4 * k, 7).doorCandidate = 1;
    }
    floor.PlaceIceBlocks();
    const char expected[] = {'\'', '\'', '\'', '\'', '.', '\''};
    for (int32_t k = 0; k < 6; ++k) EXPECT_EQ(floor.At(10 + 4 * k, 7).glyph, expected[k]) << k;
}

}  // namespace

namespace {

// The quick spot tests the generators use must agree with counting tile by tile.
TEST_F(Generation, DigSpotsAgreeWithCountingTiles) {
    Floor& floor = floorArray[2];
    rng.RandomInit(3);
    floor.GenerateRoughDungeon(2500);
    floor.At(1, 1).glyph = '.';  // open ground next to the border as well
    DigSpots spots;
    spots.Build(floor);
    int32_t besideFloor = 0;
    for (int32_t x = -1; x <= kFloorWidth; ++x) {
        for (int32_t y = -1; y <= kFloorHeight; ++y) {
            for (int32_t radius = 1; radius <= 3; ++radius)
                ASSERT_EQ(spots.OpenAround(x, y, radius), floor.CountGlyphAround(x, y, radius, '.')) << x << "," << y;
            const bool wall = Floor::OnMap(x, y) && floor.At(x, y).glyph == '#';
            const int32_t near = floor.CountGlyphAround(x, y, 1, '.');
            const bool onMapBlock = x >= 1 && y >= 1 && x <= 78 && y <= 17;
            ASSERT_EQ(spots.IsWallBesideFloor(x, y), wall && onMapBlock && near >= 3) << x << "," << y;
            ASSERT_EQ(spots.IsWallBesideCorridor(x, y), wall && near == 3 && floor.CountGlyphAround(x, y, 2, '.') == 5);
            besideFloor += spots.IsWallBesideFloor(x, y);
        }
    }
    EXPECT_EQ(spots.WallsBesideFloor(), besideFloor);

    // Blocks and corridor segments anywhere near the map, against a walk over their tiles.
    auto countOpen = [&floor](int32_t x, int32_t y, int32_t w, int32_t h) {
        int32_t open = 0;
        for (int32_t i = x; i < x + w; ++i) {
            for (int32_t j = y; j < y + h; ++j) {
                if (i <= 0 || i >= kFloorWidth || j <= 0 || j >= kFloorHeight) return 1;
                open += floor.At(i, j).glyph == '.' ? 1 : 0;
            }
        }
        return open;
    };
    auto segmentClear = [&floor](int32_t direction, int32_t length, int32_t x, int32_t y) {
        const XY step = DirectionStep(direction);
        const XY side = {step.y != 0 ? 1 : 0, step.x != 0 ? 1 : 0};
        for (int32_t i = 0; i < length; ++i) {
            const int32_t cx = x + step.x * i;
            const int32_t cy = y + step.y * i;
            for (int32_t s = -1; s <= 1; ++s)
                if (floor.GlyphAt(cx + s * side.x, cy + s * side.y) == '.') return false;
        }
        return true;
    };
    for (int32_t x = -2; x <= kFloorWidth + 1; ++x) {
        for (int32_t y = -2; y <= kFloorHeight + 1; ++y) {
            for (int32_t length = 0; length <= 9; ++length) {
                ASSERT_EQ(spots.CountOpenInArea(x, y, 5, length), countOpen(x, y, 5, length)) << x << "," << y;
                ASSERT_EQ(spots.CountOpenInArea(x, y, length, 5), countOpen(x, y, length, 5)) << x << "," << y;
                // The roughly dug dungeon's spot tests take a block without open tiles for solid.
                ASSERT_EQ(spots.CountOpenInArea(x, y, 3, length) == 0, floor.IsAreaSolid(x, y, 3, length));
                ASSERT_EQ(spots.CountOpenInArea(x, y, length, 3) == 0, floor.IsAreaSolid(x, y, length, 3));
                for (int32_t direction = 2; direction <= 5; ++direction) {
                    ASSERT_EQ(spots.IsSegmentClear(direction, length, x, y), segmentClear(direction, length, x, y))
                        << direction << " " << length << " from " << x << "," << y;
                    if (!Floor::OnMap(x, y) || length == 0 || length > DigSpots::kLongestClearRun) continue;
                    ASSERT_EQ(length <= spots.ClearRun(direction, x, y), segmentClear(direction, length, x, y))
                        << direction << " " << length << " from " << x << "," << y;
                }
            }
        }
    }

    XY spot;
    floor.ResetToNewFloor();
    spots.Build(floor);
    EXPECT_FALSE(floor.PickWallBesideFloor(spots, spot)) << "a floor of solid rock";
}

// Spots kept up to date after each dig (a path from the scratch grid, or tiles
// changed straight on the floor) give what a fresh build gives.
TEST_F(Generation, DigSpotsKeptUpToDateMatchAFreshBuild) {
    Floor& floor = floorArray[0];
    rng.RandomInit(5);
    floor.GenerateCorridorComplex();
    for (Tile& tile : floor.tiles)
        if (tile.glyph != '.') tile.glyph = '#';
    DigSpots kept;
    kept.Build(floor);
    auto expectFresh = [&floor, &kept](int32_t dig) {
        DigSpots built;
        built.Build(floor);
        ASSERT_EQ(kept.WallsBesideFloor(), built.WallsBesideFloor()) << "dig " << dig;
        ASSERT_EQ(kept.WallsBesideCorridor(), built.WallsBesideCorridor()) << "dig " << dig;
        for (int32_t x = -1; x <= kFloorWidth; ++x) {
            for (int32_t y = -1; y <= kFloorHeight; ++y) {
                ASSERT_EQ(kept.IsWallBesideFloor(x, y), built.IsWallBesideFloor(x, y)) << x << "," << y;
                ASSERT_EQ(kept.IsWallBesideCorridor(x, y), built.IsWallBesideCorridor(x, y)) << x << "," << y;
                ASSERT_EQ(kept.OpenAround(x, y, 3), built.OpenAround(x, y, 3)) << x << "," << y;
                // The kept spots answered these before the dig too: none of those answers may linger.
                for (int32_t direction = 2; direction <= 5 && Floor::OnMap(x, y); ++direction)
                    ASSERT_EQ(kept.ClearRun(direction, x, y), built.ClearRun(direction, x, y)) << x << "," << y;
            }
        }
    };
    ScratchGrid scratch;
    scratch.CopyFloor(floor);
    // Straight paths of marked cells anywhere, the map's edges included; now and
    // then a cell is marked and set back to wall, as a room's shape does.
    for (int32_t path = 0; path < 60; ++path) {
        scratch.RefreshFromFloor(floor);
        const XY step = DirectionStep(rng.Random(4) + 2);
        XY cell = {rng.Random(kFloorWidth), rng.Random(kFloorHeight)};
        for (int32_t i = rng.Random(6); i >= 0; --i, cell = {cell.x + step.x, cell.y + step.y}) {
            if (scratch.At(cell.x, cell.y) == '#') scratch.Set(cell.x, cell.y, 'x');
        }
        if (path % 7 == 0) scratch.Set(cell.x, cell.y, '#');
        floor.CommitScratchPath(scratch);
        kept.Update(floor, scratch);
        expectFresh(path);
    }
    // Tiles changed on the floor itself, then the spots built again: open ground,
    // ice and wall, near the edges too.
    const char glyphs[] = {'.', '\'', '#'};
    for (int32_t dig = 0; dig < 30; ++dig) {
        const int32_t x = rng.Random(kFloorWidth - 3);
        const int32_t y = rng.Random(kFloorHeight - 3);
        const char glyph = glyphs[rng.Random(3)];
        for (int32_t i = x; i < x + 3; ++i)
            for (int32_t j = y; j < y + 3; ++j) floor.At(i, j).glyph = glyph;
        kept.Build(floor);
        expectFresh(dig);
    }
}

// The draws of each layout are behaviour: these floors must not change unless the
// change is meant, and then the fingerprints are updated with it.
TEST_F(Generation, FloorsOfFixedSeedsStayTheSame) {
    const uint64_t expected[] = {0x0aec8d3cc48a733cull, 0xcfe238355fd2598aull, 0x98517ed22a87fd0full,
                                 0x13e98859cf7f8030ull};
    for (size_t i = 0; i < std::size(kLayouts); ++i) {
        rng.RandomInit(2024);
        Floor& floor = floorArray[10];
        kLayouts[i].generate(floor);
        uint64_t hash = 1469598103934665603ull;
        for (const Tile& tile : floor.tiles) {
            hash = (hash ^ static_cast<unsigned char>(tile.glyph)) * 1099511628211ull;
            hash = (hash ^ tile.colour) * 1099511628211ull;
            hash = (hash ^ tile.doorCandidate) * 1099511628211ull;
        }
        hash = (hash ^ rng.BRandom()) * 1099511628211ull;
        EXPECT_EQ(hash, expected[i]) << kLayouts[i].name << std::hex << " 0x" << hash;
    }
}

}  // namespace
