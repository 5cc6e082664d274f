#include "support/game_state.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "toolkit/drawing.h"
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

namespace fs = std::filesystem;

// Before every test, in whatever process it runs: the program as it begins,
// with the shipped bindings read, and its waits skipped. The test runs in a
// fresh scratch folder of its own, so that a file it writes without asking
// lands there and goes with the folder.
class FreshProgramForEachTest : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override {
        ResetProgramState(kTestSeed);
        UseStandardKeys();
        SetWaitPercent(0);
        std::string pattern = (fs::temp_directory_path() / "hollowmere-scratch-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make a scratch folder");
        runFolder_ = fs::current_path();
        scratch_ = pattern;
        fs::current_path(scratch_);
    }
    void OnTestEnd(const ::testing::TestInfo&) override {
        std::error_code ignored;
        fs::current_path(runFolder_, ignored);
        fs::remove_all(scratch_, ignored);
    }

    fs::path runFolder_;
    fs::path scratch_;
};

const bool kListening = [] {
    ::testing::UnitTest::GetInstance()->listeners().Append(new FreshProgramForEachTest);
    return true;
}();

}  // namespace
