#include "world/direction.h"

#include <gtest/gtest.h>

#include "item_use/zap_wand.h"

namespace {

// Each digit lies from the keypad's middle as its step goes on the map (rows
// grow downwards), its command goes back to it, and a line along it is drawn
// as a bolt flying that way is.
TEST(Direction, TheKeypadTableAgreesWithTheKeypadTheCommandsAndTheBolts) {
    for (int key = '1'; key <= '9'; ++key) {
        const Direction direction = DirectionOfDigit(key);
        const int place = key - '1';
        EXPECT_EQ(direction.digit, key);
        EXPECT_EQ(direction.step.x, place % 3 - 1) << static_cast<char>(key);
        EXPECT_EQ(direction.step.y, 1 - place / 3) << static_cast<char>(key);
        if (key == '5') {
            EXPECT_EQ(direction.command, kCommandRest);
            continue;
        }
        EXPECT_EQ(DirectionOfCommand(direction.command).digit, key);
        EXPECT_EQ(direction.lineGlyph, BoltGlyph(direction.step.x, direction.step.y)) << static_cast<char>(key);
    }
}

TEST(Direction, AnythingElseIsNoDirection) {
    for (const int key : {0, int{'0'}, int{':'}, int{'a'}, -1}) EXPECT_EQ(DirectionOfDigit(key).command, kCommandNone) << key;
    for (const int32_t command : {-1, int32_t{kCommandRest}, int32_t{kCommandQuit}, int32_t{kCommandAscend}, int32_t{kCommandCount}}) {
        EXPECT_EQ(DirectionOfCommand(command).digit, 0) << command;
        EXPECT_EQ(DirectionStep(command).x, 0) << command;
        EXPECT_EQ(DirectionStep(command).y, 0) << command;
    }
}

}  // namespace
