// The deaths of the unique demons and the end of a won game.
#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <filesystem>

#include "game/game.h"
#include "records/endings.h"
#include "records/endings_screen.h"
#include "records/high_scores.h"
#include "shell/command_line.h"
#include "support/game_state.h"
#include "support/hand_made_world.h"
#include "support/screen_test.h"
#include "support/working_directory.h"
#include "toolkit/platform.h"
#include "toolkit/terminal.h"
#include "world/item_kind.h"
#include "world/player.h"

namespace {

constexpr const char* kSlain = "You slay the vile demon and its corpse splatters into pieces with a moaning howl.";
constexpr const char* kWayDown = "You feel a surge of power nearby! The demon's magic no longer blocks the way down.";
constexpr const char* kHeat = "Now that you have cancelled the frost spell, the temperature rises back to normal.";
constexpr const char* kBlood = "Your clothes get wet from the blood.";
constexpr int32_t kShirt = 8;

class Endings : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        itemKinds[kShirt].type = kItemCloth;
        itemKinds[kShirt].subtype = kSubtypeChest;
        Wear(kSlotClothShirt, kShirt);
        Type(std::string(20, ' '));
    }

    static bool Said(const char* text) { return Messages().find(text) != std::string::npos; }
};

TEST_F(Endings, TheFirstFourDemonsOpenTheWayAndTheLastOneBringsTheHeat) {
    // A seed whose first draw spares the clothes.
    rng.RandomInit(FindSeed([](RandomMother& g) { return g.Random(10) != 0; }));
    for (int32_t n = 1; n <= 5; ++n) {
        SCOPED_TRACE(n);
        messageLog = MessageLog();
        AnnounceDemonSlain(n);
        EXPECT_TRUE(Said(kSlain));
        EXPECT_EQ(Said(kWayDown), n < 5);
        EXPECT_EQ(Said(kHeat), n == 5);
    }
    EXPECT_TRUE(Said("You're going to get deep fried if you can't escape quickly!"));
}

// One time in ten the blood wets the clothes, when there are clothes to wet.
TEST_F(Endings, TheBloodWetsTheClothesOneTimeInTen) {
    const uint32_t bloody = FindSeed([](RandomMother& g) { return g.Random(10) == 0; });
    const uint32_t clean = FindSeed([](RandomMother& g) { return g.Random(10) == 1; });
    rng.RandomInit(clean);
    AnnounceDemonSlain(2);
    EXPECT_FALSE(Said(kBlood));
    EXPECT_EQ(player.inventory[0].prefix, -1);

    rng.RandomInit(bloody);
    AnnounceDemonSlain(2);
    EXPECT_TRUE(Said(kBlood));
    EXPECT_GE(player.inventory[0].prefix, 250 - 1);

    messageLog = MessageLog();
    player.equipSlots[kSlotClothShirt] = -1;
    rng.RandomInit(bloody);
    AnnounceDemonSlain(2);
    EXPECT_FALSE(Said(kBlood));
}

TEST_F(Endings, TheEndingScreenTellsOneOfTwoStories) {
    DrawEndingScreen(true);
    EXPECT_EQ(TextAt(0, 35, 7), "The End");
    EXPECT_EQ(ColourAt(0, 35), kCyan);
    EXPECT_EQ(Row(2), "The surface people have already noticed the change of weather before you arrive.");
    EXPECT_EQ(ColourAt(2, 0), kLightCyan);
    EXPECT_EQ(TextAt(11, 0, 72), "the party people stop telling you \"Well done, mate!\", but everyone still");
    EXPECT_EQ(TextAt(21, 0, 66), "Congratulations, you made it! I hope you enjoyed playing the game.");
    EXPECT_EQ(TextAt(24, 19, 39), "To exit, wait 10 seconds and press '5'.");

    DrawEndingScreen(false);
    EXPECT_EQ(TextAt(2, 0, 78), "The surface people have already noticed a change of weather before you arrive.");
    EXPECT_EQ(TextAt(22, 0, 76), "I hope you enjoyed the adventure. Do message me and tell me all about it! :)");
    EXPECT_EQ(Row(14), std::string(80, ' '));
}

