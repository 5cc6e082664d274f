// The high-score table: the final score, where a result goes, the score file
// and the Hall of Fame screen.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>

#include "items/item_kind.h"
#include "player/player.h"
#include "records/field_codec.h"
#include "records/high_scores.h"
#include "shell/command_line.h"
#include "shell/platform.h"
#include "support/game_state.h"
#include "support/hand_made_world.h"
#include "support/screen_test.h"
#include "support/working_directory.h"

namespace {

constexpr int32_t kFood = 3;

class HighScores : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        itemKinds[kFood].type = kItemFood;
        std::strcpy(player.name, "Ann");
        player.kills = 250;
        player.level = 7;
        player.deepestFloor = 12;
        player.currentFloor = 11;
    }

    // A table of nine results scoring 90, 80, ... 10, named after their rank.
    static void FillTable() {
        for (int32_t i = 0; i < kScoreEntryCount; ++i) {
            ScoreEntry& entry = highScores.entries[i];
            entry.score = 90 - 10 * i;
            entry.used = 1;
            std::snprintf(entry.name, sizeof entry.name, "rank%d", i + 1);
        }
    }

    // The best result: a character crushed on floor 13.
    static ScoreEntry& DescribeFirst(int32_t level, const char* race, const char* training) {
        ScoreEntry& first = highScores.entries[0];
        first.level = level;
        first.floor = 13;
        std::strcpy(first.race, race);
        std::strcpy(first.training, training);
        std::strcpy(first.endText, "He was crushed by an avalanche.");
        return first;
    }

    static std::string Names() {
        std::string names;
        for (const ScoreEntry& entry : highScores.entries) names += std::string(entry.used ? entry.name : "-") + " ";
        return names;
    }

    ScopedWorkingDirectory directory;
};

TEST_F(HighScores, TheFinalScoreCountsKillsLevelDepthAndDemons) {
    EXPECT_EQ(ComputeFinalScore(6), 2 + 7 + 12);

    // Back on the surface with every demon slain and two food entries (one a stack).
    player.currentFloor = -1;
    for (uint8_t& flag : player.demonSlainFlags) flag = 1;
    Carry(kFood);
    Carry(kFood);
    player.inventory.back().quantity = 5;
    Carry(kFood + 1);
    EXPECT_EQ(ComputeFinalScore(6), 2 + 7 + 12 + 10 + 2 + 30 + 36);
    // The post-mortem counts the five demons only.
    EXPECT_EQ(ComputeFinalScore(5), 2 + 7 + 12 + 10 + 2 + 25 + 36);
}

TEST_F(HighScores, AResultGoesBelowTheFirstLowerScore) {
    struct Case {
        const char* what;
        int32_t kills;  // kills / 100 + 7 + 12 makes the score
        bool entered;
        const char* names;
    };
    const Case cases[] = {
        {"at the top", 7600, true, "Ann rank1 rank2 rank3 rank4 rank5 rank6 rank7 rank8 "},
        {"in the middle", 3600, true, "rank1 rank2 rank3 rank4 Ann rank5 rank6 rank7 rank8 "},
        {"a tie goes below", 3100, true, "rank1 rank2 rank3 rank4 rank5 Ann rank6 rank7 rank8 "},
        {"at the bottom", 0, true, "rank1 rank2 rank3 rank4 rank5 rank6 rank7 rank8 Ann "},
        {"below a tie with the last", -900, false, "rank1 rank2 rank3 rank4 rank5 rank6 rank7 rank8 rank9 "},
    };
    for (const Case& c : cases) {
        highScores = HighScoreTable();
        FillTable();
        player.kills = c.kills;
        EXPECT_EQ(highScores.RecordHighScore("HE froze."), c.entered) << c.what;
        EXPECT_EQ(Names(), c.names) << c.what;
    }

    // An empty table takes any result first, even one of 0.
    highScores = HighScoreTable();
    player.kills = 0;
    player.level = 0;
    player.deepestFloor = 0;
    EXPECT_TRUE(highScores.RecordHighScore("x"));
    EXPECT_EQ(highScores.entries[0].score, 0);
    EXPECT_EQ(Names(), "Ann - - - - - - - - ");
}

