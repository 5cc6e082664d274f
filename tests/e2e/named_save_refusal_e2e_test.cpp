// The built program in "-name" mode when something that cannot be read stands
// where the character's save belongs: it is refused, and never played over.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "support/game_session.h"

namespace {

TEST(NamedSaveRefusal, AnUnreadableSaveIsRefusedAndKept) {
    for (const bool folder : {true, false}) {
        SCOPED_TRACE(folder ? "a folder" : "a named pipe");
        GameSession game;
        const std::string save = game.WorkingDirectory() + "/Data/Bob/Bob.hmd";
        std::filesystem::create_directories(game.WorkingDirectory() + "/Data/Bob");
        if (folder) {
            std::filesystem::create_directory(save);
        } else {
            ASSERT_EQ(mkfifo(save.c_str(), 0644), 0);
        }
        game.Start(SessionOptions().WithArguments({"-name", "Bob"}));
        EXPECT_SHOWN(game, 5, 11, "The save file is damaged and can't be loaded.");
        EXPECT_SHOWN(game, 6, 19, "Press a key to exit.");
        game.Type("k");
        const std::optional<int> code = game.WaitForExit();
        ASSERT_TRUE(code.has_value()) << game.Dump();
        EXPECT_EQ(*code, 1);
        EXPECT_EQ(game.SanitizerReports(), "");
        EXPECT_EQ(std::filesystem::is_directory(save), folder);
        EXPECT_EQ(std::filesystem::is_fifo(save), !folder);
    }
}

}  // namespace
