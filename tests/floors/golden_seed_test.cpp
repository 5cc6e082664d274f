#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "floors/game_dungeon.h"
#include "shell/platform.h"

namespace {

// The catalogue of a few whole dungeons, committed beside this test. A change
// to generation that moves any random draw shows up here. After a deliberate
// change, regenerate it with HOLLOWMERE_REGENERATE_GOLDEN=1 and review the diff.
const char* const kCatalogue = HOLLOWMERE_SOURCE_DIR "/tests/floors/golden_seeds.txt";

std::string Catalogue() {
    std::string text;
    for (uint32_t seed : {1u, 2u, 3u}) {
        GenerateGameDungeon(seed);
        text += "== seed " + std::to_string(seed) + "\n" + SummariseDungeon();
    }
    GenerateGameDungeon(4, 1);
    text += "== seed 4, shortcut start\n" + SummariseDungeon();
    ResetGameState();
    return text;
}

TEST(GoldenSeeds, DungeonsMatchTheCatalogue) {
    if (!LoadGameData().available) GTEST_SKIP() << "the play folder has no data files";
    const std::string text = Catalogue();
    if (!PlatformEnvironment("HOLLOWMERE_REGENERATE_GOLDEN").empty()) {
        std::ofstream(kCatalogue, std::ios::binary) << text;
        GTEST_SKIP() << "catalogue written to " << kCatalogue;
    }
    std::ifstream file(kCatalogue, std::ios::binary);
    ASSERT_TRUE(file) << "no catalogue at " << kCatalogue << "; write it with HOLLOWMERE_REGENERATE_GOLDEN=1";
    std::stringstream expected;
    expected << file.rdbuf();
    // Compared line by line so that a failure names the first floor that changed.
    std::istringstream got(text);
    std::istringstream want(expected.str());
    std::string gotLine;
    std::string wantLine;
    int32_t line = 0;
    while (std::getline(want, wantLine)) {
        ++line;
        ASSERT_TRUE(std::getline(got, gotLine)) << "the dungeons end before line " << line;
        ASSERT_EQ(gotLine, wantLine) << "first difference at line " << line;
    }
    EXPECT_FALSE(std::getline(got, gotLine)) << "the dungeons run on past the catalogue's " << line << " lines";
}

}  // namespace
