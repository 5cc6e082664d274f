// The careful player plays a seed through the game's own keys without breaking
// the game's invariants, and the same seed plays the same game again.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "careful_player/careful_brain.h"
#include "careful_player/careful_game.h"
#include "careful_player/careful_summary.h"

namespace fs = std::filesystem;

namespace {

// The data files of the ready-to-play folder, copied into the test's own working directory.
void CopyPlayFiles() {
    for (const char* name : {"monsters.hmd", "items.hmd", "floors.hmd", "Keybindings.txt"}) {
        fs::copy_file(fs::path(HOLLOWMERE_PLAY_DIR) / name, name, fs::copy_options::overwrite_existing);
    }
    fs::create_directories("Mortems");
}

// One game of the seed, capped at a few hundred turns and checked after every
// pass, in a process of its own; its line of results.
std::string PlayCapped(uint32_t seed, const char* training) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) return "no pipe";
    const std::string scratch = "game-" + std::to_string(seed);
    fs::remove_all(scratch);
    fs::create_directory(scratch);
    const pid_t child = fork();
    if (child == 0) {
        close(pipeEnds[0]);
        CarefulGameOptions options;
        options.turnCap = 400;
        options.keysWithoutATurn = 5000;
        options.checkInvariants = true;
        PlayCarefulGame(seed, *FindCarefulTraining(training), options, pipeEnds[1], scratch.c_str());
    }
    close(pipeEnds[1]);
    std::string line;
    char buffer[4096];
    ssize_t got = 0;
    while ((got = read(pipeEnds[0], buffer, sizeof buffer)) > 0) line.append(buffer, static_cast<size_t>(got));
    close(pipeEnds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == kCarefulGamePlayed) << "the game's process failed: " << status;
    fs::remove_all(scratch);
    return line;
}

TEST(CarefulPlayerTest, PlaysHundredsOfTurnsWithinTheRulesAndReplaysBySeed) {
    CopyPlayFiles();
    for (const char* training : {"warrior", "archer"}) {
        const std::string first = PlayCapped(7, training);
        // Capped at the turn limit, or dead before it; never stuck, never against the rules.
        EXPECT_TRUE(first.find("\tend=capped\t") != std::string::npos || first.find("\tend=died\t") != std::string::npos)
            << first;
        EXPECT_NE(first.find("seed=7\ttraining=" + std::string(training)), std::string::npos) << first;
        EXPECT_EQ(PlayCapped(7, training), first);
    }
    // Another seed is another dungeon: the games differ.
    EXPECT_NE(PlayCapped(8, "warrior"), PlayCapped(7, "warrior"));
}

// The summary reads the armour worn on arrival at each floor where a line gives
// it, and counts the games that slew the second demon among those that reached
// its floor; a line written before the armour was recorded still counts its levels.
TEST(CarefulPlayerTest, TheSummaryGivesTheArmourWornAndTheSecondDemonsFall) {
    std::istringstream lines(
        "seed=1\ttraining=warrior\tfloors=1:1:0:1,7:3:900:8,14:8:5000:12\tdeepest=14\tend=died\tcause=He was killed by Ikuazz.\tdemons=100000\n"
        "seed=2\ttraining=warrior\tfloors=1:1:0:1,7:4:800:10,14:9:4000:14,15:9:4500:14\tdeepest=15\tend=died\tcause=He froze to death.\tdemons=110000\n"
        "seed=3\ttraining=warrior\tfloors=1:1:0,7:3:700\tdeepest=7\tend=died\tcause=He was killed by Vir've.\tdemons=000000\n");
    std::ostringstream out;
    SummarizeCarefulGames(lines, out);
    const std::string text = out.str();
    EXPECT_NE(text.find("character level on floor 6 (DL 7): median 3, 10-90 % 3-4 (3 games)"), std::string::npos) << text;
    EXPECT_NE(text.find("armour worn on arrival: median 10, 10-90 % 8-10"), std::string::npos) << text;
    EXPECT_NE(text.find("armour worn on arrival: median 14, 10-90 % 12-14"), std::string::npos) << text;
    EXPECT_NE(text.find("reached floor 13 (DL 14): 2, of which 1 slew its demon"), std::string::npos) << text;
}

}  // namespace
