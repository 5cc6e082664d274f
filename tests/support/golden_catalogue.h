#pragma once
// Golden catalogues: a text that a test produces from fixed seeds, compared with
// a file committed beside the test, so that any change in the order of the
// random draws shows up as a reviewed diff. After a deliberate change, run the
// test with HOLLOWMERE_REGENERATE_GOLDEN=1 to write the file anew.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "toolkit/platform.h"

// Compares line by line, so that a failure names the first line that changed;
// with the regenerate switch set, writes the catalogue instead and skips.
inline void CompareWithCatalogue(const std::string& path, const std::string& text) {
    if (!PlatformEnvironment("HOLLOWMERE_REGENERATE_GOLDEN").empty()) {
        std::ofstream(path, std::ios::binary) << text;
        GTEST_SKIP() << "catalogue written to " << path;
    }
    std::ifstream file(path, std::ios::binary);
    ASSERT_TRUE(file) << "no catalogue at " << path << "; write it with HOLLOWMERE_REGENERATE_GOLDEN=1";
    std::stringstream expected;
    expected << file.rdbuf();
    std::istringstream got(text);
    std::istringstream want(expected.str());
    std::string gotLine;
    std::string wantLine;
    int32_t line = 0;
    while (std::getline(want, wantLine)) {
        ++line;
        ASSERT_TRUE(std::getline(got, gotLine)) << "the text ends before line " << line << " of " << path;
        ASSERT_EQ(gotLine, wantLine) << "first difference at line " << line << " of " << path;
    }
    EXPECT_FALSE(std::getline(got, gotLine)) << "the text runs on past the " << line << " lines of " << path;
}
