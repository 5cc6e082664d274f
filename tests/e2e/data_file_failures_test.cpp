// The built program in a tmux session when a data file is missing or of another
// version: the red texts over the start-up screen, one key, exit code 1, and no
// file written or changed.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <functional>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include <sys/stat.h>

#include "support/game_session.h"

namespace {

namespace fs = std::filesystem;

struct ShownText {
    int column;
    int row;
    std::string text;
};

// What becomes of the file before the program starts.
enum class Spoiling { kRemoved, kVersion, kNamedPipe, kFolder };

struct DataFileFailure {
    const char* name;
    const char* file;
    Spoiling spoiling;
    // For kVersion: the version field is set to this.
    int32_t version;
    std::vector<ShownText> texts;
};

void PrintTo(const DataFileFailure& failure, std::ostream* out) { *out << failure.name; }

const std::vector<DataFileFailure>& Failures() {
    static const std::vector<DataFileFailure> failures = {
        {"MonsterFileMissing",
         "monsters.hmd",
         Spoiling::kRemoved,
         0,
         {
             {22, 2, "You don't have the monsters.hmd file!"},
             {0, 4, "Windows:"},
             {1, 5, "If you're using the pre-configured shortcut for the first time now, you didn't"},
             {1, 6, "enter the working directory correctly to the shortcut. The first line in the"},
             {1, 7, "shortcut should point to the .exe, you did this correctly, but the second line"},
             {1, 8, "needs to point to the folder where the data files are: this folder. Go back"},
             {1, 9, "and make sure the first line is for example \"C:\\...\\HM\\Hollowmere.exe\""},
             {1, 10, "and the second is \"C:\\...\\HM\\ This should fix it.    "},
             {0, 12, "Linux/OS X/General:"},
             {1, 13, "If you're sure you have the file next to this executable file, make sure that"},
             {1, 14, "your working directory is set to the folder where the files are. Your computer"},
             {1, 15, "could be looking for the files from your home folder. Consult Google or try"},
             {1, 16, "running the executable from the terminal instead of double clicking the file."},
             {28, 18, "Press a key to exit."},
         }},
        {"MonsterFileOfAnOlderVersion",
         "monsters.hmd",
         Spoiling::kVersion,
         105,
         {{20, 4, "The monster file's version isn't correct."}, {28, 5, "Press a key to exit."}}},
        {"ItemFileMissing",
         "items.hmd",
         Spoiling::kRemoved,
         0,
         {{23, 20, "You don't have the items.hmd file!"}, {28, 5, "Press a key to exit."}}},
        {"ItemFileOfANewerVersion",
         "items.hmd",
         Spoiling::kVersion,
         107,
         {{22, 20, "Item file's version isn't correct."}, {28, 5, "Press a key to exit."}}},
        // Only a regular file is read: a named pipe would keep start-up waiting for ever.
        {"ItemFileIsANamedPipe",
         "items.hmd",
         Spoiling::kNamedPipe,
         0,
         {{23, 20, "You don't have the items.hmd file!"}, {28, 5, "Press a key to exit."}}},
        {"KeyFileIsANamedPipe",
         "Keybindings.txt",
         Spoiling::kNamedPipe,
         0,
         {{20, 20, "You don't have the keybindings.txt file!"}, {28, 5, "Press a key to exit."}}},
        {"ItemFileIsAFolder",
         "items.hmd",
         Spoiling::kFolder,
         0,
         {{23, 20, "You don't have the items.hmd file!"}, {28, 5, "Press a key to exit."}}},
    };
    return failures;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Every file under the working directory with its size and a hash of its content,
// leaving out what the session itself writes around the program.
std::map<std::string, std::string> FilesIn(const std::string& directory) {
    std::map<std::string, std::string> files;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(directory)) {
        const std::string name = fs::relative(entry.path(), directory).generic_string();
        if (name == "run.sh" || name == "exit_status" || name.rfind("sanitizer", 0) == 0) continue;
        if (!entry.is_regular_file()) {
            files[name] = "(folder)";
            continue;
        }
        const std::string content = ReadFile(entry.path().string());
        files[name] = std::to_string(content.size()) + " bytes, hash " + std::to_string(std::hash<std::string>{}(content));
    }
    return files;
}

class DataFileFailureScreen : public ::testing::TestWithParam<DataFileFailure> {};

TEST_P(DataFileFailureScreen, ShowsItsRedTextsAndEndsAfterOneKeyWritingNothing) {
    const DataFileFailure& failure = GetParam();
    GameSession game;
    const std::string path = game.WorkingDirectory() + "/" + failure.file;
    if (failure.spoiling == Spoiling::kVersion) {
        std::string content = ReadFile(path);
        ASSERT_GE(content.size(), 4u);
        const auto version = static_cast<uint32_t>(failure.version);
        for (int byte = 0; byte < 4; ++byte) content[static_cast<size_t>(byte)] = static_cast<char>(version >> (8 * byte));
        game.WriteFile(failure.file, content);
    } else {
        game.RemoveFile(failure.file);
    }
    if (failure.spoiling == Spoiling::kNamedPipe) {
        ASSERT_EQ(mkfifo(path.c_str(), 0644), 0);
    }
    if (failure.spoiling == Spoiling::kFolder) {
        ASSERT_TRUE(fs::create_directory(path));
    }
    const std::map<std::string, std::string> before = FilesIn(game.WorkingDirectory());

    game.Start();
    for (const ShownText& shown : failure.texts) {
        EXPECT_TRUE(game.WaitForText(shown.row, shown.column, shown.text))
            << "expected \"" << shown.text << "\" at row " << shown.row << ", column " << shown.column << game.Dump();
    }
    const std::vector<std::vector<ShownCell>> screen = game.ColouredScreen();
    ASSERT_EQ(screen.size(), 25u) << game.Dump();
    for (const ShownText& shown : failure.texts) {
        for (size_t i = 0; i < shown.text.size(); ++i) {
            if (shown.text[i] == ' ') continue;
            const ShownCell& cell = screen[static_cast<size_t>(shown.row)][static_cast<size_t>(shown.column) + i];
            EXPECT_EQ(cell.foreground, 1) << "not red at row " << shown.row << ", column " << shown.column + i;
            EXPECT_FALSE(cell.bold) << "bright at row " << shown.row << ", column " << shown.column + i;
        }
    }
    // The texts are drawn over the start-up screen, which is not cleared first.
    if (std::string(failure.name) != "MonsterFileMissing") {
        EXPECT_TRUE(game.WaitForText(10, 20, "Initializing game, please wait...")) << game.Dump();
    }

    EXPECT_FALSE(game.WaitForExit(0.5).has_value()) << "ended before a key was pressed" << game.Dump();
    game.Type("x");
    const std::optional<int> code = game.WaitForExit();
    ASSERT_TRUE(code.has_value()) << "the program did not end" << game.Dump();
    EXPECT_EQ(*code, 1);
    EXPECT_EQ(game.SanitizerReports(), "");
    EXPECT_EQ(FilesIn(game.WorkingDirectory()), before) << "a file was written or changed";
}

INSTANTIATE_TEST_SUITE_P(DataFiles, DataFileFailureScreen, ::testing::ValuesIn(Failures()),
                         [](const ::testing::TestParamInfo<DataFileFailure>& info) { return std::string(info.param.name); });

}  // namespace
