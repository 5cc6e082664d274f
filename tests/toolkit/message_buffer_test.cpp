#include <curses.h>

#include "support/screen_test.h"
#include "toolkit/message_log.h"
#include "world/player.h"

namespace {

class MessageBuffer : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        for (int i = 0; i < kHistoryLines; ++i) {
            messageLog.history[i] = "@Yentry" + std::to_string(i);
            MessageLog::PadToWidth(messageLog.history[i]);  // as every stored line is
        }
    }
    // The history entry shown on a row, or -1 for a blank row.
    int EntryOn(int row) {
        const std::string text = Row(row);
        if (text.compare(0, 5, "entry") != 0) return -1;
        return std::stoi(text.substr(5));
    }
};

TEST_F(MessageBuffer, ShowsTheNewestLinesWithTheNewestAtTheBottom) {
    messageLog.history[5].clear();
    EXPECT_TRUE(RunUntilItWaitsForAKey([] { messageLog.ShowMessageBuffer(); }));
    EXPECT_EQ(Row(0), "| 8 = up                        Message Buffer                        2 = down |");
    EXPECT_EQ(Row(1), "| page up = more up                z = exit              page down = more down |");
    EXPECT_EQ(Row(2), std::string(80, '-'));
    EXPECT_EQ(ColourAt(0, 0), 3);
    EXPECT_EQ(EntryOn(24), 0);
    EXPECT_EQ(EntryOn(3), 21);
    EXPECT_EQ(EntryOn(19), -1);  // an empty entry is a blank row
    EXPECT_EQ(ColourAt(24, 0), 14);
}

TEST_F(MessageBuffer, ScrollsWithinTheHistory) {
    struct Case {
        std::string keys;
        int topEntry;
    };
    const Case cases[] = {
        {"8", 22}, {"82", 21}, {"2", 21}, {"-", 43}, {"--------", 197}, {"---------", 199}, {"--------8", 198},
        {"-------+", 153}, {"---------8", 199}, {"-++", 21}, {"x", 21},
    };
    for (const Case& c : cases) {
        Type(c.keys);
        EXPECT_TRUE(RunUntilItWaitsForAKey([] { messageLog.ShowMessageBuffer(); }));
        EXPECT_EQ(EntryOn(3), c.topEntry) << c.keys;
        EXPECT_EQ(EntryOn(24), c.topEntry - 21) << c.keys;
    }
    Press(KEY_UP);
    Press(KEY_PPAGE);
    EXPECT_TRUE(RunUntilItWaitsForAKey([] { messageLog.ShowMessageBuffer(); }));
    EXPECT_EQ(EntryOn(3), 44);
    Press(KEY_PPAGE);
    Press(KEY_NPAGE);
    Press(KEY_DOWN);
    EXPECT_TRUE(RunUntilItWaitsForAKey([] { messageLog.ShowMessageBuffer(); }));
    EXPECT_EQ(EntryOn(3), 21);
}

TEST_F(MessageBuffer, LeavingRedrawsTheGameUnlessTheCharacterIsGone) {
    for (const char* keys : {"z", "Z", "`", "\x1b"}) {
        Type(keys);
        messageLog.ShowMessageBuffer();
        EXPECT_EQ(CharAt(0, 0), '@') << keys;
        EXPECT_EQ(TextAt(23, 0, 3), "HP:") << keys;
    }
    player.hp = 0;
    Type("z");
    messageLog.ShowMessageBuffer();
    EXPECT_EQ(Row(23), std::string(80, ' '));
}

}  // namespace
