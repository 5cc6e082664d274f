#pragma once
// Playing the real program in its tmux session as a player would: getting
// through the title and creation screens into the dungeon, reading the map and
// the status panel off the screen, and walking to what the test is after.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "support/game_session.h"

// The keys of the shipped key-binding file for the eight directions.
struct WalkKey {
    char key;
    int dx;
    int dy;
};
extern const WalkKey kWalkKeys[8];
// The key of the step (dx, dy); 0 when there is none.
char KeyOfStep(int dx, int dy);

// One settled screen: the rows and where the player stands.
struct Sight {
    std::vector<std::string> rows;
    int x = -1;
    int y = -1;

    // The map glyph at (x, y); ' ' outside the map's 80 by 19 tiles.
    char At(int column, int row) const;
    // The turn counter and the dungeon level of the status panel; -1 when not shown.
    int Turns() const;
    int Depth() const;
    // True while the status panel is on the screen (the game is being played).
    bool InGame() const;
    std::string MessageRows() const;
};

class DungeonWalker {
public:
    explicit DungeonWalker(GameSession& game) : game_(game) {}

    // Starts the program and answers the title, creation and tutorial screens
    // with their first choices until the dungeon shows; false when it never does.
    // With "-name" among the options there is no title to answer.
    // training is the key answered on the training screen ("1" warrior, "3" archer).
    bool EnterTheDungeon(const SessionOptions& options = {}, const char* training = "1");
    // The screen once the game waits for a key (or has ended).
    Sight Look() const;
    // Presses a key and returns the screen once the game waits for the next
    // one. (The second argument is left from a former way of waiting.)
    Sight Press(const std::string& key, double unused = 0) const;
    // Presses a key that starts something lasting, a quick move or a quick
    // rest, and returns the screen once it has ended and the game waits for a
    // key. The session's waits must be skipped (as they are unless a test asks
    // for real ones): a real pause between steps reads keys too.
    Sight PressAndWaitUntilStill(const std::string& key, double unused = 0) const;
    // Steps (pressing the direction keys) until `arrived` holds, going to the
    // nearest square that `wanted` accepts or, while there is none in sight,
    // into the unknown. False when the way runs out or after `most` steps.
    bool WalkUntil(const std::function<bool(const Sight&)>& arrived,
                   const std::function<bool(const Sight&, int, int)>& wanted, int most = 400) const;
    // Walks onto the first '>' that comes into sight; false when the way runs out.
    bool WalkToTheStairsDown(int most = 800) const;

private:
    GameSession& game_;
    // Where the player was last seen: the game parks the cursor on the player's
    // square after every turn, but a refusal leaves it in the message rows.
    mutable int knownX_ = -1;
    mutable int knownY_ = -1;
};

// Ground the walker treats as free to walk on.
bool IsWalkerGround(char glyph);

// The screen and where the player stands, for failure messages.
std::string Described(const Sight& sight);

// A game entered from the first screen on, quit without saving at the end with
// nothing for the sanitizers to report. Override SetUp to enter with other options.
class GameInTheDungeon : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(walker.EnterTheDungeon()) << game.Dump(); }
    void TearDown() override;

    GameSession game;
    DungeonWalker walker{game};
};
