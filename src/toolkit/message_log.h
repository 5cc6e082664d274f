#pragma once
// The three message lines under the map and the 200-line message history.
// Text arrives one word at a time through PrintMessage.
#include <string>

constexpr int kHistoryLines = 200;

class MessageLog {
public:
    MessageLog();

    void PrintMessage(const std::string& word);
    void FlushMessages(bool noPrompt);
    // Ends the pending page with "-More-" as a full page ends, shows it and waits
    // for any key: for a text the player must read before something takes the
    // controls away. Nothing pending, nothing happens.
    void FlushWithMore();
    // The "Message Buffer" screen: the history, scrolled until the player leaves
    // it; the screen is then cleared and the game draws itself back (toolkit_hooks.h).
    void ShowMessageBuffer();
    static char LastColourCode(std::string text);
    static void PadToWidth(std::string& text);
    static int VisibleLength(std::string text);
    static std::string StripColourCodes(const std::string& text);

    std::string line[3];
    bool used[3] = {false, false, false};
    std::string blank;
    std::string history[kHistoryLines];
};

extern MessageLog messageLog;

// Prints "Press space. ", flushes, and waits for the space bar; returns 32.
int WaitForSpace();
// Passes a sentence to the message log word by word, each word with its trailing
// blank; blanks after the first stay with their word, so spacing is kept. "Press
// space." (or "(Press space)") goes as one piece, so no page break parts it.
void PrintWords(const std::string& text);