TEST_F(HighScores, TheEntryTellsWhoEndedWhereAndHow) {
    std::strcpy(player.pronoun, "She");
    player.race = kRaceElven;
    player.training = kTrainingArcher;
    player.demonSlainFlags[4] = 1;
    ASSERT_TRUE(highScores.RecordHighScore(std::string(80, 'x')));
    const ScoreEntry& entry = highScores.entries[0];
    EXPECT_EQ(entry.level, 7);
    EXPECT_EQ(entry.floor, 12);
    EXPECT_STREQ(entry.race, "elven");
    EXPECT_STREQ(entry.training, "archer");
    EXPECT_STREQ(entry.name, "Ann");
    // Died in the dungeon after the final demon; cut to fit its field.
    EXPECT_EQ(std::string(entry.endText), "She saved Vavori, but... " + std::string(44, 'x'));

    player.race = 9;
    player.training = 0;
    ASSERT_TRUE(highScores.RecordHighScore("y"));
    EXPECT_STREQ(highScores.entries[1].race, " ");
    EXPECT_STREQ(highScores.entries[1].training, " ");
    EXPECT_STREQ(ScoreEntry().endText, " ");
}

TEST_F(HighScores, TheScoreFileHoldsNineRawEntries) {
    FillTable();
    DescribeFirst(4, "dwarven", "ranger");
    highScores.entries[8].used = 0;
    highScores.SaveHighScores();
    std::string bytes;
    ASSERT_TRUE(PlatformReadFile("scores.hmd", 5000, bytes));
    ASSERT_EQ(bytes.size(), 1044u);
    EXPECT_EQ(bytes[0], 90);
    EXPECT_EQ(bytes[4], 4);
    EXPECT_EQ(bytes[8], 13);
    EXPECT_STREQ(&bytes[12], "dwarven");
    EXPECT_STREQ(&bytes[20], "ranger");
    EXPECT_STREQ(&bytes[28], "He was crushed by an avalanche.");
    EXPECT_STREQ(&bytes[98], "rank1");
    EXPECT_EQ(bytes[113], 1);
    EXPECT_EQ(bytes[116], 80);
    EXPECT_EQ(bytes[8 * 116 + 113], 0);

    highScores = HighScoreTable();
    highScores.LoadHighScores();
    EXPECT_EQ(Names(), "rank1 rank2 rank3 rank4 rank5 rank6 rank7 rank8 - ");
    EXPECT_STREQ(highScores.entries[0].endText, "He was crushed by an avalanche.");
    EXPECT_FALSE(std::filesystem::exists("scores.hmd.tmp"));
}

// A write that fails at any step up to the rename leaves the older file whole.
TEST_F(HighScores, AFailedWriteSaysSoAndKeepsTheOlderFile) {
    FillTable();
    ASSERT_TRUE(highScores.SaveHighScores());
    std::string before;
    ASSERT_TRUE(PlatformReadFile("scores.hmd", 5000, before));
    highScores.entries[0].score = 95;
    for (int step = 1; step <= 5; ++step) {
        PlatformFailFileStep(step);
        EXPECT_FALSE(highScores.SaveHighScores()) << "step " << step;
        std::string after;
        ASSERT_TRUE(PlatformReadFile("scores.hmd", 5000, after));
        EXPECT_EQ(after, before) << "step " << step;
    }
    PlatformFailFileStep(0);
}

