#include "toolkit/terminal.h"

#include <curses.h>

#include "support/screen_test.h"
#include "toolkit/drawing.h"

namespace {

class Terminal : public ScreenTest {};

// The pause between the steps of a quick move listens for the space bar, so
// that even a pause of weeks can be cut short; other keys are dropped.
TEST_F(Terminal, APauseEndsAtItsKey) {
    SetWaitPercent(100);
    Type("ab ");
    EXPECT_TRUE(PauseUnlessKey(2000000000, kKeySpace));
    Type("xy");
    EXPECT_FALSE(PauseUnlessKey(30, kKeySpace));
    EXPECT_EQ(PollKey(), kNoKey);
    EXPECT_FALSE(PauseUnlessKey(0, kKeySpace));
}

// A TERM that does not match the terminal leaves curses sequences it cannot
// name: they are dropped whole, so that Home sent as ESC [ 1 ~ is no '1' (a step
// south-west); Escape itself still answers at once, alone or before a key.
TEST_F(Terminal, AnEscapeSequenceTheTerminalDoesNotKnowIsDroppedWhole) {
    for (const char* sequence : {"\x1b[1~", "\x1b[4~", "\x1b[11~", "\x1b[200~", "\x1bOz"}) {
        ASSERT_EQ(key_defined(sequence), 0) << "known to this terminal: " << sequence + 1;
        Type(std::string(sequence) + "q");
        EXPECT_EQ(ReadKey(), 'q') << sequence + 1;
    }
    Type("\x1b");
    EXPECT_EQ(ReadKey(), kKeyEscape);
    Type("\x1b" "q");
    EXPECT_EQ(ReadKey(), kKeyEscape);
    EXPECT_EQ(ReadKey(), 'q');
    // A known sequence is still its key.
    Press(KEY_HOME);
    EXPECT_EQ(ReadKey(), KEY_HOME);

    // The poll and the pause drop them as well.
    SetWaitPercent(100);
    Type("\x1b[1~");
    EXPECT_EQ(PollKey(), kNoKey);
    Type("\x1b[1~1");
    EXPECT_TRUE(PauseUnlessKey(2000000000, '1'));
    EXPECT_EQ(PollKey(), kNoKey);
}

// A terminal made smaller and then larger again has lost what it could not
// show; once the key read sees the resize, the whole screen is drawn again.
TEST_F(Terminal, AResizeSeenByTheKeyReadDrawsEverythingAgain) {
    DrawText("corner", 70, 23, 12);
    DrawCodedText("@Gbright @rred", 2, 1, 0);
    DrawChar('@', 79, 24, 14);
    MoveCursor(5, 6);
    resize_term(20, 60);
    resize_term(25, 80);
    ASSERT_EQ(TextAt(23, 70, 6), std::string(6, ' ')) << "curses kept the cut-off cells itself";

    ungetch(KEY_RESIZE);
    Type("a");
    EXPECT_EQ(ReadKey(), 'a');
    EXPECT_EQ(TextAt(23, 70, 6), "corner");
    EXPECT_EQ(ColourAt(23, 70), 12);
    EXPECT_EQ(TextAt(1, 2, 10), "bright red");
    EXPECT_EQ(ColourAt(1, 2), 10);
    EXPECT_EQ(ColourAt(1, 9), 4);
    EXPECT_EQ(CharAt(24, 79), '@');
    int row = 0;
    int column = 0;
    getyx(stdscr, row, column);
    EXPECT_EQ(row, 6);
    EXPECT_EQ(column, 5);

    // A screen cleared since then comes back cleared.
    ClearScreen();
    ungetch(KEY_RESIZE);
    Type("b");
    EXPECT_EQ(ReadKey(), 'b');
    EXPECT_EQ(TextAt(23, 70, 6), std::string(6, ' '));
}

}  // namespace
