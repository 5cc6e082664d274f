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

}  // namespace
