#include <curses.h>

#include <cstdlib>
#include <utility>

#include "support/screen_test.h"
#include "toolkit/drawing.h"
#include "toolkit/random_mother.h"
#include "world/game_hooks.h"
#include "world/player.h"

namespace {

TEST(ColourAttr, MapsEachCodeToItsPairAndBoldness) {
    struct Case {
        int code;
        int pair;
        bool bold;
    };
    const Case cases[] = {
        {0, 1, false},   {1, 2, false},   {7, 8, false},   {8, 1, true},    {9, 2, true},    {15, 8, true},
        {20, 9, false},  {28, 9, true},   {33, 16, false}, {38, 20, false}, {39, 1, false},  {40, 29, true},
        {41, 16, true},  {47, 21, true},  {65, 10, false}, {68, 1, false},  {71, 15, false}, {72, 28, true},
        {73, 10, true},  {76, 1, false},  {79, 15, true},  {129, 22, false}, {134, 27, false}, {135, 1, false},
        {137, 22, true}, {142, 27, true}, {143, 1, false}, {255, 1, false},
    };
    for (const Case& c : cases) {
        const int attribute = ColourAttr(static_cast<ColourCode>(c.code));
        EXPECT_EQ(PAIR_NUMBER(attribute), c.pair) << "code " << c.code;
        EXPECT_EQ((attribute & A_BOLD) != 0, c.bold) << "code " << c.code;
    }
}

class Drawing : public ScreenTest {};

TEST_F(Drawing, ColourPairsUseTheNamedCursesColours) {
    struct Case {
        short pair;
        short foreground;
        short background;
    };
    const Case cases[] = {{1, COLOR_BLACK, COLOR_BLACK},   {2, COLOR_BLUE, COLOR_BLACK},   {5, COLOR_RED, COLOR_BLACK},
                          {9, COLOR_RED, COLOR_BLUE},      {15, COLOR_WHITE, COLOR_RED},   {16, COLOR_BLUE, COLOR_GREEN},
                          {21, COLOR_WHITE, COLOR_GREEN},  {27, COLOR_YELLOW, COLOR_WHITE}, {28, COLOR_BLACK, COLOR_RED},
                          {29, COLOR_BLACK, COLOR_GREEN}};
    for (const Case& c : cases) {
        short foreground = -1;
        short background = -1;
        pair_content(c.pair, &foreground, &background);
        EXPECT_EQ(foreground, c.foreground) << "pair " << c.pair;
        EXPECT_EQ(background, c.background) << "pair " << c.pair;
    }
}

TEST_F(Drawing, MarkupSwitchesColourAndTakesNoRoom) {
    DrawCodedText("@rred @Ggreen", 0, 3, 0);
    EXPECT_EQ(TextAt(3, 0, 10), "red green ");
    for (int column = 0; column < 4; ++column) EXPECT_EQ(ColourAt(3, column), 4) << column;
    for (int column = 4; column < 9; ++column) EXPECT_EQ(ColourAt(3, column), 10) << column;

    // An at-sign before anything but a markup letter is dropped; "@@R" is markup after a lone '@'.
    DrawCodedText("@Cab@xc@@R!", 0, 4, 0);
    EXPECT_EQ(TextAt(4, 0, 6), "abxc! ");
    EXPECT_EQ(ColourAt(4, 2), 11);
    EXPECT_EQ(ColourAt(4, 4), 12);

    // The background bits are added to every colour the markup selects.
    DrawCodedText("@Chi", 10, 5, 128);
    EXPECT_EQ(ColourAt(5, 10), 139);
}

TEST_F(Drawing, TextStopsAtTheScreenEdge) {
    DrawText(std::string(80, '.'), 0, 8, 7);
    const std::string hundred(100, 'x');
    DrawCodedText(hundred.c_str(), 0, 8, 0);
    EXPECT_EQ(Row(8), std::string(79, 'x') + ".");

    DrawCodedText("@Wlate", 85, 9, 0);  // starts past the edge: draws nothing
    EXPECT_EQ(Row(9), std::string(80, ' '));

    DrawText("abcdefgh", 75, 10, 7);
    EXPECT_EQ(TextAt(10, 75, 5), "abcde");
    EXPECT_EQ(CharAt(11, 0), ' ');  // no wrap onto the next row

    DrawText("centred", -3, 12, 7);
    EXPECT_EQ(TextAt(12, 0, 7), "centred");
    DrawNumber(-42, 78, 13, 7);
    EXPECT_EQ(TextAt(13, 78, 2), "-4");
}

TEST_F(Drawing, CountsTheDrawsThatLoseVisibleTextPastTheEdge) {
    const uint32_t before = DrawsCutAtRightEdge();
    DrawText("abc     ", 77, 1, 7);   // only padding past the edge
    DrawCodedText("ab@C   ", 77, 2, 0);
    DrawChar(' ', 80, 3, 7);
    EXPECT_EQ(DrawsCutAtRightEdge(), before);
    DrawText("abcd", 77, 1, 7);
    DrawCodedText("ab@Ccd", 77, 2, 0);  // coded text stops short of column 79
    DrawChar('x', 80, 3, 7);
    DrawNumber(12345, 78, 4, 7);
    EXPECT_EQ(DrawsCutAtRightEdge(), before + 4);
}

TEST_F(Drawing, BerserkRageTintsEveryDrawerRedUntilTheScreenIsCleared) {
    player.berserkTurns = 5;
    player.mapDrawnFlag = 1;
    RandomMother expected = rng;
    for (int column = 0; column < 12; ++column) {
        DrawChar('x', column, 0, 11);
        const int32_t roll = expected.Random(2);
        EXPECT_EQ(ColourAt(0, column), roll != 0 ? 4 : 12) << column;
    }
    DrawCodedText("@Yab", 0, 1, 128);
    EXPECT_EQ(ColourAt(1, 0), 72);

    ClearScreen();
    EXPECT_EQ(player.mapDrawnFlag, 0);
    const RandomMother before = rng;
    DrawText("calm", 0, 2, 11);
    EXPECT_EQ(ColourAt(2, 0), 11);
    EXPECT_EQ(rng.x[0], before.x[0]);  // untinted drawing draws no random number
}

TEST_F(Drawing, AQuickRestRedrawsOnlyTheStatusPanel) {
    player.runKey = '5';
    player.x = 4;
    RedrawScreen();
    EXPECT_EQ(CharAt(0, 4), ' ');
    EXPECT_EQ(TextAt(23, 0, 3), "HP:");
    player.runKey = kNoRunKey;
    RedrawScreen();
    EXPECT_EQ(CharAt(0, 4), '@');
}

// Every wait lasts the seam's share of its length; the real program reads the
// share from the environment at start-up, and a value it cannot read changes nothing.
TEST(Waits, TheSeamShortensEveryWait) {
    SetWaitPercent(100);
    EXPECT_EQ(WaitLength(750), 750u);
    SetWaitPercent(10);
    EXPECT_EQ(WaitLength(750), 75u);
    EXPECT_EQ(WaitLength(2000000000), 200000000u);
    SetWaitPercent(0);
    EXPECT_EQ(WaitLength(750), 0u);
    for (const auto& [text, percent] : {std::pair<const char*, uint32_t>{"50", 50}, {"x", 50}, {"", 50}, {"500", 100}}) {
        setenv("HOLLOWMERE_WAIT_PERCENT", text, 1);
        SetWaitPercentFromEnvironment();
        EXPECT_EQ(WaitLength(100), percent) << '"' << text << '"';
    }
    unsetenv("HOLLOWMERE_WAIT_PERCENT");
}

}  // namespace
