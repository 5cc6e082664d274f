// The built program in a tmux session: the character walks up to a feature of
// the dungeon, steps onto it and uses it with the use-feature key.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "e2e/dungeon_walker.h"
#include "support/game_session.h"

namespace {

constexpr const char* kFeatureGlyphs = "?:-|+0";

bool IsFeatureGlyph(char glyph) {
    return glyph != '\0' && std::string(kFeatureGlyphs).find(glyph) != std::string::npos;
}

// How each feature answers its first use.
constexpr const char* kFirstWords[] = {
    "You look at your twisted image",   "Select a weapon or a piece of armor", "You take a look behind the spirit veil",
    "You jump into the pool",           "It would be foolish to dive",          "You kick the snowman",
    "As you read the last magical word", "You carefully open the bag",          "You try to open the bag",
    "Before you reach the bag",         "Surprisingly the bag is empty",
};

using Features = GameInTheDungeon;

TEST_F(Features, TheUseKeyUsesTheFeatureUnderTheCharacter) {
    int featureX = -1;
    int featureY = -1;
    const bool beside = walker.WalkUntil(
        [&](const Sight& s) {
            return featureX >= 0 && IsFeatureGlyph(s.At(featureX, featureY)) &&
                   std::max(std::abs(s.x - featureX), std::abs(s.y - featureY)) == 1;
        },
        [&](const Sight& s, int x, int y) {
            for (const WalkKey& walk : kWalkKeys) {
                if (!IsFeatureGlyph(s.At(x + walk.dx, y + walk.dy))) continue;
                featureX = x + walk.dx;
                featureY = y + walk.dy;
                return true;
            }
            return false;
        },
        800);
    ASSERT_TRUE(beside) << Described(walker.Look());

    const Sight before = walker.Look();
    Sight on = walker.Press(std::string(1, KeyOfStep(featureX - before.x, featureY - before.y)));
    while (on.MessageRows().find("-More-") != std::string::npos) on = walker.Press(" ");
    ASSERT_EQ(on.x, featureX) << Described(on);
    ASSERT_EQ(on.y, featureY) << Described(on);

    const Sight used = walker.Press("u");
    std::string shown;
    for (const std::string& row : game.Screen()) shown += row + "\n";
    bool answered = false;
    for (const char* words : kFirstWords) answered = answered || shown.find(words) != std::string::npos;
    EXPECT_TRUE(answered) << shown;
    // Leave whatever the feature opened: a prompt, the gear list ('z'), the deal's letter ('a').
    for (const char* key : {" ", "z", "a", " ", " ", " "}) {
        const Sight now = walker.Press(key, 1);
        if (now.InGame() && now.MessageRows().find("-More-") == std::string::npos &&
            now.MessageRows().find("Press space") == std::string::npos && now.MessageRows().find("(y/n)") == std::string::npos) {
            break;
        }
    }
}

}  // namespace
