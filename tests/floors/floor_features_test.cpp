#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "floors/floor_features.h"
#include "floors/floor_feelings.h"
#include "floors/floor_fixtures.h"

namespace {

class FloorFeatures : public ::testing::Test {
protected:
    void SetUp() override { ResetGameState(); }
    void TearDown() override { ResetGameState(); }
};

using Placer = void (Floor::*)();

// Runs a placer on fresh open floors of one scheme over many seeds; the number of tiles it furnished with `glyph`.
int32_t PlacedOverSeeds(Placer placer, char glyph, ColourCode wallColour, ColourCode floorColour, int32_t seeds = 200) {
    int32_t placed = 0;
    for (int32_t seed = 1; seed <= seeds; ++seed) {
        Floor floor;
        MakeOpenFloor(floor, wallColour, floorColour);
        rng.RandomInit(static_cast<uint32_t>(seed));
        (floor.*placer)();
        placed += CountGlyph(floor, glyph);
    }
    return placed;
}

TEST_F(FloorFeatures, ColourSchemeDecidesPoolsSnowmenCampfiresAndMirrors) {
    struct Case {
        const char* name;
        Placer placer;
        char glyph;
        ColourCode wallColour;  // the one scheme it belongs to
    };
    const Case cases[] = {
        {"pools", &Floor::PlaceIcyPools, '0', 3},
        {"snowmen", &Floor::PlaceSnowmen, ':', 15},
        {"campfires", &Floor::PlaceCampfires, '~', 7},
        {"mirrors", &Floor::PlaceMirrors, '+', 3},
    };
    for (const Case& c : cases) {
        for (ColourCode wall : {3, 7, 15}) {
            SCOPED_TRACE(std::string(c.name) + " on walls of colour " + std::to_string(wall));
            const int32_t placed = PlacedOverSeeds(c.placer, c.glyph, wall, wall == 3 ? 11 : 15);
            if (wall == c.wallColour) {
                EXPECT_GT(placed, 20);
            } else {
                EXPECT_EQ(placed, 0);
            }
        }
    }
}

TEST_F(FloorFeatures, OneColumnOfAnotherColourStopsTheColumnSchemes) {
    Floor floor;
    MakeOpenFloor(floor, 15, 15);
    floor.At(40, 0).colour = 7;
    for (int32_t seed = 1; seed <= 100; ++seed) {
        rng.RandomInit(static_cast<uint32_t>(seed));
        floor.PlaceSnowmen();
    }
    EXPECT_EQ(CountGlyph(floor, ':'), 0);
}

TEST_F(FloorFeatures, FeaturesKeepTheirDistanceFromTheMapEdge) {
    // A floor without walls: cells off the map must not pass for floor.
    struct Case {
        Placer placer;
        char glyph;
        int32_t margin;
    };
    const Case cases[] = {
        {&Floor::PlaceMagicWritings, '?', 1}, {&Floor::PlaceVeilSpirits, '-', 1}, {&Floor::PlaceIcyPools, '0', 1},
        {&Floor::PlaceMasks, ';', 2},         {&Floor::PlaceLightBalls, '`', 2}, {&Floor::PlaceBloodStands, '+', 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(1, c.glyph));
        int32_t placed = 0;
        for (int32_t seed = 1; seed <= 300; ++seed) {
            Floor floor;
            FillFloor(floor, '.', 3);
            rng.RandomInit(static_cast<uint32_t>(seed));
            (floor.*c.placer)();
            for (int32_t x = 0; x < kFloorWidth; ++x) {
                for (int32_t y = 0; y < kFloorHeight; ++y) {
                    if (floor.At(x, y).glyph != c.glyph) continue;
                    ++placed;
                    EXPECT_TRUE(x >= c.margin && x < kFloorWidth - c.margin && y >= c.margin && y < kFloorHeight - c.margin)
                        << x << "," << y;
                }
            }
        }
        EXPECT_GT(placed, 10);
    }
}

TEST_F(FloorFeatures, FeatureStatesAndBloodStandSplashes) {
    struct Case {
        Placer placer;
        char glyph;
        ColourCode colour;
        std::function<bool(int32_t)> state;
    };
    const Case cases[] = {
        {&Floor::PlaceIcyPools, '0', 11, [](int32_t s) { return s == 4 || s == 6 || s == 8; }},
        {&Floor::PlaceCampfires, '~', 14, [](int32_t s) { return s >= 250 && s <= 349; }},
        {&Floor::PlaceSnowmen, ':', 8, [](int32_t s) { return s == 1; }},
        {&Floor::PlaceBloodStands, '+', 12, [](int32_t s) { return s == 0; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(1, c.glyph));
        for (int32_t seed = 1; seed <= 100; ++seed) {
            Floor floor;
            MakeOpenFloor(floor, c.glyph == '0' ? 3 : c.glyph == ':' ? 15 : 7, 15);
            rng.RandomInit(static_cast<uint32_t>(seed));
            (floor.*c.placer)();
            for (int32_t x = 0; x < kFloorWidth; ++x) {
                for (int32_t y = 0; y < kFloorHeight; ++y) {
                    const Tile& tile = floor.At(x, y);
                    if (tile.glyph != c.glyph) continue;
                    EXPECT_EQ(tile.colour, c.colour);
                    EXPECT_TRUE(c.state(tile.featureState)) << tile.featureState;
                    if (c.glyph != '+') continue;
                    for (int32_t dx = -1; dx <= 1; ++dx) {
                        for (int32_t dy = -1; dy <= 1; ++dy) {
                            const ColourCode splash = floor.At(x + dx, y + dy).colour;
                            EXPECT_TRUE(splash == 4 || splash == 12);
                        }
                    }
                }
            }
        }
    }
}

// Draw-until-found placers on a floor that has no fitting tile at all end without placing anything.
TEST_F(FloorFeatures, PlacersEndOnAFloorWithoutFloorTiles) {
    Floor floor;
    FillFloor(floor, '#', 15);
    floor.feeling = kFeelingSlushy;
    for (int32_t seed = 1; seed <= 5; ++seed) {
        rng.RandomInit(static_cast<uint32_t>(seed));
        floor.PlaceBags();
        floor.PlaceHiddenTraps();
        floor.BuryItemsInSnow();
        floor.PlaceSlush();
    }
    rng.RandomInit(FindSeed([](RandomMother& probe) { return probe.Random(10) > 0; }));
    floor.StainFloorPatches(0);
    for (const Tile& tile : floor.tiles) {
        EXPECT_EQ(tile.glyph, '#');
        EXPECT_EQ(tile.colour, 15);
        EXPECT_EQ(tile.featureState, 0);
        EXPECT_EQ(tile.trapKind, 0);
    }
}

TEST_F(FloorFeatures, OneFloorTileTakesEveryBagAndTrap) {
    Floor floor;
    FillFloor(floor, '#');
    floor.At(40, 9).glyph = '.';
    rng.RandomInit(FindSeed([](RandomMother& probe) { return probe.Random(3) == 0; }));  // two bags at least
    floor.PlaceBags();
    EXPECT_EQ(floor.At(40, 9).glyph, '|');
    EXPECT_EQ(floor.At(40, 9).featureState, 1);
    EXPECT_EQ(CountGlyph(floor, '|'), 1);
}

TEST_F(FloorFeatures, EveryFloorGetsABagAndTrapsOfKinds1To18) {
    int32_t traps = 0;
    for (int32_t seed = 1; seed <= 100; ++seed) {
        Floor floor;
        MakeOpenFloor(floor);
        rng.RandomInit(static_cast<uint32_t>(seed));
        floor.PlaceBags();
        floor.PlaceHiddenTraps();
        EXPECT_GE(CountGlyph(floor, '|'), 1);
        for (const Tile& tile : floor.tiles) {
            if (tile.trapKind == 0) continue;
            ++traps;
            EXPECT_TRUE(tile.trapKind >= 1 && tile.trapKind <= 18);
            EXPECT_EQ(tile.glyph, '.');
        }
    }
    EXPECT_GT(traps, 50);
}

TEST_F(FloorFeatures, SlushNeedsAWhiteFloorAndNoHardSnow) {
    struct Case {
        ColourCode wallColour;
        int32_t feeling;
        bool slush;
    };
    const Case cases[] = {{15, kFeelingSlushy, true}, {15, kFeelingHardSnow, false}, {7, kFeelingSlushy, false},
                          {3, kFeelingSlushy, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.wallColour) + " " + std::to_string(c.feeling));
        for (int32_t seed = 1; seed <= 20; ++seed) {
            Floor floor;
            MakeOpenFloor(floor, c.wallColour, 15);
            floor.feeling = c.feeling;
            rng.RandomInit(static_cast<uint32_t>(seed));
            floor.PlaceSlush();
            // On a slushy white floor every blob lands by the walls and covers floor around its centre.
            EXPECT_EQ(CountGlyph(floor, ',') > 0, c.slush);
            for (const Tile& tile : floor.tiles) {
                EXPECT_TRUE(tile.glyph != ',' || tile.colour == 5);
            }
        }
    }
}

TEST_F(FloorFeatures, BloodStainsHideFoundTrapsAndSkipCalmFloors) {
    int32_t stained = 0;
    for (int32_t seed = 1; seed <= 50; ++seed) {
        Floor floor;
        MakeOpenFloor(floor, 7, 15);
        for (int32_t x = 1; x < kFloorWidth - 1; ++x) {
            for (int32_t y = 1; y < kFloorHeight - 1; ++y) {
                floor.At(x, y).glyph = '^';
                floor.At(x, y).trapKind = 5;
            }
        }
        rng.RandomInit(static_cast<uint32_t>(seed));
        floor.StainFloorPatches(0);
        for (const Tile& tile : floor.tiles) {
            if (tile.colour != 4 && tile.colour != 12) continue;
            ++stained;
            EXPECT_NE(tile.glyph, '^');
            EXPECT_EQ(tile.trapKind, 5);  // the trap itself stays
        }

        Floor calm;
        MakeOpenFloor(calm, 7, 15);
        calm.feeling = kFeelingCalm;
        rng.RandomInit(static_cast<uint32_t>(seed));
        calm.StainFloorPatches(0);
        for (const Tile& tile : calm.tiles) EXPECT_TRUE(tile.colour == 7 || tile.colour == 15);
    }
    EXPECT_GT(stained, 100);
}

TEST_F(FloorFeatures, WeatherStainsRepaintWallsForTheMapDrawing) {
    Floor floor;
    MakeOpenFloor(floor, 7, 15);
    for (int32_t x = 2; x < kFloorWidth; x += 4) {
        for (int32_t y = 2; y < kFloorHeight; y += 2) floor.At(x, y).glyph = '#';  // pillars patches can reach
    }
    for (Tile& tile : floor.tiles) tile.mark = 1;
    for (int32_t seed = 1; seed <= 200; ++seed) {
        rng.RandomInit(static_cast<uint32_t>(seed));
        floor.StainFloorPatches(2);
    }
    int32_t icyWalls = 0;
    for (const Tile& tile : floor.tiles) {
        if (tile.glyph == '#' && tile.colour == 3) {
            ++icyWalls;
            EXPECT_EQ(tile.mark, 0);
        }
        EXPECT_TRUE(tile.glyph != '.' || tile.colour == 15 || tile.colour == 11);
    }
    EXPECT_GT(icyWalls, 0);
}

}  // namespace
