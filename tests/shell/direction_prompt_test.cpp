#include "shell/direction_prompt.h"

#include <curses.h>

#include <string>

#include "support/screen_test.h"
#include "world/command_keys.h"

namespace {

using DirectionPrompt = ScreenTest;

TEST_F(DirectionPrompt, TakesDigitsArrowsAndBoundKeys) {
    keyTable[kCommandNorth] = 'k';
    keyTable[kCommandSouthEast] = 'n';
    struct Case {
        std::string typed;
        char digit;
    };
    const Case cases[] = {{"xk", '8'}, {"n", '3'}, {"3", '3'}, {"5", '5'}, {".", '5'}, {"zZ9", '9'}};
    for (const Case& c : cases) {
        Type(c.typed);
        EXPECT_EQ(AskDirection(), c.digit) << c.typed;
    }
    Press(KEY_LEFT);
    EXPECT_EQ(AskDirection(), '4');
    EXPECT_EQ(TextAt(21, 0, 40), "Select a numpad or arrow key direction. ");
    EXPECT_EQ(ColourAt(21, 0), 11);

    // There is no way out of the prompt without a direction.
    Type("\x1b" "q");
    EXPECT_TRUE(RunUntilItWaitsForAKey([] { AskDirection(); }));
}

}  // namespace
