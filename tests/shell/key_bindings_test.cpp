#include "shell/key_bindings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "shell/command_line.h"
#include "support/screen_test.h"
#include "support/working_directory.h"
#include "world/player.h"

namespace {

KeybindingFile Parse(const std::string& text) {
    std::istringstream in(text);
    return ParseKeybindings(in);
}

const char* const kStandard = "5Q82467913<>  giefcxwaltupLsS?mCFqvT";

TEST(KeybindingFile, BindsSymbolsInCommandOrderSkippingTheTwoFreeIndices) {
    const KeybindingFile file = Parse(std::string("  120\n") + kStandard + " Z # anything after the last key is ignored");
    ASSERT_EQ(file.outcome, KeybindingFile::kReadable);
    EXPECT_EQ(file.delayMs, 120);
    EXPECT_EQ(file.keys[kCommandRest], '5');
    EXPECT_EQ(file.keys[kCommandDescend], '>');
    EXPECT_EQ(file.keys[kCommandNone], 0);
    EXPECT_EQ(file.keys[kCommandNever], 0);
    EXPECT_EQ(file.keys[kCommandPickUp], 'g');
    EXPECT_EQ(file.keys[kCommandTarget], 'T');
    EXPECT_FALSE(file.dotBound);
}

TEST(KeybindingFile, CommentsAndShortFiles) {
    // A '#' right after a symbol binds the symbol and starts a comment.
    const KeybindingFile file = Parse("10 # delay\n# a whole line\n.#rest\nQ  8 # north\n2");
    ASSERT_EQ(file.outcome, KeybindingFile::kReadable);
    EXPECT_EQ(file.keys[kCommandRest], '.');
    EXPECT_TRUE(file.dotBound);
    EXPECT_EQ(file.keys[kCommandQuit], 'Q');
    EXPECT_EQ(file.keys[kCommandNorth], '8');
    EXPECT_EQ(file.keys[kCommandSouth], '2');
    EXPECT_EQ(file.keys[kCommandWest], 0);  // fewer symbols leave the rest unbound
}

TEST(KeybindingFile, RefusesSpoiledAndAmbiguousFiles) {
    const struct {
        const char* text;
        const char* why;
    } spoiled[] = {
        {"# comment first\n50 5Q8", "no number first"},
        {"fast 5Q8", "no number first"},
        {"", "empty"},
        {"50 5Q\xbd" "8", "the byte that means no key"},
        {"50 5Q8\xe9" "4", "a letter no key gives"},
        {"50 5Q8\x01" "4", "a control character"},
        {"50 5", "quit left unbound: a game that cannot be left"},
    };
    for (const auto& file : spoiled) EXPECT_EQ(Parse(file.text).outcome, KeybindingFile::kSpoiled) << file.why;

    const KeybindingFile twice = Parse("50 5zqz2q");
    EXPECT_EQ(twice.outcome, KeybindingFile::kSymbolBoundTwice);
    EXPECT_EQ(twice.collidingSymbol, 'q');  // the lower of the two colliding symbols
}

TEST(KeybindingFile, TheShippedFileBindsEveryCommandTheWayTheTutorialTellsIt) {
    std::ifstream in(std::string(HOLLOWMERE_SOURCE_DIR) + "/data/Keybindings.txt");
    ASSERT_TRUE(in);
    const KeybindingFile file = ParseKeybindings(in);
    ASSERT_EQ(file.outcome, KeybindingFile::kReadable);
    EXPECT_GT(file.delayMs, 0);
    for (int32_t command = 0; command < kCommandCount; ++command) {
        if (command == kCommandNone || command == kCommandNever) continue;
        EXPECT_EQ(file.keys[command], kStandard[command]) << "command " << command;
    }
}

}  // namespace

namespace {

class KeybindingReading : public ScreenTest {};

TEST_F(KeybindingReading, ANamedCharactersOwnFileWinsAndANegativeDelayIsNoDelay) {
    const ScopedWorkingDirectory directory;
    std::ofstream("Keybindings.txt") << "30 5Q82467913<>";
    ReadKeybindings();
    EXPECT_EQ(runDelayMs, 30);
    EXPECT_EQ(keyTable[kCommandNorth], '8');
    EXPECT_EQ(keyTable[kCommandPickUp], 0);

    programArgs = {"-name", "Tester"};
    ReadKeybindings();  // no file of its own yet: the common one
    EXPECT_EQ(runDelayMs, 30);

    std::filesystem::create_directories("Data/Tester");
    std::ofstream("Data/Tester/Tester.txt") << "-5 .Qkjhlyubn";
    ReadKeybindings();
    EXPECT_EQ(runDelayMs, 0);
    EXPECT_EQ(keyTable[kCommandNorth], 'k');
    EXPECT_EQ(player.dotBound, 1);
}

}  // namespace
