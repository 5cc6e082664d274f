#include "toolkit/message_log.h"

#include <functional>
#include <vector>

#include "support/screen_test.h"
#include "toolkit/drawing.h"
#include "world/player.h"

namespace {

TEST(MessageLogText, WidthsColoursAndStripping) {
    EXPECT_EQ(MessageLog::VisibleLength("@Rred@C"), 3);
    EXPECT_EQ(MessageLog::VisibleLength("@@"), -2);
    EXPECT_EQ(MessageLog::LastColourCode("plain"), 'C');
    EXPECT_EQ(MessageLog::LastColourCode("@Ra@Yb c"), 'Y');
    EXPECT_EQ(MessageLog::LastColourCode("@Ra@"), 'R');  // a trailing '@' selects nothing
    EXPECT_EQ(MessageLog::StripColourCodes("@CYou @Rdie@C... @@R!"), "You die... R!");

    std::string text = "@Rab";
    MessageLog::PadToWidth(text);
    EXPECT_EQ(MessageLog::VisibleLength(text), 79);
    std::string wide(85, 'x');
    MessageLog::PadToWidth(wide);
    EXPECT_EQ(wide.size(), 85u);
}

class MessageLogScreen : public ScreenTest {
protected:
    static void Print(const std::vector<std::string>& words) {
        for (const std::string& word : words) messageLog.PrintMessage(word);
    }
    // Words ten columns wide.
    static std::string Word(char c) { return std::string(9, c) + " "; }
};

TEST_F(MessageLogScreen, WordsWrapAndCarryTheirColourToTheNextLine) {
    Print({"@R" + Word('a'), Word('b'), Word('c'), Word('d'), Word('e'), Word('f'), Word('g')});
    EXPECT_EQ(MessageLog::VisibleLength(messageLog.line[0]), 70);
    EXPECT_EQ(messageLog.line[0].substr(0, 6), "@C@Raa");
    messageLog.PrintMessage(Word('h'));  // 70 + 10 would reach 80: the word opens line 2
    EXPECT_EQ(MessageLog::VisibleLength(messageLog.line[0]), 79);
    EXPECT_EQ(messageLog.line[1], "@R" + Word('h'));

    messageLog.FlushMessages(false);
    EXPECT_EQ(TextAt(19, 0, 12), "aaaaaaaaa bb");
    EXPECT_EQ(ColourAt(19, 0), 12);
    EXPECT_EQ(TextAt(20, 0, 10), Word('h'));
    EXPECT_EQ(ColourAt(20, 0), 12);
    EXPECT_EQ(Row(21), std::string(80, ' '));
    EXPECT_EQ(messageLog.history[0], "@R" + Word('h') + std::string(69, ' '));
    EXPECT_EQ(MessageLog::StripColourCodes(messageLog.history[1]).substr(0, 10), Word('a'));
    EXPECT_TRUE(messageLog.line[0].empty());
    EXPECT_FALSE(messageLog.used[0]);
}

TEST_F(MessageLogScreen, AFullPageAsksForAKeyWithMore) {
    player.runKey = '8';
    for (int i = 0; i < 7; ++i) messageLog.PrintMessage(Word('a'));
    EXPECT_EQ(player.runKey, kNoRunKey);  // a word on line 1 ends a run
    player.runKey = '8';
    for (int i = 0; i < 7; ++i) messageLog.PrintMessage(Word('b'));
    messageLog.PrintMessage("@Y" + Word('c'));
    for (int i = 0; i < 6; ++i) messageLog.PrintMessage(Word('d'));  // line 3 ends at 70 of its 72
    EXPECT_EQ(player.runKey, '8');  // words on lines 2 and 3 do not

    Type("x");
    messageLog.PrintMessage(Word('e'));
    EXPECT_EQ(TextAt(21, 60, 16), "ddddddddd -More-");
    EXPECT_EQ(ColourAt(21, 70), 14);
    EXPECT_EQ(messageLog.line[0], "@Y" + Word('e'));  // the colour before the break goes on
    EXPECT_EQ(player.runKey, '8');
    EXPECT_EQ(MessageLog::StripColourCodes(messageLog.history[0]).substr(60, 16), "ddddddddd -More-");
    EXPECT_EQ(messageLog.history[2].substr(0, 10), "@C" + std::string(8, 'a'));
}

TEST_F(MessageLogScreen, FlushingNothingBlanksTheRowsAndKeepsTheHistory) {
    DrawText("stale", 0, 20, 11);
    messageLog.history[0] = "old";
    messageLog.FlushMessages(false);
    EXPECT_EQ(Row(20), std::string(80, ' '));
    EXPECT_EQ(messageLog.history[0], "old");
    EXPECT_TRUE(messageLog.history[1].empty());
}

TEST_F(MessageLogScreen, MarkupOnlyWordsStillFitOnAPaddedLine) {
    for (int i = 0; i < 8; ++i) messageLog.PrintMessage(Word('a'));  // line 1 padded to 79
    messageLog.PrintMessage("@G");
    EXPECT_EQ(messageLog.line[0].substr(messageLog.line[0].size() - 2), "@G");
}

TEST_F(MessageLogScreen, TheHistoryKeepsTheLast200LinesNewestFirst) {
    for (int i = 0; i < 205; ++i) {
        messageLog.PrintMessage("line" + std::to_string(i) + " ");
        messageLog.FlushMessages(false);
    }
    EXPECT_EQ(messageLog.history[0].substr(0, 10), "@Cline204 ");
    EXPECT_EQ(messageLog.history[199].substr(0, 8), "@Cline5 ");

    // A page of three lines stores its last line as the newest entry.
    for (int i = 0; i < 15; ++i) messageLog.PrintMessage(Word(static_cast<char>('a' + i / 7)));
    messageLog.FlushMessages(false);
    EXPECT_EQ(messageLog.history[0].substr(2, 9), std::string(9, 'c'));
    EXPECT_EQ(messageLog.history[2].substr(2, 9), std::string(9, 'a'));
    EXPECT_EQ(messageLog.history[3].substr(0, 10), "@Cline204 ");
}

TEST_F(MessageLogScreen, ASleepingCharacterMustPressSpaceAfterEachFlush) {
    player.sleep = 3;
    messageLog.PrintMessage("Zzz ");
    Type("ab ");
    messageLog.FlushMessages(false);
    EXPECT_EQ(TextAt(19, 0, 17), "Zzz Press space. ");

    // Nothing pending: no wait.
    messageLog.FlushMessages(false);

    // WaitForSpace asks twice while asleep: once itself, once in the flush.
    Type("q  ");
    EXPECT_EQ(WaitForSpace(), 32);
    EXPECT_EQ(messageLog.history[0].substr(0, 28), "@CPress space. Press space. ");
}

// The log never holds a piece wider than a line: it would be cut at the edge of
// the screen, after a page of blank lines asking for a key.
TEST_F(MessageLogScreen, APieceWiderThanALineIsBrokenAtItsWords) {
    std::string sentence;
    for (int i = 0; i < 17; ++i) sentence += "abcd ";  // 85 columns
    messageLog.PrintMessage(sentence);
    EXPECT_EQ(MessageLog::VisibleLength(messageLog.line[0]), 79);
    EXPECT_EQ(messageLog.line[1], "@Cabcd abcd ");
    messageLog.FlushMessages(false);
    EXPECT_EQ(TextAt(19, 0, 75), sentence.substr(0, 75));
    EXPECT_EQ(TextAt(20, 0, 10), "abcd abcd ");

    // A word wider than a line is cut where the line ends, its markup kept whole.
    messageLog.PrintMessage("@R" + std::string(100, 'w') + " ");
    EXPECT_EQ(messageLog.line[0], "@C@R" + std::string(79, 'w'));
    EXPECT_EQ(messageLog.line[1], "@R" + std::string(21, 'w') + " ");
    messageLog.FlushMessages(false);
    EXPECT_EQ(TextAt(19, 0, 79), std::string(79, 'w'));
    EXPECT_EQ(ColourAt(19, 0), 12);
    EXPECT_EQ(TextAt(20, 0, 22), std::string(21, 'w') + " ");
    EXPECT_EQ(ColourAt(20, 0), 12);
}

// A page break never parts "Press" from "space.": the game ignores every other key
// while it waits, so the page it waits under must say so.
TEST_F(MessageLogScreen, PressSpaceIsNeverPartedByAPageBreak) {
    const std::vector<std::function<void()>> prompts = {
        [] { WaitForSpace(); },
        [] { PrintWords("Press space. "); },
        [] {
            player.sleep = 1;
            messageLog.FlushMessages(false);
        },
    };
    for (const auto& prompt : prompts) {
        messageLog = MessageLog();
        // Lines 1 and 2 full, line 3 with room for "Press " but not for "space. ".
        Print({std::string(79, 'a'), std::string(79, 'b'), std::string(60, 'c') + " "});
        Type("x ");
        prompt();
        player.sleep = 0;
        if (messageLog.used[0]) messageLog.FlushMessages(false);
        EXPECT_EQ(TextAt(19, 0, 13), "Press space. ") << Dump();
        std::string page;
        for (const std::string& line : messageLog.history) {
            if (line.find("-More-") != std::string::npos) page = MessageLog::StripColourCodes(line);
        }
        EXPECT_EQ(page.substr(60, 7), " -More-") << page;
    }
}

}  // namespace
