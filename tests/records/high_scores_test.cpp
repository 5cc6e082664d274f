// The high-score table: the final score, where a result goes, the score file
// and the Hall of Fame screen.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "records/high_scores.h"
#include "shell/command_line.h"
#include "support/game_state.h"
#include "support/hand_made_world.h"
#include "support/screen_test.h"
#include "support/working_directory.h"
#include "toolkit/field_codec.h"
#include "toolkit/platform.h"
#include "world/item_kind.h"
#include "world/player.h"

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
    for (const auto& entry : std::filesystem::directory_iterator(".")) {
        EXPECT_NE(entry.path().extension(), ".tmp") << entry.path();  // no temporary file is left behind
    }
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

// One bad entry costs only itself: the results that pass the checks are read,
// and the next game's end keeps them, with the damaged file put aside unread.
TEST_F(HighScores, ADamagedScoreFileKeepsItsSoundResults) {
    FillTable();
    ASSERT_TRUE(highScores.SaveHighScores());
    std::string good;
    ASSERT_TRUE(PlatformReadFile("scores.hmd", 5000, good));
    struct Damage {
        const char* what;
        std::string bytes;
        const char* read;   // what is left of the file
        const char* after;  // and with Ann's 21 points inserted
    };
    std::string noEnd = good;
    std::memset(&noEnd[98], 'n', 15);
    std::string usedTwice = good;
    usedTwice[4 * 116 + 113] = 2;
    const Damage cases[] = {
        {"the first name without its end", noEnd, "rank2 rank3 rank4 rank5 rank6 rank7 rank8 rank9 - ",
         "rank2 rank3 rank4 rank5 rank6 rank7 Ann rank8 rank9 "},
        {"a used flag of 2", usedTwice, "rank1 rank2 rank3 rank4 rank6 rank7 rank8 rank9 - ",
         "rank1 rank2 rank3 rank4 rank6 rank7 Ann rank8 rank9 "},
        {"short", good.substr(0, 1043), "rank1 rank2 rank3 rank4 rank5 rank6 rank7 rank8 - ",
         "rank1 rank2 rank3 rank4 rank5 rank6 rank7 Ann rank8 "},
        {"long", good + "x", "rank1 rank2 rank3 rank4 rank5 rank6 rank7 rank8 rank9 ",
         "rank1 rank2 rank3 rank4 rank5 rank6 rank7 Ann rank8 "},
        {"empty", "", "- - - - - - - - - ", "Ann - - - - - - - - "},
    };
    for (const Damage& damage : cases) {
        SCOPED_TRACE(damage.what);
        std::ofstream("scores.hmd", std::ios::binary | std::ios::trunc) << damage.bytes;
        highScores = HighScoreTable();
        highScores.LoadHighScores();
        EXPECT_EQ(Names(), damage.read);

        const ScoreOutcome outcome = highScores.RecordAndSaveHighScore("z");
        EXPECT_TRUE(outcome.entered);
        EXPECT_TRUE(outcome.saved);
        EXPECT_EQ(Names(), damage.after);
        std::string aside;
        ASSERT_TRUE(PlatformReadFile("scores.hmd.damaged", 5000, aside));
        EXPECT_EQ(aside, damage.bytes);
        highScores = HighScoreTable();
        highScores.LoadHighScores();
        EXPECT_EQ(Names(), damage.after);
        std::filesystem::remove("scores.hmd.damaged");
    }
}

// Something at the score file's name that is no file is neither read nor
// written over: the result is shown, but not kept.
TEST_F(HighScores, AScoreFileThatCannotBeReadIsLeftAlone) {
    std::filesystem::create_directory("scores.hmd");
    FillTable();
    const ScoreOutcome outcome = highScores.RecordAndSaveHighScore("z");
    EXPECT_TRUE(outcome.entered);
    EXPECT_FALSE(outcome.saved);
    EXPECT_EQ(Names(), "rank1 rank2 rank3 rank4 rank5 rank6 rank7 Ann rank8 ");
    EXPECT_TRUE(std::filesystem::is_directory("scores.hmd"));
    EXPECT_FALSE(std::filesystem::exists("scores.hmd.damaged"));
}

// The table read at start-up is old by the time the game ends: a result that
// another game in the same folder wrote meanwhile is kept.
TEST_F(HighScores, AResultAnotherGameWroteMeanwhileIsKept) {
    FillTable();
    for (int32_t i = 3; i < kScoreEntryCount; ++i) highScores.entries[i] = ScoreEntry();
    ASSERT_TRUE(highScores.SaveHighScores());
    highScores.LoadHighScores();

    HighScoreTable other = highScores;
    other.entries[3].score = 50;
    other.entries[3].used = 1;
    std::strcpy(other.entries[3].name, "Bob");
    ASSERT_TRUE(other.SaveHighScores());

    EXPECT_TRUE(highScores.RecordAndSaveHighScore("z").saved);
    highScores = HighScoreTable();
    highScores.LoadHighScores();
    EXPECT_EQ(Names(), "rank1 rank2 rank3 Bob Ann - - - - ");
}

// True when the process waits for a file lock, as the kernel lists it.
bool WaitsForAFileLock(pid_t process) {
    std::ifstream locks("/proc/locks");
    for (std::string line; std::getline(locks, line);) {
        std::istringstream fields(line);
        std::string number, arrow, kind, advisory, mode;
        pid_t holder = 0;
        if (fields >> number >> arrow >> kind >> advisory >> mode >> holder && arrow == "->" && holder == process) {
            return true;
        }
    }
    return false;
}

// Two games that end at once in one folder, as two programs: the second waits
// while the first has the score file, then reads it again, so that the file
// keeps both results.
TEST(HighScoreFile, GamesEndingAtOnceTakeTurnsAndKeepBothResults) {
    if (!std::filesystem::exists("/proc/locks")) GTEST_SKIP() << "the kernel does not list its file locks";
    ScopedWorkingDirectory directory;
    player.level = 5;
    int go[2];
    ASSERT_EQ(pipe(go), 0);
    const pid_t second = fork();
    ASSERT_GE(second, 0);
    if (second == 0) {
        char byte = 0;
        if (read(go[0], &byte, 1) != 1) _exit(2);
        std::strcpy(player.name, "Second");
        _exit(highScores.RecordAndSaveHighScore("HE froze.").saved ? 0 : 3);
    }
    int status = 0;
    bool ended = false;
    bool waited = false;
    {
        // The first game has the file, in the middle of writing its result.
        const PlatformFileLock lock("scores.hmd.lock");
        ASSERT_TRUE(lock.Held());
        ASSERT_EQ(write(go[1], "g", 1), 1);
        for (int32_t look = 0; look < 20000 && !waited && !ended; ++look) {
            waited = WaitsForAFileLock(second);
            ended = !waited && waitpid(second, &status, WNOHANG) == second;
            if (!waited && !ended) usleep(1000);
        }
        std::strcpy(player.name, "First");
        player.level = 9;
        EXPECT_TRUE(highScores.RecordHighScore("HE fell."));
        EXPECT_TRUE(highScores.SaveHighScores());
    }
    if (!ended) {
        ASSERT_EQ(waitpid(second, &status, 0), second);
    }
    EXPECT_TRUE(waited) << "the second game did not wait for the first";
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    highScores = HighScoreTable();
    highScores.LoadHighScores();
    EXPECT_STREQ(highScores.entries[0].name, "First");
    EXPECT_STREQ(highScores.entries[1].name, "Second");
    EXPECT_EQ(highScores.entries[2].used, 0);
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
