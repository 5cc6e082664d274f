#pragma once
// The careful player's mind: each time the game waits for a key it looks at
// what the screen shows (the map and the character's record as the game keeps
// them for drawing, the open screen's text) and answers with one key. What it
// means to do takes several keys (a screen opened, a row chosen, the screen
// closed): those wait in a queue and go one a read.
#include <cstdint>
#include <deque>
#include <set>
#include <string>
#include <utility>

// The trainings the player tries, by the word the summary uses.
struct CarefulTraining {
    const char* word;     // "warrior", "ranger", "archer"
    char trainingDigit;   // its number on the training screen
    char raceDigit;       // the race it takes, fixed per training
    char weaponryDigit;   // the weaponry it starts with
    char attributeDigit;  // the attribute it trains at creation and at each level
    bool shootsAdjacent;  // keeps shooting a monster beside it rather than take out its melee weapon
};
// Null for a word that names no training.
const CarefulTraining* FindCarefulTraining(const std::string& word);

class CarefulBrain {
public:
    explicit CarefulBrain(const CarefulTraining& training);

    // The next key for the game; the caller hands it to the key read.
    int NextKey();
    // Keys given while the game's turn count stood still: a game whose turns stop
    // for many keys is stuck.
    int64_t KeysSinceLastTurn() const { return keysSinceTurn_; }

private:
    int ChooseKey();
    // The keys at the command prompt, queued.
    void DecideCommand();
    bool AtCommandPrompt() const;
    bool MorePending() const;
    std::string MessageRows() const;
    int AnswerMessages();
    std::string Row(int row) const;
    bool ScreenHolds(const char* text) const;

    // The parts of a decision; each queues keys and returns true when it chose.
    bool LearnSkill();
    bool DrinkHealing();
    bool FightAdjacent();
    bool FaceTheSeen();
    bool LightenLoad();
    bool PickUpHere();
    bool EquipBetter();
    bool KeepWarm();
    bool RestIfHurt();
    bool Explore();
    // Queues the next step of the known way to (x, y); false when there is none.
    bool StepToward(int32_t x, int32_t y);
    // Notes what chose the keys (shown by CAREFUL_TRACE); passes `chose` on.
    bool Chose(const char* reason, bool chose);
    void Queue(const std::string& keys);
    void UseInventoryItem(int32_t index);

    const CarefulTraining& training_;
    std::deque<int> queue_;
    std::string answeredRows_;
    int64_t keysAtAnswer_ = 0;
    int32_t lastTurn_ = -1;
    int64_t keysSinceTurn_ = 0;
    int32_t promptsThisTurn_ = 0;
    int32_t unknownScreens_ = 0;
    int32_t waitedForApproach_ = 0;
    int32_t pickUpTurn_ = -1;
    int32_t lastFloor_ = -1;
    int32_t equipTriedTurn_ = -1;
    const char* reason_ = "";
    // A page of messages that asked for the space bar and ran on into a "-More-": the
    // game reads that space once the next page is shown, whatever that page says.
    bool spaceOwed_ = false;
    // The equip last tried (slot, item kind) and those the game refused, never tried again.
    std::pair<int32_t, int32_t> lastEquip_{-1, -1};
    std::set<std::pair<int32_t, int32_t>> refusedEquips_;
};
