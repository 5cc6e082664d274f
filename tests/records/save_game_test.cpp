// The save file on disk: the save command, loading, what a load refuses, a
// save that cannot be written, and the termination handler.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>

#include "game/game.h"
#include "records/save_game.h"
#include "records/saved_game.h"
#include "shell/command_line.h"
#include "support/screen_test.h"
#include "support/working_directory.h"
#include "toolkit/message_log.h"
#include "toolkit/platform.h"
#include "toolkit/run_length.h"
#include "toolkit/toolkit_hooks.h"
#include "world/game_status.h"

namespace {

namespace fs = std::filesystem;

constexpr uint32_t kGameSeed = 77;

std::vector<uint8_t> FileBytes(const std::string& path) {
    std::string bytes;
    PlatformReadFile(path, size_t{64} << 20, bytes);
    return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

void PutFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    ASSERT_TRUE(PlatformWriteFileAtomically(path, bytes.data(), bytes.size()));
}

int32_t I32At(const std::vector<uint8_t>& bytes, size_t offset) {
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i) value |= static_cast<uint32_t>(bytes[offset + static_cast<size_t>(i)]) << (8 * i);
    return static_cast<int32_t>(value);
}

class SaveGameFile : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        if (!MakeNewGame(kGameSeed)) GTEST_SKIP() << "the play folder has no data files";
    }

    // The packed save of the game as it is now, as the save command writes it.
    static std::vector<uint8_t> PackedGame() { return RunLengthPack(WriteSaveStream()); }

    static void UseNameMode() {
        programArgs = {"-name", "Tester"};
        fs::create_directories("Data/Tester");
    }

    ScopedWorkingDirectory directory;
};

TEST_F(SaveGameFile, TheQuestionIgnoresOtherKeysAndNoLeavesTheGame) {
    Type("x5n");
    EXPECT_EQ(SaveAndQuitPrompt(), 0);
    EXPECT_EQ(Row(19), std::string(80, ' '));
    EXPECT_NE(Messages().find("Do you want to save (and quit) the game? (y/n)"), std::string::npos);
    EXPECT_FALSE(fs::exists("Tester.hmd"));
}

// The n-th save writes n as its count; the program ends after "Saved!".
TEST_F(SaveGameFile, YesSavesTheGameAndEnds) {
    player.saveCount = 4;
    EXPECT_EXIT(
        {
            Type("Y");
            SaveAndQuitPrompt();
        },
        ::testing::ExitedWithCode(1), "");
    const std::vector<uint8_t> stream = RunLengthUnpack(FileBytes("Tester.hmd"));
    ASSERT_FALSE(stream.empty());
    const size_t playerStart = 4 + 4 + 20 * sages.size() + 60 * 87 + 35 * 88 + 45;
    EXPECT_EQ(I32At(stream, playerStart + 615), 5);
    player.saveCount = 5;
    EXPECT_EQ(stream, WriteSaveStream());
    for (const auto& entry : fs::directory_iterator(".")) {
        EXPECT_NE(entry.path().extension(), ".tmp") << entry.path();  // no temporary file is left behind
    }
}

TEST_F(SaveGameFile, ALoadRestoresTheGameAndTakesTheSaveAlongOutsideNameMode) {
    Type(std::string(500, ' '));
    PlayScriptedTurns(50);
    const std::vector<uint8_t> saved = WriteSaveStream();
    PutFile("Tester.hmd", RunLengthPack(saved));
    ResetGameState();
    ASSERT_TRUE(LoadGame("Tester"));
    EXPECT_EQ(WriteSaveStream(), saved);
    EXPECT_FALSE(fs::exists("Tester.hmd"));

    UseNameMode();
    PutFile("Data/Tester/Tester.hmd", RunLengthPack(saved));
    ResetGameState();
    ASSERT_TRUE(LoadGame("Tester"));
    EXPECT_EQ(WriteSaveStream(), saved);
    EXPECT_TRUE(fs::exists("Data/Tester/Tester.hmd"));
}

