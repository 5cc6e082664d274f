#include "game/game_state.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "support/game_state.h"
#include "toolkit/random_mother.h"
#include "world/command_keys.h"
#include "world/item_kind.h"
#include "world/player.h"
#include "world/sage.h"

namespace {

namespace fs = std::filesystem;

std::string ReadSource(const fs::path& file) {
    std::ifstream in(file);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Whoever adds a global lists it where the game's state is listed.
TEST(GameState, EveryGlobalOfTheGameIsListed) {
    const fs::path sources = fs::path(HOLLOWMERE_SOURCE_DIR) / "src";
    const std::string listing = ReadSource(sources / "game/game_state.cpp");
    int globals = 0;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(sources)) {
        if (entry.path().extension() != ".h") continue;
        std::istringstream header(ReadSource(entry.path()));
        for (std::string line; std::getline(header, line);) {
            // "extern Type name;" or "extern Type name[size];", constants left out.
            if (line.rfind("extern ", 0) != 0 || line.find(" const") != std::string::npos || line.find('(') != std::string::npos) {
                continue;
            }
            std::string declarator = line.substr(0, line.find_first_of("[;"));
            const std::string name = declarator.substr(declarator.find_last_of(" *") + 1);
            ++globals;
            EXPECT_NE(listing.find(name), std::string::npos)
                << name << " (" << fs::relative(entry.path(), sources).generic_string() << ") is not listed";
        }
    }
    EXPECT_GT(globals, 20);  // the pattern still finds the declarations
}

// A failed load returns here: a game's state goes, what start-up read stays.
TEST(GameState, AGamesResetKeepsWhatStartUpRead) {
    itemKinds[3].inUse = 1;
    keyTable[kCommandQuit] = 'X';
    player.dotBound = 1;
    player.gold = 77;
    sages.push_back(cSage{});
    ResetGameState(7);
    EXPECT_EQ(itemKinds[3].inUse, 1);
    EXPECT_EQ(keyTable[kCommandQuit], 'X');
    EXPECT_EQ(player.dotBound, 1);
    EXPECT_EQ(player.gold, 0);
    EXPECT_TRUE(sages.empty());
    RandomMother fresh;
    fresh.RandomInit(7);
    EXPECT_EQ(rng.BRandom(), fresh.BRandom());

    ResetProgramState(7);
    EXPECT_EQ(itemKinds[3].inUse, 0);
    EXPECT_EQ(keyTable[kCommandQuit], 0);
    EXPECT_EQ(player.dotBound, 0);
}

}  // namespace
