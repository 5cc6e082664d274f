#include <gtest/gtest.h>

#include <string>

#include "floors/game_dungeon.h"
#include "support/golden_catalogue.h"

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
    CompareWithCatalogue(kCatalogue, Catalogue());
}

}  // namespace
