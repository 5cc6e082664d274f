#include "shell/command_line.h"

#include <gtest/gtest.h>

#include "support/game_state.h"

namespace {

std::string ProblemWith(std::vector<std::string> arguments) {
    std::vector<char*> argv{const_cast<char*>("hollowmere")};
    for (std::string& argument : arguments) argv.push_back(argument.data());
    StoreProgramArguments(static_cast<int>(argv.size()), argv.data());
    return CommandLineProblem();
}

TEST(CommandLine, NoArgumentsIsOrdinaryPlay) {
    EXPECT_EQ(ProblemWith({}), "");
    EXPECT_EQ(programArgs, std::vector<std::string>{"Noargs"});
    EXPECT_FALSE(IsNameMode());
}

TEST(CommandLine, NameModeNeedsASafeName) {
    EXPECT_EQ(ProblemWith({"-name"}), "Provide a name too.");
    EXPECT_EQ(ProblemWith({"-name", "Tester"}), "");
    EXPECT_TRUE(IsNameMode());
    EXPECT_EQ(NamedCharacter(), "Tester");
    EXPECT_EQ(CharacterFilePath("Tester", ".hmd"), "Data/Tester/Tester.hmd");
    for (const char* refused : {"", ".", "..", "../evil", "a/b", "a\\b", "fifteen letters", "tab\there", "\x7f", " ", "    "}) {
        EXPECT_NE(ProblemWith({"-name", refused}), "") << refused;
    }
    EXPECT_EQ(ProblemWith({"-name", "fourteen chars"}), "");
    EXPECT_EQ(ProblemWith({"-name", "Sir Tom.the 2nd"}).empty(), false);  // 15 characters
    EXPECT_EQ(ProblemWith({"-name", "Sir Tom, 2nd!"}), "");
    EXPECT_EQ(ProblemWith({"-name", " Tom "}), "");
}

TEST(CommandLine, OnlyTheFirstArgumentCounts) {
    EXPECT_EQ(ProblemWith({"-scores", "-name"}), "");
    EXPECT_EQ(FirstArgument(), "-scores");
    EXPECT_EQ(ProblemWith({"x", "-name"}), "");
    EXPECT_FALSE(IsNameMode());
    ResetGameState();
}

}  // namespace