// Lines that the place's name made wider than the screen hand their last words
// on to the row below instead of losing them at the edge.
TEST_F(Endings, NoLineOfAnEndingIsCut) {
    for (const bool best : {true, false}) {
        int32_t previousRow = 1;
        for (const EndingLine& line : EndingLines(best)) {
            EXPECT_LE(line.text.size(), 80u) << line.text;
            EXPECT_GT(line.row, previousRow) << line.text;
            EXPECT_LE(line.row, 23) << line.text;
            previousRow = line.row;
        }
    }
    struct Wrapped {
        bool best;
        int32_t row;
        const char* text;
    };
    const Wrapped wrapped[] = {
        {true, 12, "remembers your noble deeds and thinks of you as the saviour and hero of the"},
        {true, 13, "time."},
        {true, 14, "After many years, bards sing about you and you tell stories of your little trip"},
        {false, 7, "abruptly stopped by a strong gust of cold air, coming from the Hollowmere. The"},
        {false, 8, "wise men are set to investigate what this could mean, the demon was killed after"},
        {false, 9, "all!"},
        {false, 11, "Uramesiel wasn't destroyed deep enough in the Hollowmere to properly seal him"},
        {false, 12, "away from this world. He was merely forced into a long slumber, a problem for"},
        {false, 13, "the next generation. There will be a moment of peace, but it won't last forever."},
        {false, 16, "are bearable now. You're torn by the choices you made in the dark Hollowmere:"},
        {false, 17, "you had a chance to destroy the demon, but would you have been strong enough? On"},
        {false, 18, "the other hand you saved all of your people from a certain doom, if only for a"},
        {false, 19, "time. Nobody blames you openly for the situation, but you'll never forgive"},
        {false, 20, "yourself."},
        {false, 21, "Congratulations, the second best ending! Perhaps next time it's the best ending?"},
    };
    for (const Wrapped& line : wrapped) {
        DrawEndingScreen(line.best);
        const std::string text = line.text;
        EXPECT_EQ(Row(line.row), text + std::string(80 - text.size(), ' ')) << line.row;
    }
}

// The whole ending of a "-name" game: the pause, the score, the final screens
// and the report, and the save that is no use any more is gone.
TEST_F(Endings, AWonGameLeavesItsScoreAndReportAndNoSave) {
    ScopedWorkingDirectory directory;
    programArgs = {"-name", "Ann"};
    std::filesystem::create_directories("Data/Ann");
    PlatformWriteFileAtomically("Data/Ann/Ann.hmd", "x", 1);
    std::strcpy(player.name, "Ann");
    std::strcpy(player.pronoun, "She");
    player.currentFloor = -1;
    player.demonSlainFlags[4] = 1;
    player.demonSlainFlags[5] = 1;
    EXPECT_EXIT(
        {
            // Keys before the '5' do nothing; the Hall of Fame and the final screens take the rest.
            Type("x5" + std::string(30, 'z'));
            VictoryEnding();
        },
        ::testing::ExitedWithCode(1), "");
    EXPECT_FALSE(std::filesystem::exists("Data/Ann/Ann.hmd"));
    highScores.LoadHighScores();
    EXPECT_STREQ(highScores.entries[0].endText, "She saved the surface people and won!");
    EXPECT_EQ(highScores.entries[0].floor, 0);
    int32_t reports = 0;
    for (const auto& entry : std::filesystem::directory_iterator("Data/Ann")) {
        reports += entry.path().filename().string().rfind("Ann's post-mortem (", 0) == 0;
    }
    EXPECT_EQ(reports, 1);
}

// A terminal closed during the pause ends the program at the next key read:
// the score and the report are written by then.
TEST_F(Endings, AHangUpDuringTheEndingsPauseLosesNoRecord) {
    ScopedWorkingDirectory directory;
    programArgs = {"-name", "Ann"};
    std::filesystem::create_directories("Data/Ann");
    std::strcpy(player.name, "Ann");
    std::strcpy(player.pronoun, "She");
    player.currentFloor = -1;
    player.demonSlainFlags[4] = 1;
    InstallToolkitHooks();
    EXPECT_EXIT(
        {
            pendingTerminationSignal = SIGHUP;
            VictoryEnding();
        },
        ::testing::ExitedWithCode(1), "");
    highScores.LoadHighScores();
    EXPECT_STREQ(highScores.entries[0].endText, "She saved the surface people and won!");
    int32_t reports = 0;
    for (const auto& entry : std::filesystem::directory_iterator("Data/Ann")) {
        reports += entry.path().filename().string().rfind("Ann's post-mortem (", 0) == 0;
    }
    EXPECT_EQ(reports, 1);
}

}  // namespace
