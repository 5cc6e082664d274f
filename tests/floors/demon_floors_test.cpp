#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "floors/demon_floors.h"
#include "floors/floor_fixtures.h"

namespace {

class DemonFloors : public ::testing::Test {
protected:
    void SetUp() override { ResetGameState(); }
    void TearDown() override { ResetGameState(); }

    // Seeds the generator so that BuildSpecialFloor picks this variant.
    static void SeedForVariant(int32_t variant) {
        const uint32_t seed = FindSeed([variant](RandomMother& probe) { return probe.Random(2) == variant; });
        rng.RandomInit(seed);
    }
};

// A 32-bit FNV-1a hash of a map's 19 rows, to pin every cell of the maps.
uint32_t MapHash(int32_t floorNumber, int32_t variant) {
    uint32_t hash = 2166136261u;
    for (int32_t y = 0; y < kFloorHeight; ++y) {
        for (const char* c = DemonFloorMapRow(floorNumber, variant, y); *c != '\0'; ++c) {
            hash ^= static_cast<uint8_t>(*c);
            hash *= 16777619u;
        }
    }
    return hash;
}

struct MapFacts {
    int32_t floorNumber;
    int32_t variant;
    uint32_t hash;
    XY demon;
    XY up;
    XY down;  // (-1, -1): none
    std::vector<XY> mirrors;
    std::vector<XY> spirits;
    int32_t spikePits;
    const char* demonName;
};

const std::vector<MapFacts> kMaps = {
    {6, 0, 0x3988b361u, {72, 17}, {1, 1}, {78, 17}, {}, {}, 1, "Vir've"},
    {6, 1, 0x324c40e8u, {1, 7}, {78, 17}, {1, 1}, {}, {}, 1, "Vir've"},
    {13, 0, 0x284b7757u, {38, 11}, {77, 2}, {2, 17}, {{2, 2}, {77, 17}}, {}, 0, "Ikuazz"},
    {13, 1, 0xfa788c08u, {39, 9}, {1, 17}, {77, 1}, {{1, 1}, {77, 17}}, {}, 0, "Ikuazz"},
    {20, 0, 0x756d5f98u, {6, 9}, {75, 9}, {3, 9}, {{39, 1}, {39, 17}}, {{29, 9}, {49, 9}}, 15, "Omuerp"},
    {20, 1, 0x2604b1afu, {75, 9}, {1, 9}, {78, 9}, {{37, 17}, {42, 17}}, {{37, 1}, {42, 1}}, 14, "Omuerp"},
    {27, 0, 0xeaf41c4fu, {40, 9}, {78, 1}, {1, 17}, {{1, 1}, {78, 17}}, {}, 13, "Nonehes"},
    {27, 1, 0xe1110037u, {40, 9}, {1, 17}, {78, 1}, {{7, 5}, {72, 13}}, {}, 10, "Nonehes"},
    {34, 0, 0x7bae091bu, {78, 9}, {10, 9}, {-1, -1}, {}, {}, 16, "Uramesiel"},
    {34, 1, 0xff90dae7u, {12, 3}, {69, 12}, {-1, -1}, {}, {}, 17, "Uramesiel"},
};

bool InRedRegion(int32_t floorNumber, int32_t variant, int32_t x, int32_t y) {
    if (floorNumber == 6) return variant == 0 ? y == 17 : x == 1;
    if (floorNumber == 34) return variant == 0 ? x >= 69 && x <= 78 : x >= 4 && x <= 20 && y >= 3 && y <= 12;
    return false;
}

TEST_F(DemonFloors, EveryMapIsBuiltCellForCellWithItsLegend) {
    for (const MapFacts& facts : kMaps) {
        SCOPED_TRACE("floor " + std::to_string(facts.floorNumber) + " variant " + std::to_string(facts.variant));
        ResetGameState();
        EXPECT_EQ(MapHash(facts.floorNumber, facts.variant), facts.hash);
        SeedForVariant(facts.variant);
        BuildSpecialFloor(facts.floorNumber);
        const Floor& floor = floorArray[facts.floorNumber];

        int32_t spikePits = 0;
        for (int32_t x = 0; x < kFloorWidth; ++x) {
            for (int32_t y = 0; y < kFloorHeight; ++y) {
                const char cell = DemonFloorMapRow(facts.floorNumber, facts.variant, y)[x];
                const Tile& tile = floor.At(x, y);
                const bool red = InRedRegion(facts.floorNumber, facts.variant, x, y) && tile.glyph == '.';
                switch (cell) {
                case '#':
                    EXPECT_EQ(tile.glyph, '#');
                    EXPECT_EQ(tile.colour, 3);
                    break;
                case 'P':
                    EXPECT_EQ(tile.glyph, '+');
                    EXPECT_EQ(tile.colour, 9);
                    EXPECT_EQ(tile.featureState, 1);
                    break;
                case '-':
                    EXPECT_EQ(tile.glyph, '-');
                    EXPECT_EQ(tile.colour, 7);
                    EXPECT_EQ(tile.featureState, 1);
                    break;
                case '^':
                case '&':
                    EXPECT_EQ(tile.glyph, '.');
                    break;
                default:
                    EXPECT_EQ(tile.glyph, cell) << x << "," << y;
                    if (!red) {
                        EXPECT_EQ(tile.colour, 11) << x << "," << y;
                    }
                }
                if (red) {
                    EXPECT_TRUE(tile.colour == 4 || tile.colour == 12) << x << "," << y;
                } else if (tile.glyph == '.') {
                    EXPECT_EQ(tile.colour, 11) << x << "," << y;
                }
                EXPECT_EQ(tile.trapKind, cell == '^' ? 14 : 0);
                spikePits += cell == '^' ? 1 : 0;
            }
        }
        // The map's landmarks where its description puts them.
        EXPECT_EQ(spikePits, facts.spikePits);
        EXPECT_EQ(floor.At(facts.up.x, facts.up.y).glyph, '<');
        EXPECT_EQ(CountGlyph(floor, '<'), 1);
        EXPECT_EQ(CountGlyph(floor, '>'), facts.down.x < 0 ? 0 : 1);
        if (facts.down.x >= 0) {
            EXPECT_EQ(floor.At(facts.down.x, facts.down.y).glyph, '>');
        }
        EXPECT_EQ(CountGlyph(floor, '+'), static_cast<int32_t>(facts.mirrors.size()));
        for (XY mirror : facts.mirrors) EXPECT_EQ(floor.At(mirror.x, mirror.y).glyph, '+');
        EXPECT_EQ(CountGlyph(floor, '-'), static_cast<int32_t>(facts.spirits.size()));
        for (XY spirit : facts.spirits) EXPECT_EQ(floor.At(spirit.x, spirit.y).glyph, '-');

        // The floor's own demon, alone, on its tile; the floor keeps layout type 0 and a cyan corner wall.
        ASSERT_NE(monsterListHead, nullptr);
        EXPECT_EQ(monsterListHead->next, nullptr);
        EXPECT_STREQ(monsterListHead->name, facts.demonName);
        EXPECT_EQ(monsterListHead->floor, facts.floorNumber);
        EXPECT_EQ(monsterListHead->x, facts.demon.x);
        EXPECT_EQ(monsterListHead->y, facts.demon.y);
        EXPECT_EQ(floor.layoutType, 0);
        EXPECT_EQ(floor.At(0, 0).colour, 3);
    }
}

TEST_F(DemonFloors, OtherFloorsAreLeftAloneAndDrawNothing) {
    for (int32_t f : {-1, 0, 5, 7, 12, 33, 35}) {
        const RandomMother before = rng;
        BuildSpecialFloor(f);
        EXPECT_EQ(rng.x[0], before.x[0]);
        if (f >= 0 && f < kFloorCount) {
            EXPECT_EQ(CountGlyph(floorArray[f], '#'), kFloorWidth * kFloorHeight);
        }
    }
    EXPECT_EQ(monsterListHead, nullptr);
}

TEST_F(DemonFloors, AShortRowEndsInWall) {
    floorArray[6].ParseFixedMapRow("#..^", 4, 6);
    EXPECT_EQ(floorArray[6].At(1, 4).glyph, '.');
    EXPECT_EQ(floorArray[6].At(3, 4).trapKind, 14);
    EXPECT_EQ(floorArray[6].At(4, 4).glyph, '#');
    EXPECT_EQ(floorArray[6].At(79, 4).colour, 3);
}

}  // namespace