TEST_F(SaveGameFile, AMissingSaveIsToldAndNothingIsLoaded) {
    Type("k");
    EXPECT_FALSE(LoadGame("Nobody"));
    EXPECT_EQ(TextAt(5, 11, 57), "Couldn't open the save file. Are you sure that it exists?");
    EXPECT_EQ(TextAt(6, 19, 38), "Press a key to return to the main menu");
    EXPECT_EQ(ColourAt(5, 11), kRed);
}

// Damaged saves, packed as they lie on disk: cut short at many lengths or with
// a byte changed, each is refused with its message and kept, and no part of
// it reaches the game.
TEST_F(SaveGameFile, ADamagedSaveIsRefusedAndKept) {
    const std::vector<uint8_t> packed = PackedGame();
    std::vector<std::vector<uint8_t>> damaged;
    for (size_t length : {size_t{0}, size_t{3}, size_t{100}, packed.size() / 3, packed.size() / 2, packed.size() - 1}) {
        damaged.emplace_back(packed.begin(), packed.begin() + static_cast<std::ptrdiff_t>(length));
    }
    std::vector<uint8_t> longer = packed;
    longer.push_back(7);
    damaged.push_back(longer);
    // Counts of 255 copies over and over: far more bytes than any game holds.
    std::vector<uint8_t> hugeRuns = packed;
    hugeRuns.push_back(66);
    hugeRuns.push_back(65);
    for (int32_t i = 0; i < 300000; ++i) {
        hugeRuns.push_back(65);
        hugeRuns.push_back(255);
    }
    damaged.push_back(hugeRuns);
    for (const std::vector<uint8_t>& bytes : damaged) {
        SCOPED_TRACE(std::to_string(bytes.size()) + " bytes");
        ASSERT_TRUE(MakeNewGame(kGameSeed));
        PutFile("Tester.hmd", bytes);
        Type("k");
        EXPECT_FALSE(LoadGame("Tester"));
        EXPECT_EQ(TextAt(5, 11, 45), "The save file is damaged and can't be loaded.");
        EXPECT_EQ(TextAt(6, 19, 38), "Press a key to return to the main menu");
        EXPECT_EQ(FileBytes("Tester.hmd"), bytes);
        EXPECT_EQ(player.name[0], '\0');
        EXPECT_EQ(monsterListHead, nullptr);
    }
}

TEST_F(SaveGameFile, ASaveOfAnotherVersionEndsTheProgramAndStays) {
    std::vector<uint8_t> stream = WriteSaveStream();
    stream[0] = 105;
    PutFile("Tester.hmd", RunLengthPack(stream));
    EXPECT_EXIT(
        {
            Type("k");
            LoadGame("Tester");
        },
        ::testing::ExitedWithCode(1), "");
    EXPECT_TRUE(fs::exists("Tester.hmd"));
}

// A save that cannot be written, at whatever step, keeps the older save whole:
// the player is told, the count of saves stays, and the game goes on.
TEST_F(SaveGameFile, ASaveThatCannotBeWrittenKeepsTheOlderOne) {
    UseNameMode();
    const std::vector<uint8_t> older = PackedGame();
    PutFile("Data/Tester/Tester.hmd", older);
    Type(std::string(50, ' '));
    for (int32_t step : {1, 2, 3, 4, 5, 6}) {
        PlatformFailFileStep(step);
        SaveGame();
        EXPECT_EQ(FileBytes("Data/Tester/Tester.hmd"), older) << "step " << step;
        EXPECT_EQ(player.saveCount, 0) << "step " << step;
    }
    PlatformFailFileStep(0);
    EXPECT_NE(Messages().find("The save file couldn't be written, so the game goes on. An older save is kept as it was."),
              std::string::npos);

    // Without the character's folder nothing can be written either, and
    // there is no older save to speak of.
    fs::remove_all("Data");
    messageLog = MessageLog();
    SaveGame();
    EXPECT_FALSE(fs::exists("Data"));
    EXPECT_NE(Messages().find("The save file couldn't be written, so the game goes on."), std::string::npos);
    EXPECT_EQ(Messages().find("older save"), std::string::npos) << Messages();
}