// A damaged score file is no table: the one in memory stays as it is.
TEST_F(HighScores, ADamagedScoreFileIsNotRead) {
    FillTable();
    highScores.SaveHighScores();
    std::string good;
    ASSERT_TRUE(PlatformReadFile("scores.hmd", 5000, good));
    struct Damage {
        const char* what;
        std::string bytes;
    };
    std::string noEnd = good;
    std::memset(&noEnd[98], 'n', 15);
    std::string usedTwice = good;
    usedTwice[113] = 2;
    const Damage cases[] = {
        {"short", good.substr(0, 1043)}, {"long", good + "x"}, {"empty", ""},
        {"a name without its end", noEnd}, {"a used flag of 2", usedTwice},
    };
    for (const Damage& damage : cases) {
        std::ofstream("scores.hmd", std::ios::binary | std::ios::trunc) << damage.bytes;
        highScores = HighScoreTable();
        highScores.LoadHighScores();
        EXPECT_EQ(Names(), "- - - - - - - - - ") << damage.what;
        // The next result makes a sound file again.
        EXPECT_TRUE(highScores.RecordHighScore("z")) << damage.what;
        highScores.SaveHighScores();
        highScores = HighScoreTable();
        highScores.LoadHighScores();
        EXPECT_EQ(Names(), "Ann - - - - - - - - ") << damage.what;
    }
}

TEST_F(HighScores, TheHallOfFameShowsEachResultOnTwoRows) {
    FillTable();
    std::strcpy(DescribeFirst(7, "human", "warrior").name, "Ann");
    highScores.entries[1].floor = 0;
    std::strcpy(highScores.entries[1].race, "elven");
    std::strcpy(highScores.entries[1].training, "archer");
    highScores.entries[1].level = 30;
    highScores.entries[2].floor = 1;
    highScores.entries[3].used = 0;
    ASSERT_TRUE(RunUntilItWaitsForAKey([] { highScores.ShowHallOfFame(); }));
    EXPECT_EQ(TextAt(0, 34, 12), "Hall of Fame");
    EXPECT_EQ(ColourAt(0, 34), kCyan);
    EXPECT_EQ(TextAt(24, 30, 19), "Press a key to exit");
    EXPECT_EQ(TextAt(3, 0, 2), "1.");
    EXPECT_EQ(ColourAt(3, 0), kWhite);
    EXPECT_EQ(Row(3), "1. Ann the L7 human warrior died on floor 13, scoring 90 points." + std::string(16, ' '));
    EXPECT_EQ(ColourAt(3, 3), kLightCyan);
    EXPECT_EQ(TextAt(4, 3, 31), "He was crushed by an avalanche.");
    EXPECT_EQ(TextAt(5, 0, 68), "2. rank2 the L30 elven archer overcame the frost, scoring 80 points!");
    EXPECT_EQ(TextAt(7, 0, 55), "3. rank3 the L0     died on floor 1, scoring 70 points.");
    EXPECT_EQ(Row(9), std::string(80, ' '));  // the list ends at the first free entry

    // The title menu gets its screen back after the key.
    Type("k");
    highScores.ShowHallOfFame();
    EXPECT_EQ(TextAt(12, 17, 25), "(1) Start a new adventure");
}

TEST_F(HighScores, AnEmptyHallOfFameSaysSo) {
    Type("k");
    highScores.ShowHallOfFame();
    EXPECT_EQ(TextAt(16, 17, 8), "(5) Quit");
    ASSERT_TRUE(RunUntilItWaitsForAKey([] { highScores.ShowHallOfFame(); }));
    EXPECT_EQ(TextAt(10, 20, 42), "No high scores yet. Press a key to return.");
    EXPECT_EQ(ColourAt(10, 20), kRed);

    // After a death the title stays away; with "-scores" the program ends.
    player.hp = 0;
    Type("k");
    highScores.ShowHallOfFame();
    EXPECT_EQ(Row(16), std::string(80, ' '));
    programArgs = {"-scores"};
    EXPECT_EXIT(
        {
            Type("k");
            highScores.ShowHallOfFame();
        },
        ::testing::ExitedWithCode(1), "");
}

}  // namespace
