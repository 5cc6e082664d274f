#include "shell/platform.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

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

// A write that fails at any of its steps leaves the old file whole and no
// temporary file beside it; only a failure to flush the folder comes after
// the new file is in place.
TEST(Platform, AFileIsReplacedWholeOrNotAtAll) {
    ScopedWorkingDirectory folder;
    std::filesystem::create_directory("Data");
    const std::string path = "Data/Bob.hmd";
    const std::string old(5000, 'o');
    const std::string next(70000, 'n');
    ASSERT_TRUE(PlatformWriteFileAtomically(path, old.data(), old.size()));
    int32_t step = 1;
    for (;; ++step) {
        PlatformFailFileStep(step);
        const bool written = PlatformWriteFileAtomically(path, next.data(), next.size());
        EXPECT_FALSE(std::filesystem::exists(path + ".tmp")) << "step " << step;
        if (written) break;
        const std::string now = Contents(path);
        if (now == next) {
            // The folder could not be flushed: the one step after the rename.
            PlatformFailFileStep(0);
            ASSERT_TRUE(PlatformWriteFileAtomically(path, old.data(), old.size()));
            continue;
        }
        EXPECT_EQ(now, old) << "step " << step;
    }
    EXPECT_GE(step, 7);
    EXPECT_EQ(Contents(path), next);
    PlatformFailFileStep(0);

    // A folder that does not exist takes nothing and leaves nothing.
    EXPECT_FALSE(PlatformWriteFileAtomically("Nowhere/x.hmd", old.data(), old.size()));
    EXPECT_FALSE(std::filesystem::exists("Nowhere"));
}

}  // namespace
