#include <gtest/gtest.h>

#include <string>

#include "floors/game_dungeon.h"
#include "support/golden_catalogue.h"
#include "support/random_paths.h"

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

// Every way of making the draws must give the same dungeons.
using GoldenSeeds = EveryRandomPath;

TEST_P(GoldenSeeds, DungeonsMatchTheCatalogue) {
    if (!LoadGameData().available) GTEST_SKIP() << "the play folder has no data files";
    CompareWithCatalogue(kCatalogue, Catalogue());
}

INSTANTIATE_TEST_SUITE_P(Paths, GoldenSeeds, kEveryRandomPath, RandomPathTestName);

}  // namespace
