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
    // Ends the pending page with "-More-" as a full page ends, shows it and waits
    // for any key: for a text the player must read before something takes the
    // controls away. Nothing pending, nothing happens.
    void FlushWithMore();
    void ShowMessageBuffer();
    static char LastColourCode(std::string text);
    static void PadToWidth(std::string& text);
    static int VisibleLength(std::string text);
    static std::string StripColourCodes(const std::string& text);

    // ---- events/: the per-turn world update and what happens on the player's tile ----
    // One turn of the world: wanderers, rage, campfires, upkeep, boosts, melting,
    // domination, slush, weather and the berserk state, in that order.
    void UpdateWorld();
    void SpawnWanderingMonster();
    void BurnInCampfire();
    void ApplyRingOfDomination();
    void UpdateWeather();
    // What the tile the character just stepped onto does, in a fixed order.
    void StepOnTile();
    void DescribeIcePool();
    void EnterTrainingRoom();
    void MeetRotatingMask();
    void GreetNpc();
    void SummonAngryHorde();
    void SinkInDeepSnow();
    void DropStalactite();
    void ShakeLevel();
    void HearPriestPrayer();
    void TriggerAvalanche();
    void FindHiddenTrap();
    void DigUpItem();
    // What lies under the character's feet: told, and the gold and ammunition picked up.
    void DescribeItemsHere();
    void PickUpMoneyAndAmmo();
    // The trap under the character, and the blood stand's look (the features' own code).
    void TriggerTrap();
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
// blank; blanks after the first stay with their word, so spacing is kept. "Press
// space." (or "(Press space)") goes as one piece, so no page break parts it.
void PrintWords(const std::string& text);
