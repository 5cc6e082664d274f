#include "support/game_state.h"

#include <gtest/gtest.h>

#include <string>

#include "world/command_keys.h"
#include "world/player.h"

void UseStandardKeys() {
    static const std::string kKeys = "5Q82467913<>  giefcxwaltupLsS?mCFqvT";
    keyTable.fill(0);
    for (int32_t command = 0; command < kCommandCount; ++command) {
        if (command == kCommandNone || command == kCommandNever) continue;
        keyTable[command] = static_cast<signed char>(kKeys[static_cast<std::size_t>(command)]);
    }
    player.dotBound = 0;
}

namespace {

// Before every test, in whatever process it runs: the program as it begins,
// with the shipped bindings read.
class FreshProgramForEachTest : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override {
        ResetProgramState(kTestSeed);
        UseStandardKeys();
    }
};

const bool kListening = [] {
    ::testing::UnitTest::GetInstance()->listeners().Append(new FreshProgramForEachTest);
    return true;
}();

}  // namespace
