// The built program in a tmux session: walking, kicking ice, quick moves and
// quick rests, and the stairs, played as a player would from the first screen on.
#include <gtest/gtest.h>

#include <cstdlib>

#include "e2e/dungeon_walker.h"
#include "support/game_session.h"

namespace {

// A square whose eight neighbours are all open floor.
bool InOpenFloor(const Sight& sight, int x, int y) {
    for (const WalkKey& walk : kWalkKeys) {
        if (sight.At(x + walk.dx, y + walk.dy) != '.') return false;
    }
    return sight.At(x, y) == '.' || (x == sight.x && y == sight.y);
}

bool NextToIce(const Sight& sight, int x, int y) {
    for (const WalkKey& walk : kWalkKeys) {
        if (sight.At(x + walk.dx, y + walk.dy) == '\'') return true;
    }
    return false;
}

// The end of a straight corridor: open floor behind, and at least three floor
// squares ahead, each with walls on both sides. The direction is set on success.
bool AtCorridorEnd(const Sight& sight, int x, int y, WalkKey& along) {
    for (int k = 0; k < 4; ++k) {
        const WalkKey& walk = kWalkKeys[k];
        bool corridor = true;
        for (int n = 1; n <= 3 && corridor; ++n) {
            const int cx = x + n * walk.dx;
            const int cy = y + n * walk.dy;
            corridor = sight.At(cx, cy) == '.' && sight.At(cx + walk.dy, cy + walk.dx) == '#' &&
                       sight.At(cx - walk.dy, cy - walk.dx) == '#';
        }
        if (corridor) {
            along = walk;
            return true;
        }
    }
    return false;
}

using Commands = GameInTheDungeon;

TEST_F(Commands, TheSurfaceExecutesCowards) {
    const Sight start = walker.Look();
    ASSERT_EQ(start.Turns(), 0) << Described(start);
    const Sight refused = walker.Press("<");
    EXPECT_EQ(refused.rows[19].substr(0, 41), "You would be executed for your cowardice!") << Described(refused);
    const auto cells = game.ColouredScreen();
    EXPECT_EQ(cells[19][0].foreground, 6);  // bright cyan
    EXPECT_TRUE(cells[19][0].bold);
    EXPECT_EQ(refused.Turns(), 0);
    EXPECT_EQ(refused.Depth(), 1);
    EXPECT_EQ(refused.At(start.x, start.y), '@');  // still on the up staircase
}

// A game where no wandering monster comes near while the character walks about.
class Walking : public GameInTheDungeon {
protected:
    void SetUp() override { ASSERT_TRUE(walker.EnterTheDungeon(SessionOptions().WithSeed(3))) << game.Dump(); }
};

TEST_F(Walking, EveryWayAndIntoWalls) {
    ASSERT_TRUE(walker.WalkUntil([](const Sight& s) { return InOpenFloor(s, s.x, s.y); }, InOpenFloor))
        << Described(walker.Look());
    const struct {
        const char* key;
        int dx;
        int dy;
    } moves[] = {{"8", 0, -1},  {"2", 0, 1},    {"4", -1, 0},   {"6", 1, 0},
                 {"7", -1, -1}, {"9", 1, -1},   {"1", -1, 1},   {"3", 1, 1},
                 {"Up", 0, -1}, {"Down", 0, 1}, {"Left", -1, 0}, {"Right", 1, 0}};
    Sight sight = walker.Look();
    for (const auto& move : moves) {
        const Sight before = sight;
        sight = walker.Press(move.key);
        EXPECT_EQ(sight.x, before.x + move.dx) << move.key << Described(sight);
        EXPECT_EQ(sight.y, before.y + move.dy) << move.key;
        EXPECT_EQ(sight.Turns(), before.Turns() + 1) << move.key;
        sight = walker.Press(std::string(1, KeyOfStep(-move.dx, -move.dy)));  // and back
        EXPECT_EQ(sight.x, before.x) << move.key;
    }

    // Into a wall: nothing happens and no time passes.
    ASSERT_TRUE(walker.WalkUntil(
        [](const Sight& s) { return s.At(s.x + 1, s.y) == '#'; },
        [](const Sight& s, int x, int y) { return s.At(x + 1, y) == '#'; }))
        << Described(walker.Look());
    const Sight before = walker.Look();
    const Sight after = walker.Press("6", 1);
    EXPECT_EQ(after.x, before.x);
    EXPECT_EQ(after.Turns(), before.Turns());
}

// A TERM that does not match the terminal: tmux sends Home as ESC [ 1 ~ and End as
// ESC [ 4 ~, which the xterm description does not know. Neither is a step (the '1'
// and the '4' inside them are south-west and west); the keys it knows still work.
class MismatchedTerminal : public GameInTheDungeon {
protected:
    void SetUp() override {
        ASSERT_TRUE(walker.EnterTheDungeon(SessionOptions().WithSeed(3).WithTerminal("xterm-256color"))) << game.Dump();
    }
};

TEST_F(MismatchedTerminal, SequencesItsDescriptionDoesNotKnowDoNothing) {
    ASSERT_TRUE(walker.WalkUntil([](const Sight& s) { return InOpenFloor(s, s.x, s.y); }, InOpenFloor))
        << Described(walker.Look());
    const Sight before = walker.Look();
    for (const char* key : {"Home", "End"}) {
        const Sight after = walker.Press(key, 1);
        EXPECT_EQ(after.x, before.x) << key << Described(after);
        EXPECT_EQ(after.y, before.y) << key;
        EXPECT_EQ(after.Turns(), before.Turns()) << key;
    }
    const Sight up = walker.Press("Up");
    EXPECT_EQ(up.y, before.y - 1) << Described(up);
}

TEST_F(Commands, KickingAnIceBlockUntilItShatters) {
    ASSERT_TRUE(walker.WalkUntil([](const Sight& s) { return NextToIce(s, s.x, s.y); }, NextToIce))
        << Described(walker.Look());
    Sight sight = walker.Look();
    std::string key;
    int iceX = 0;
    int iceY = 0;
    for (const WalkKey& walk : kWalkKeys) {
        if (sight.At(sight.x + walk.dx, sight.y + walk.dy) != '\'') continue;
        key = std::string(1, walk.key);
        iceX = sight.x + walk.dx;
        iceY = sight.y + walk.dy;
    }
    bool shattered = false;
    for (int kicks = 0; kicks < 40 && !shattered; ++kicks) {
        const Sight before = sight;
        sight = walker.Press(key);
        EXPECT_EQ(sight.x, before.x);  // the player stays
        EXPECT_EQ(sight.Turns(), before.Turns() + 1);
        shattered = sight.rows[19].rfind("You smash the iceblock into pieces!", 0) == 0;
        if (!shattered) {
            EXPECT_EQ(sight.rows[19].rfind("You kick the iceblock, but it doesn't shatter yet.", 0), 0u)
                << Described(sight);
        }
    }
    ASSERT_TRUE(shattered) << Described(sight);
    EXPECT_EQ(sight.At(iceX, iceY), '.');
    const Sight through = walker.Press(key);
    EXPECT_EQ(through.x, iceX);
    EXPECT_EQ(through.y, iceY);
}

TEST_F(Commands, AQuickMoveAsksItsWayAndZLeaves) {
    const Sight asked = walker.Press("w");
    EXPECT_EQ(asked.rows[19].substr(0, 57), "Quick move to which direction? (5 = quick rest, z = exit)");
    EXPECT_EQ(asked.rows[20].substr(0, 49), "Press space during the quick move to stop moving.");
    const Sight left = walker.Press("z");
    EXPECT_EQ(left.rows[19], std::string(80, ' '));
    EXPECT_EQ(left.rows[20], std::string(80, ' '));
    EXPECT_EQ(left.Turns(), asked.Turns());
}

TEST_F(Commands, AQuickMoveRunsAlongACorridorUntilItStops) {
    WalkKey along{};
    ASSERT_TRUE(walker.WalkUntil([&](const Sight& s) { return AtCorridorEnd(s, s.x, s.y, along); },
                                 [&](const Sight& s, int x, int y) {
                                     WalkKey ignored{};
                                     return AtCorridorEnd(s, x, y, ignored);
                                 }))
        << Described(walker.Look());
    const Sight before = walker.Look();
    walker.Press("w");
    const Sight after = walker.PressAndWaitUntilStill(std::string(1, along.key));
    // Several steps for one command; each step is one turn.
    const int walked = std::abs(after.x - before.x) + std::abs(after.y - before.y);
    EXPECT_GE(walked, 3) << Described(after);
    EXPECT_GE(after.Turns() - before.Turns(), walked);
    // It has stopped by itself: the game waits for the next key.
    const Sight later = walker.Press("5");
    EXPECT_EQ(later.Turns(), after.Turns() + 1);
    EXPECT_EQ(later.x, after.x);
}

// A game in which no monster comes into view during the first fifty turns (a
// monster in sight ends a quick rest).
class QuietStart : public GameInTheDungeon {
protected:
    void SetUp() override { ASSERT_TRUE(walker.EnterTheDungeon(SessionOptions().WithSeed(3))) << game.Dump(); }
};

TEST_F(QuietStart, AQuickRestLastsFiftyOneTurns) {
    const Sight before = walker.Look();
    walker.Press("w");
    const Sight rested = walker.PressAndWaitUntilStill("5");
    EXPECT_EQ(rested.Turns(), before.Turns() + 51) << Described(rested);
    EXPECT_EQ(rested.x, before.x);
    const Sight once = walker.Press(".");
    EXPECT_EQ(once.Turns(), rested.Turns() + 1);
}

TEST_F(Commands, DownTheStairsAndBackUp) {
    ASSERT_TRUE(walker.WalkToTheStairsDown()) << Described(walker.Look());
    const Sight before = walker.Look();
    const int downX = before.x;
    const int downY = before.y;
    ASSERT_EQ(before.Depth(), 1);
    Sight below = walker.Press(">");
    while (below.MessageRows().find("Press space") != std::string::npos) below = walker.Press(" ");
    EXPECT_EQ(below.Depth(), 2) << Described(below);
    EXPECT_EQ(below.Turns(), before.Turns() + 1);

    Sight above = walker.Press("<");
    while (above.MessageRows().find("Press space") != std::string::npos) above = walker.Press(" ");
    EXPECT_EQ(above.Depth(), 1) << Described(above);
    EXPECT_EQ(above.x, downX);
    EXPECT_EQ(above.y, downY);
}

}  // namespace
