// The careful player: plays many seeds of the game as a careful new player
// would, each game in a process of its own, several at once, and writes one
// line per game; with --summary it sums such lines up.
//
//   hollowmere_careful_player <training|all> <first seed> <games> [jobs] [turn cap]
//   hollowmere_careful_player --summary < lines
//
// The working directory holds the data files (monsters.hmd, items.hmd,
// floors.hmd, Keybindings.txt) and no scores.hmd.
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "careful_brain.h"
#include "careful_game.h"
#include "careful_summary.h"

namespace {

using Clock = std::chrono::steady_clock;

// A game that runs this long has hung: its process is ended and the game reported as stuck.
constexpr auto kLongestGame = std::chrono::seconds(300);

struct Running {
    uint32_t seed;
    const CarefulTraining* training;
    Clock::time_point started;
    std::string scratch;
    bool killed = false;
};

std::string ScratchFolder(const CarefulTraining& training, uint32_t seed) {
    return "careful-" + std::string(training.word) + "-" + std::to_string(seed);
}

void Launch(const CarefulTraining& training, uint32_t seed, const CarefulGameOptions& options,
            std::map<pid_t, Running>& running) {
    const std::string scratch = ScratchFolder(training, seed);
    std::filesystem::remove_all(scratch);
    std::filesystem::create_directory(scratch);
    std::fflush(stdout);
    const pid_t child = fork();
    if (child == 0) {
        const int resultFd = dup(STDOUT_FILENO);
        PlayCarefulGame(seed, training, options, resultFd, scratch.c_str());
    }
    if (child < 0) {
        std::perror("fork");
        std::exit(1);
    }
    running[child] = {seed, &training, Clock::now(), scratch, false};
}

// Reports a game that did not end by itself, or whose process failed.
void ReportLost(const Running& game, const char* end, const std::string& cause) {
    std::printf("seed=%u\ttraining=%s\tfloors=\tdeepest=0\tend=%s\tcause=%s\n", game.seed, game.training->word, end,
                cause.c_str());
    std::fflush(stdout);
}

int Usage() {
    std::fputs("usage: hollowmere_careful_player <warrior|ranger|archer|all> <first seed> <games> [jobs] [turn cap]\n"
               "       hollowmere_careful_player --summary < lines\n",
               stderr);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "--summary") == 0) {
        SummarizeCarefulGames(std::cin, std::cout);
        return 0;
    }
    if (argc < 4 || argc > 6) return Usage();
    std::vector<const CarefulTraining*> trainings;
    if (std::strcmp(argv[1], "all") == 0) {
        for (const char* word : {"warrior", "ranger", "archer"}) trainings.push_back(FindCarefulTraining(word));
    } else if (const CarefulTraining* training = FindCarefulTraining(argv[1])) {
        trainings.push_back(training);
    } else {
        return Usage();
    }
    const uint32_t firstSeed = static_cast<uint32_t>(std::strtoul(argv[2], nullptr, 10));
    const int games = std::atoi(argv[3]);
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    const int jobs = argc >= 5 ? std::max(1, std::atoi(argv[4])) : static_cast<int>(std::max(1u, cores / 2));
    CarefulGameOptions options;
    if (argc >= 6) options.turnCap = std::max(1, std::atoi(argv[5]));
    if (games <= 0) return Usage();

    std::vector<std::pair<const CarefulTraining*, uint32_t>> queue;
    for (const CarefulTraining* training : trainings) {
        for (int i = 0; i < games; ++i) queue.emplace_back(training, firstSeed + static_cast<uint32_t>(i));
    }
    std::map<pid_t, Running> running;
    size_t next = 0;
    while (next < queue.size() || !running.empty()) {
        while (next < queue.size() && static_cast<int>(running.size()) < jobs) {
            Launch(*queue[next].first, queue[next].second, options, running);
            ++next;
        }
        int status = 0;
        const pid_t ended = waitpid(-1, &status, WNOHANG);
        if (ended > 0) {
            const auto game = running.find(ended);
            if (game == running.end()) continue;
            if (!game->second.killed && (!WIFEXITED(status) || WEXITSTATUS(status) != kCarefulGamePlayed)) {
                const std::string how = WIFSIGNALED(status) ? "signal " + std::to_string(WTERMSIG(status))
                                                            : "exit code " + std::to_string(WEXITSTATUS(status));
                ReportLost(game->second, "failed", "the game's process ended with " + how);
            }
            std::filesystem::remove_all(game->second.scratch);
            running.erase(game);
            continue;
        }
        const Clock::time_point now = Clock::now();
        for (auto& [process, game] : running) {
            if (!game.killed && now - game.started > kLongestGame) {
                kill(process, SIGKILL);
                ReportLost(game, "stuck", "the game ran too long");
                game.killed = true;
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return 0;
}