// Once the new save has taken the old one's name the game is saved, even when
// the folder cannot be flushed after it: "Saved!", and the program ends.
TEST_F(SaveGameFile, ASaveInPlaceIsSavedThoughTheFolderCannotBeFlushed) {
    UseNameMode();
    PutFile("Data/Tester/Tester.hmd", PackedGame());
    EXPECT_EXIT(
        {
            PlatformFailFileStep(7);
            SaveGame();
        },
        ::testing::ExitedWithCode(1), "");
    player.saveCount = 1;
    EXPECT_EQ(RunLengthUnpack(FileBytes("Data/Tester/Tester.hmd")), WriteSaveStream());
}

// In "-name" mode there is no title menu to go back to.
TEST_F(SaveGameFile, ANamedSaveThatCannotBeLoadedSaysTheProgramEnds) {
    UseNameMode();
    PutFile("Data/Tester/Tester.hmd", {1, 2, 3});
    Type("k");
    EXPECT_FALSE(LoadGame("Tester"));
    EXPECT_EQ(TextAt(5, 11, 45), "The save file is damaged and can't be loaded.");
    EXPECT_EQ(Row(6), std::string(19, ' ') + "Press a key to exit." + std::string(41, ' '));
    EXPECT_EQ(ColourAt(6, 19), kRed);
}

TEST_F(SaveGameFile, TerminationSavesTheLivingAndRemovesTheDeadsSave) {
    UseNameMode();
    EXPECT_EXIT(OnTerminate(15), ::testing::ExitedWithCode(1), "");
    const std::vector<uint8_t> saved = RunLengthUnpack(FileBytes("Data/Tester/Tester.hmd"));
    player.saveCount = 1;
    EXPECT_EQ(saved, WriteSaveStream());

    player.hp = 0;
    EXPECT_EXIT(OnTerminate(1), ::testing::ExitedWithCode(1), "");
    EXPECT_FALSE(fs::exists("Data/Tester/Tester.hmd"));
}

// A signal met at a "-More-" in the middle of a turn finds monsters that have
// died but are not yet purged: the save holds only the living, and a save
// written before that was so is mended when it is loaded.
TEST_F(SaveGameFile, MonstersWaitingToBePurgedAreNeverSavedOrLoaded) {
    UseNameMode();
    ASSERT_NE(monsterListHead, nullptr);
    Monster* dying = monsterListHead;
    dying->hp = 0;
    dying->alive = 0;
    const int32_t floor = dying->floor;
    const XY square{dying->x, dying->y};
    ASSERT_EQ(floorArray[floor].At(square.x, square.y).monsterPresent, 1);
    const std::vector<uint8_t> withTheDead = WriteSaveStream();

    EXPECT_EXIT(OnTerminate(SIGTERM), ::testing::ExitedWithCode(1), "");
    const std::vector<uint8_t> saved = RunLengthUnpack(FileBytes("Data/Tester/Tester.hmd"));
    PurgeDeadMonsters();
    player.saveCount = 1;
    EXPECT_EQ(saved, WriteSaveStream());

    ResetGameState();
    ASSERT_EQ(ReadSaveStream(withTheDead), SaveStreamResult::kRead);
    for (const Monster* monster = monsterListHead; monster != nullptr; monster = monster->next) {
        EXPECT_NE(monster->alive, 0);
    }
    EXPECT_EQ(FindMonsterAt(square.x, square.y, floor), nullptr);
    EXPECT_FALSE(IsMonsterAt(square.x, square.y, floor));
    EXPECT_EQ(floorArray[floor].At(square.x, square.y).monsterPresent, 0);
}

// A signal while a save is being loaded, a character made or the victory shown
// (no game in play) ends the program without writing a save.
TEST_F(SaveGameFile, TerminationWithNoGameInPlayWritesNoSave) {
    UseNameMode();
    InstallToolkitHooks();
    gameInPlay = 0;
    EXPECT_EXIT(toolkitHooks.terminate(15), ::testing::ExitedWithCode(1), "");
    EXPECT_FALSE(fs::exists("Data/Tester/Tester.hmd"));
    gameInPlay = 1;
    EXPECT_EXIT(toolkitHooks.terminate(15), ::testing::ExitedWithCode(1), "");
    EXPECT_TRUE(fs::exists("Data/Tester/Tester.hmd"));
}

}  // namespace
