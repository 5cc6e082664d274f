#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "floors/floor_feelings.h"
#include "floors/floor_fixtures.h"
#include "support/screen_test.h"
#include "toolkit/message_log.h"

namespace {

class FloorFeelings : public ::testing::Test {
protected:
    void SetUp() override { ResetGameState(); }
    void TearDown() override { ResetGameState(); }
};

// Seeds the generator so that its next draws of these sizes give these values.
void SeedForDraws(const std::vector<std::pair<int32_t, int32_t>>& draws) {
    const uint32_t seed = FindSeed([&draws](RandomMother& probe) {
        for (const auto& [size, value] : draws) {
            if (probe.Random(size) != value) return false;
        }
        return true;
    });
    ASSERT_NE(seed, 0u);
    rng.RandomInit(seed);
}

TEST_F(FloorFeelings, ChoiceTableMapsEveryRollToItsFeeling) {
    struct Case {
        int32_t roll;
        int32_t pick;  // the second draw of rolls 15 and 16; -1 for none
        int32_t feeling;
    };
    const std::vector<Case> cases = {
        {0, -1, 1},   {1, -1, 2},   {2, -1, 3},   {3, -1, 4},   {4, -1, 5},   {5, -1, 6},   {6, -1, 9},
        {7, -1, 8},   {8, -1, 10},  {9, -1, 11},  {10, -1, 12}, {11, -1, 7},  {12, -1, 13}, {13, -1, 14},
        {14, -1, 15}, {15, 0, 2},   {15, 4, 6},   {15, 5, 12},  {16, 0, 2},   {16, 4, 6},   {16, 5, 16},
        {16, 6, 17},  {17, -1, 16}, {18, -1, 17},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("roll " + std::to_string(c.roll) + " pick " + std::to_string(c.pick));
        std::vector<std::pair<int32_t, int32_t>> draws = {{6, 0}, {19, c.roll}};
        if (c.pick >= 0) draws.emplace_back(c.roll == 15 ? 6 : 7, c.pick);
        SeedForDraws(draws);
        Floor& floor = floorArray[3];
        floor = Floor{};
        floor.ChooseFeeling(4);
        EXPECT_EQ(floor.feeling, c.feeling);
    }
}

TEST_F(FloorFeelings, FiveTimesInSixThereIsNone) {
    SeedForDraws({{6, 3}});
    floorArray[3].ChooseFeeling(4);
    EXPECT_EQ(floorArray[3].feeling, kFeelingNone);
}

TEST_F(FloorFeelings, WhiteFloorsDrawTheThreateningRollAgain) {
    SeedForDraws({{6, 0}, {19, 10}, {19, 10}, {19, 3}});
    floorArray[3].At(0, 0).colour = 15;
    floorArray[3].ChooseFeeling(4);
    EXPECT_EQ(floorArray[3].feeling, kFeelingDark);
}

TEST_F(FloorFeelings, StartingAndDemonFloorsHaveNoneAndDrawNothing) {
    struct Case {
        int32_t startMode;
        int32_t depth;
        bool none;
    };
    const Case cases[] = {{0, 1, true}, {1, 8, true}, {0, 7, true}, {0, 35, true}, {1, 1, false}, {0, 8, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.depth);
        player.startMode = c.startMode;
        SeedForDraws({{6, 0}, {19, 0}});
        floorArray[2].feeling = kFeelingDull;
        const uint32_t before = rng.x[0];
        floorArray[2].ChooseFeeling(c.depth);
        EXPECT_EQ(floorArray[2].feeling, c.none ? kFeelingNone : kFeelingStalactites);
        EXPECT_EQ(rng.x[0] == before, c.none);
    }
}

TEST_F(FloorFeelings, ArrivalTextsFollowFeelingLairAndWeather) {
    const std::string warm = "The air here is very tropical. Strangely there's still snow on the ground.";
    const std::string cold = "The walls radiate cold air on this floor. It's very chilling.";
    const std::string lair13 = "Tall and icy obsidian pillars rise to immense heights. You hear demonic snoring.";
    struct Case {
        int32_t floor;
        int32_t deepest;
        int32_t feeling;
        int32_t weather;
        bool finalDemonSlain;
        std::vector<std::string> texts;
    };
    const std::vector<Case> cases = {
        {3, 5, kFeelingNone, 0, false, {}},
        {3, 5, kFeelingWarm, 0, false, {warm, "Your body temperature starts increasing."}},
        {3, 5, kFeelingWarm, 0, true, {warm, "Your body temperature increases faster now."}},
        {3, 5, kFeelingCold, 0, false, {cold, "Your body temperature decreases faster now."}},
        {3, 5, kFeelingCold, 0, true, {cold, "Your body temperature starts decreasing."}},
        {3, 5, kFeelingDark, 1, false, {"The lighting is very bad here.", "It's snowing here."}},
        {3, 5, kFeelingNone, 2, false, {"It's raining freezing drizzle here."}},
        {13, 12, kFeelingNone, 0, false, {lair13}},
        {13, 13, kFeelingNone, 0, false, {}},
        {13, 20, kFeelingNone, 0, false, {}},
        {13, 12, kFeelingBright, 1, false, {"The walls emit odd light.", lair13, "It's snowing here."}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("floor " + std::to_string(c.floor) + " feeling " + std::to_string(c.feeling));
        player.currentFloor = c.floor;
        player.deepestFloor = c.deepest;
        player.demonSlainFlags[4] = c.finalDemonSlain ? 1 : 0;
        floorArray[c.floor].feeling = c.feeling;
        floorArray[c.floor].weather = c.weather;
        EXPECT_EQ(ArrivalTexts(), c.texts);
    }
}

TEST_F(FloorFeelings, EveryDemonLairHasItsOwnText) {
    player.deepestFloor = 5;
    std::vector<std::string> seen;
    for (int32_t f : {6, 13, 20, 27, 34}) {
        player.currentFloor = f;
        const std::vector<std::string> texts = ArrivalTexts();
        ASSERT_EQ(texts.size(), 1u);
        seen.push_back(texts[0]);
    }
    EXPECT_EQ(seen[4],
              "A demonic voice growls: \"Solve my maze mortal, and I shall rip your intestines out myself!\". You "
              "feel your heart pounding rapidly.");
    EXPECT_EQ(seen[0].rfind("The stench of rotting meat", 0), 0u);
}

class FeelingMessageScreen : public ScreenTest {};

TEST_F(FeelingMessageScreen, ArrivalIsToldWordByWordAndWaitsForSpace) {
    player.currentFloor = 3;
    floorArray[3].feeling = kFeelingDark;
    floorArray[3].weather = 1;
    Type("x");  // only the space bar goes on
    EXPECT_TRUE(RunUntilItWaitsForAKey([] { PrintFeelingMessage(); }));
    EXPECT_EQ(Row(19).substr(0, 62), "The lighting is very bad here. It's snowing here. Press space.") << Dump();
    EXPECT_EQ(MessageLog::StripColourCodes(messageLog.history[0]).substr(0, 62),
              "The lighting is very bad here. It's snowing here. Press space.");
}

TEST_F(FeelingMessageScreen, NothingToTellPrintsNothingAndDoesNotWait) {
    player.currentFloor = 3;
    EXPECT_FALSE(RunUntilItWaitsForAKey([] { PrintFeelingMessage(); }));
    EXPECT_EQ(messageLog.history[0], "");
    EXPECT_FALSE(messageLog.used[0]);
}

}  // namespace
