#pragma once
// The three message lines under the map and the 200-line message history.
// Text arrives one word at a time through PrintMessage.
#include <string>

constexpr int kHistoryLines = 200;

class MessageLog {
public:
    MessageLog();

    // ---- shell/: the message functions ----
    void PrintMessage(const std::string& word);
    void FlushMessages(bool noPrompt);
    void ShowMessageBuffer();
    static char LastColourCode(std::string text);
    static void PadToWidth(std::string& text);
    static int VisibleLength(std::string text);
    static std::string StripColourCodes(const std::string& text);

    // ---- events/: the per-turn world update and what happens on the player's tile ----
    void UpdateWorld();
    int StepOnTile();
    // What lies on the character's tile: told, and gold and ammunition picked up.
    void DescribeItemsHere();
    void PickUpMoneyAndAmmo();
    // The trap under the character, once per visit of its tile (events/traps.cpp).
    void TriggerTrap();
    // What a blood stand under the character looks like (events/blood_stand.cpp).
    void DescribeBloodStand();

    std::string line[3];
    bool used[3] = {false, false, false};
    std::string blank;
    std::string history[kHistoryLines];
};

extern MessageLog messageLog;

// Prints "Press space. ", flushes, and waits for the space bar; returns 32.
int WaitForSpace();
// Passes a sentence to the message log word by word, each word with its trailing
// blank; blanks after the first stay with their word, so spacing is kept.
void PrintWords(const std::string& text);
