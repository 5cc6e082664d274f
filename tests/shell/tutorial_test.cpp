#include "shell/tutorial.h"

#include "support/screen_test.h"
#include "toolkit/message_log.h"
#include "world/command_keys.h"

namespace {

TEST(TutorialText, RowsFitTheScreenAndTheKeyLettersSitUnderTheirOverlays) {
    for (int32_t page = 1; page <= 4; ++page) {
        for (uint8_t mode = 0; mode <= 1; ++mode) {
            for (const TutorialRow& row : TutorialPage(page, mode)) {
                EXPECT_LE(MessageLog::VisibleLength(row.text), 79) << row.text;
                EXPECT_GE(row.row, 2) << row.text;
                EXPECT_LE(row.row, page < 4 ? 23 : 13) << row.text;  // the last page ends higher up
                EXPECT_EQ(row.coded, row.text.find('@') != std::string::npos) << row.text;
            }
        }
    }
    struct Overlay {
        int32_t page;
        int32_t column;
        int32_t row;
        char letter;
    };
    const Overlay overlays[] = {{1, 63, 8, 'w'}, {1, 32, 11, '5'}, {1, 30, 13, 'w'},
                                {1, 14, 14, '5'}, {2, 38, 8, 'l'}, {2, 26, 11, '?'}};
    for (const Overlay& overlay : overlays) {
        for (const TutorialRow& row : TutorialPage(overlay.page, 1)) {
            if (row.row != overlay.row) continue;
            const std::string plain = MessageLog::StripColourCodes(row.text);
            ASSERT_GT(plain.size(), static_cast<std::size_t>(overlay.column));
            EXPECT_EQ(plain[static_cast<std::size_t>(overlay.column)], overlay.letter) << plain;
        }
    }
}

class Tutorial : public ScreenTest {};

TEST_F(Tutorial, ShowsTheBoundKeysAndWaitsForEachPagesDigit) {
    keyTable[kCommandQuickMove] = 'j';
    keyTable[kCommandRest] = 'r';
    keyTable[kCommandLook] = 'x';
    Type("2");  // the next page's digit, too early
    EXPECT_TRUE(RunUntilItWaitsForAKey([] { ShowTutorial(1); }));
    EXPECT_EQ(TextAt(0, 35, 8), "Tutorial");
    EXPECT_EQ(ColourAt(0, 35), 3);
    EXPECT_EQ(TextAt(2, 0, 47), "  Welcome to the short beginner tutorial of Hol");
    EXPECT_EQ(ColourAt(2, 46), 15);
    EXPECT_EQ(CharAt(8, 63), 'j');
    EXPECT_EQ(CharAt(13, 30), 'j');
    EXPECT_EQ(CharAt(11, 32), 'r');
    EXPECT_EQ(CharAt(14, 14), 'r');
    EXPECT_EQ(ColourAt(14, 14), 15);
    EXPECT_EQ(TextAt(11, 35, 5), "or '.");  // the '.' beside the rest key stays
    const std::string prompt = " Read the page, then press '1' to continue the tutorial. ";
    EXPECT_EQ(TextAt(24, 11, static_cast<int>(prompt.size())), prompt);

    Type("12");
    EXPECT_TRUE(RunUntilItWaitsForAKey([] { ShowTutorial(1); }));
    EXPECT_EQ(TextAt(24, 11, static_cast<int>(prompt.size())), " Read the page, then press '3' to continue the tutorial. ");
}

TEST_F(Tutorial, TheLastPageDependsOnWhereItWasOpened) {
    Type("123");
    EXPECT_TRUE(RunUntilItWaitsForAKey([] { ShowTutorial(0); }));
    EXPECT_EQ(TextAt(0, 28, 24), "Setting Up Your Terminal");
    EXPECT_EQ(ColourAt(0, 28), 3);
    EXPECT_EQ(TextAt(2, 0, 37), " -Make the terminal window 80x25 or l");
    EXPECT_EQ(ColourAt(2, 27), 15);  // the size stands out in white
    EXPECT_EQ(Row(14), std::string(80, ' '));
    const std::string playing = "     Read the page, then press '4' to start playing.     ";
    EXPECT_EQ(TextAt(24, 11, static_cast<int>(playing.size())), playing);

    Type("123");
    EXPECT_TRUE(RunUntilItWaitsForAKey([] { ShowTutorial(1); }));
    const std::string returning = "     Read the page, then press '4' to return.     ";
    EXPECT_EQ(TextAt(24, 15, static_cast<int>(returning.size())), returning);
    EXPECT_EQ(ColourAt(24, 47), 15);

    Type("1234");
    ShowTutorial(0);
    EXPECT_EQ(Row(0), std::string(80, ' '));
}

TEST_F(Tutorial, AFirstPlayIsGreetedAsSuch) {
    EXPECT_TRUE(RunUntilItWaitsForAKey([] { ShowTutorial(0); }));
    EXPECT_EQ(TextAt(2, 0, 45), "  This seems to be your first time playing Ho");
}

}  // namespace
