#include "toolkit/platform.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/working_directory.h"

namespace {

// Saves, score tables, data and key files are read only when they are regular
// files: a named pipe would wait for a writer for ever.
TEST(Platform, OnlyRegularFilesAreRead) {
    ScopedWorkingDirectory folder;
    std::ofstream("plain.txt") << "abcdef";
    ASSERT_EQ(mkfifo("pipe.hmd", 0644), 0);
    std::filesystem::create_directory("folder.hmd");

    std::string bytes;
    EXPECT_TRUE(PlatformCanRead("plain.txt"));
    EXPECT_TRUE(PlatformReadFile("plain.txt", 4, bytes));
    EXPECT_EQ(bytes, "abcd");
    EXPECT_TRUE(PlatformReadFile("plain.txt", 100, bytes));
    EXPECT_EQ(bytes, "abcdef");

    for (const char* missing : {"pipe.hmd", "folder.hmd", "nothing.hmd"}) {
        EXPECT_FALSE(PlatformCanRead(missing)) << missing;
        EXPECT_FALSE(PlatformReadFile(missing, 100, bytes)) << missing;
        EXPECT_EQ(PlatformOpenForReading(missing), nullptr) << missing;
    }
}

std::string Contents(const std::string& path) {
    std::string bytes;
    PlatformReadFile(path, 1 << 20, bytes);
    return bytes;
}

// The names in a folder, sorted.
std::vector<std::string> NamesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

// A write that fails at any of its steps up to the rename leaves the old file
// whole and no temporary file beside it. Once renamed, the new file is in
// place and the write says so, even when the folder cannot be flushed after it.
// Another program's temporary file beside it is never touched.
TEST(Platform, AFileIsReplacedWholeOrNotAtAll) {
    ScopedWorkingDirectory folder;
    std::filesystem::create_directory("Data");
    const std::string path = "Data/Bob.hmd";
    const std::string theirs = "Data/Bob.hmd.1.tmp";
    std::ofstream(theirs) << "theirs";
    const std::string old(5000, 'o');
    const std::string next(70000, 'n');
    ASSERT_TRUE(PlatformWriteFileAtomically(path, old.data(), old.size()));
    int32_t step = 1;
    for (;; ++step) {
        PlatformFailFileStep(step);
        const bool written = PlatformWriteFileAtomically(path, next.data(), next.size());
        EXPECT_EQ(NamesIn("Data"), (std::vector<std::string>{"Bob.hmd", "Bob.hmd.1.tmp"})) << "step " << step;
        const bool inPlace = Contents(path) == next;
        EXPECT_EQ(written, inPlace) << "step " << step;
        if (inPlace) break;
        EXPECT_EQ(Contents(path), old) << "step " << step;
    }
    // The last step, flushing the folder, came after the rename.
    EXPECT_GE(step, 7);
    PlatformFailFileStep(0);
    EXPECT_EQ(Contents(theirs), "theirs");

    // A folder that does not exist takes nothing and leaves nothing.
    EXPECT_FALSE(PlatformWriteFileAtomically("Nowhere/x.hmd", old.data(), old.size()));
    EXPECT_FALSE(std::filesystem::exists("Nowhere"));
}

// A file that may replace nothing: a taken name is left alone, and a write
// that fails halfway leaves no file.
TEST(Platform, ANewFileReplacesNothing) {
    ScopedWorkingDirectory folder;
    EXPECT_EQ(PlatformWriteNewFile("report.txt", "first", 5), NewFileResult::kWritten);
    EXPECT_EQ(PlatformWriteNewFile("report.txt", "second", 6), NewFileResult::kNameTaken);
    EXPECT_EQ(Contents("report.txt"), "first");
    for (int step = 1; step <= 4; ++step) {
        PlatformFailFileStep(step);
        EXPECT_EQ(PlatformWriteNewFile("other.txt", "x", 1), NewFileResult::kFailed) << "step " << step;
        EXPECT_FALSE(std::filesystem::exists("other.txt")) << "step " << step;
    }
    PlatformFailFileStep(0);
    EXPECT_EQ(PlatformWriteNewFile("Nowhere/x.txt", "x", 1), NewFileResult::kFailed);
}

// Whatever has the name counts, readable or not.
TEST(Platform, APathExistsWhateverItIs) {
    ScopedWorkingDirectory folder;
    std::ofstream("plain.txt") << "abc";
    ASSERT_EQ(mkfifo("pipe.hmd", 0644), 0);
    std::filesystem::create_directory("folder.hmd");
    std::filesystem::create_symlink("nowhere.hmd", "dangling.hmd");
    for (const char* there : {"plain.txt", "pipe.hmd", "folder.hmd", "dangling.hmd"}) {
        EXPECT_TRUE(PlatformPathExists(there)) << there;
    }
    for (const char* missing : {"nothing.hmd", "plain.txt/inside", "nothing/inside"}) {
        EXPECT_FALSE(PlatformPathExists(missing)) << missing;
    }
}

}  // namespace
