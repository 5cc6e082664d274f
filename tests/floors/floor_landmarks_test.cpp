#include <gtest/gtest.h>

#include <string>

#include "floors/floor_fixtures.h"

namespace {

class FloorLandmarks : public ::testing::Test {
protected:
    void SetUp() override { ResetGameState(); }
    void TearDown() override { ResetGameState(); }
};

constexpr int32_t kSeeds = 300;

// Puts an altar, smith or sage on a floor above, as earlier floors of the game would have.
void PutLandmarkAbove(char kind, int32_t floorNumber) {
    if (kind == 's') {
        AddSage(5, 5, floorNumber);
    } else {
        floorArray[floorNumber].At(5, 5).glyph = kind;
    }
}

// How many of kSeeds fresh open floors f get the landmark.
int32_t PlacedOverSeeds(char kind, int32_t f, bool forced) {
    int32_t placed = 0;
    for (int32_t seed = 1; seed <= kSeeds; ++seed) {
        MakeOpenFloor(floorArray[f]);
        const size_t sagesBefore = sages.size();
        const int32_t altarsBefore = altarCount;
        rng.RandomInit(static_cast<uint32_t>(seed));
        if (kind == '_') {
            placed += floorArray[f].PlaceAltar(f, forced) ? 1 : 0;
            altarCount = altarsBefore;
        } else if (kind == 's') {
            placed += floorArray[f].PlaceSage(f, forced) ? 1 : 0;
            sages.resize(sagesBefore);
        } else {
            floorArray[f].PlaceDeepSmith(f);
            placed += CountGlyph(floorArray[f], '@') > 0 ? 1 : 0;
        }
    }
    return placed;
}

TEST_F(FloorLandmarks, OddsRiseWithTheDistanceFromTheLastOfTheirKind) {
    struct Case {
        char kind;
        int32_t distance;  // floors between the last one and floor 20
        bool forced;
        int32_t atLeast;
        int32_t atMost;
    };
    // 1 in 6 by itself; 2, 4, 6, 8 in 10 sure at distances 10 to 13; always from 14 or when forced.
    const Case cases[] = {
        {'_', 5, false, 25, 80},      {'_', 10, false, 70, 135},  {'_', 13, false, 220, 280},
        {'_', 14, false, kSeeds, kSeeds}, {'_', 5, true, kSeeds, kSeeds}, {'s', 5, false, 25, 80},
        {'s', 12, false, 170, 230},   {'s', 14, false, kSeeds, kSeeds}, {'s', 5, true, kSeeds, kSeeds},
        {'@', 14, false, kSeeds, kSeeds}, {'@', 5, false, 30, 90},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(1, c.kind) + " at distance " + std::to_string(c.distance));
        ResetGameState();
        PutLandmarkAbove(c.kind, 20 - c.distance);
        const int32_t placed = PlacedOverSeeds(c.kind, 20, c.forced);
        EXPECT_GE(placed, c.atLeast);
        EXPECT_LE(placed, c.atMost);
    }
}

TEST_F(FloorLandmarks, TheFirstAltarOrSageOfAGameIsSureOnTheLastFloorOfTheFirstBlock) {
    EXPECT_EQ(PlacedOverSeeds('_', 5, false), kSeeds);
    EXPECT_EQ(PlacedOverSeeds('s', 5, false), kSeeds);
    ++altarCount;  // once there is one, floor 5 takes its chances
    EXPECT_LT(PlacedOverSeeds('s', 5, false), 100);

    ResetGameState();
    player.startMode = 1;  // after the shortcut the first block is the second one
    EXPECT_LT(PlacedOverSeeds('_', 5, false), 100);
    EXPECT_EQ(PlacedOverSeeds('_', 12, false), kSeeds);
}

TEST_F(FloorLandmarks, AfterTheShortcutTheFloorsAboveSevenDoNotCount) {
    player.startMode = 1;
    PutLandmarkAbove('_', 3);  // not looked at: the last altar counts as floor 0, 14 floors above
    EXPECT_EQ(PlacedOverSeeds('_', 14, false), kSeeds);
    PutLandmarkAbove('s', 3);  // the last sage counts as floor 7 at least
    EXPECT_LT(PlacedOverSeeds('s', 14, false), 100);
}

TEST_F(FloorLandmarks, LandmarksAreWrittenIntoTheirTiles) {
    MakeOpenFloor(floorArray[20]);
    ASSERT_TRUE(floorArray[20].PlaceAltar(20, true));
    EXPECT_EQ(CountGlyph(floorArray[20], '_'), 1);
    EXPECT_EQ(altarCount, 1);

    ASSERT_TRUE(floorArray[20].PlaceSage(20, true));
    ASSERT_EQ(sages.size(), 1u);
    const cSage& sage = sages[0];
    EXPECT_EQ(sage.floor, 20);
    EXPECT_EQ(sage.priceLevel, 400);
    EXPECT_EQ(sage.seen, 0);
    EXPECT_EQ(floorArray[20].At(sage.x, sage.y).glyph, '.');
    EXPECT_EQ(floorArray[20].At(sage.x, sage.y).monsterPresent, 1);

    EXPECT_FALSE(floorArray[3].PlaceSage(3, true));  // a floor of wall has no spot
    EXPECT_EQ(sages.size(), 1u);
    EXPECT_FALSE(floorArray[3].PlaceAltar(3, true));
    EXPECT_EQ(altarCount, 1);
}

TEST_F(FloorLandmarks, AltarsAvoidSagesAndSagesAvoidMonsters) {
    // A floor with one open spot taken by a sage, and one taken by a monster.
    FillFloor(floorArray[20], '#');
    OpenArea(floorArray[20], 10, 5, 12, 7);
    OpenArea(floorArray[20], 30, 5, 32, 7);
    PutLandmarkAbove('s', 20);
    sages[0].x = 11;
    sages[0].y = 6;
    AddMonster(31, 6, 20);
    for (int32_t seed = 1; seed <= 20; ++seed) {
        rng.RandomInit(static_cast<uint32_t>(seed));
        EXPECT_TRUE(floorArray[20].PlaceAltar(20, true));
        EXPECT_EQ(floorArray[20].At(31, 6).glyph, '_');
        floorArray[20].At(31, 6).glyph = '.';
        EXPECT_TRUE(floorArray[20].PlaceSage(20, true));
        EXPECT_EQ(sages.back().x, 11);
        sages.pop_back();
    }
}

}  // namespace
