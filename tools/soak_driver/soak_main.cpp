// The soak: plays game after game of the real program on a pseudo-terminal
// with random keys for a given time, seed after seed (each seed's game is
// started once and played in several rounds of random keys), and reports every
// game that crashed, hung, tripped a sanitizer or broke the game's invariants.
//
//   hollowmere_soak <seconds> [first seed]   play from the working directory's data files
//   hollowmere_soak --replay <seed>          play that seed's rounds again
#include <curses.h>
#include <dirent.h>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <term.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "soak_game.h"
#include "soak_keys.h"

// A finding must stop the game at once, and its exit must not pass for the game's own exit code 1.
extern "C" const char* __asan_default_options() { return "abort_on_error=1:detect_leaks=1"; }
extern "C" const char* __ubsan_default_options() { return "abort_on_error=1:print_stacktrace=1"; }

namespace {

using Clock = std::chrono::steady_clock;

// A game that spends this much processor time without finishing a turn hangs.
// It is measured in the game's own time, as a busy machine can hold a sound game
// back for longer; a game that waits this long without using any is stuck too.
constexpr double kHangProcessorSeconds = 20;
constexpr auto kHangTime = std::chrono::minutes(10);
// The rounds of random keys played from each seed's start.
constexpr int32_t kRoundsASeed = 4;
constexpr const char* kGameLog = "soak-game.log";

std::string ReadWholeFile(const char* path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The terminal's function keys as xterm sends them in keypad mode.
std::vector<std::string> FunctionKeys() {
    std::vector<std::string> keys;
    int error = 0;
    if (setupterm("xterm-256color", STDERR_FILENO, &error) != OK) return keys;
    for (const char* name : {"kcud1", "kcuu1", "kcub1", "kcuf1", "khome", "kend", "kdch1", "knp", "kpp", "ka1", "ka3",
                             "kb2", "kc1", "kc3", "kent", "kbs", "kf1", "kich1"}) {
        const char* sequence = tigetstr(name);
        if (sequence != nullptr && sequence != reinterpret_cast<char*>(-1)) keys.emplace_back(sequence);
    }
    // Each game starts its own curses; this description would only leak in it.
    del_curterm(cur_term);
    return keys;
}

// Saved games a former game left in the working directory (they are loaded again now and then).
std::vector<std::string> SavedCharacters() {
    std::vector<std::string> names;
    DIR* folder = opendir(".");
    if (folder == nullptr) return names;
    while (const dirent* entry = readdir(folder)) {
        const std::string file = entry->d_name;
        if (file.size() <= 4 || file.compare(file.size() - 4, 4, ".hmd") != 0 || file.rfind("TempLoad", 0) == 0) continue;
        const std::string name = file.substr(0, file.size() - 4);
        if (name != "monsters" && name != "items" && name != "floors" && name != "scores") names.push_back(name);
    }
    closedir(folder);
    return names;
}

// How each game begins: mostly a new character, now and then a saved one.
std::string Opening(uint32_t seed) {
    const std::vector<std::string> saved = SavedCharacters();
    if (!saved.empty() && seed % 4 == 0) return "2" + saved[seed % saved.size()] + "\r";
    return "1";
}

// The processor time a process has used so far (0 when it is gone).
double ProcessSeconds(pid_t process) {
    if (process <= 0) return 0;
    // Read plainly: the process may end while it is read.
    const int file = open(("/proc/" + std::to_string(process) + "/stat").c_str(), O_RDONLY);
    if (file < 0) return 0;
    char buffer[1024];
    const ssize_t length = read(file, buffer, sizeof buffer - 1);
    close(file);
    if (length <= 0) return 0;
    const std::string text(buffer, static_cast<size_t>(length));
    // The fields after the command name, which ends with the last ')': utime and stime are the 12th and 13th.
    const size_t end = text.rfind(')');
    if (end == std::string::npos) return 0;
    std::istringstream fields(text.substr(end + 2));
    std::string field;
    double ticks = 0;
    for (int i = 1; i <= 13 && fields >> field; ++i) {
        if (i >= 12) ticks += std::strtod(field.c_str(), nullptr);
    }
    return ticks / static_cast<double>(sysconf(_SC_CLK_TCK));
}

struct GameResult {
    bool finding = false;
    std::string what;  // for a finding
};

GameResult PlaySeed(uint32_t seed, const SoakKeys& keys, SoakProgress& progress, Clock::time_point deadline, bool replay) {
    progress.keys = 0;
    progress.passes = 0;
    progress.rounds = 0;
    progress.deepest = 0;
    progress.playing = 0;
    const std::string opening = Opening(seed);
    std::fflush(stdout);
    const pid_t child = fork();
    if (child == 0) {
        // One group with the rounds it forks, so that a hang or the deadline ends them all.
        setpgid(0, 0);
        if (std::freopen(kGameLog, "w", stderr) == nullptr) _exit(kSoakCannotStart);
        PlaySoakSeed(seed, kRoundsASeed, keys, opening, progress, replay);
    }
    if (child < 0) return {true, "cannot fork"};
    uint64_t lastKeys = 0;
    uint64_t lastPasses = 0;
    Clock::time_point lastProgress = Clock::now();
    double processorAtProgress = ProcessSeconds(progress.playing);
    for (;;) {
        int status = 0;
        if (waitpid(child, &status, WNOHANG) == child) {
            if (WIFEXITED(status) && (WEXITSTATUS(status) == 1 || WEXITSTATUS(status) == kSoakSeedPlayed)) {
                if (replay) std::fputs(ReadWholeFile(kGameLog).c_str(), stdout);
                return {};
            }
            std::string what = WIFSIGNALED(status) ? "died of signal " + std::to_string(WTERMSIG(status))
                                                   : "exited with code " + std::to_string(WEXITSTATUS(status));
            return {true, what + "\n" + ReadWholeFile(kGameLog)};
        }
        const Clock::time_point now = Clock::now();
        const double processor = ProcessSeconds(progress.playing);
        if (progress.passes != lastPasses || progress.keys != lastKeys || processor < processorAtProgress) {
            lastPasses = progress.passes;
            lastKeys = progress.keys;
            lastProgress = now;
            processorAtProgress = processor;
        }
        const bool hung = now - lastProgress > kHangTime || processor - processorAtProgress > kHangProcessorSeconds;
        if (hung || now > deadline) {
            kill(-child, SIGKILL);
            waitpid(child, &status, 0);
            if (hung) return {true, "hung after " + std::to_string(lastPasses) + " turns\n" + ReadWholeFile(kGameLog)};
            return {};
        }
        usleep(2000);
    }
}

// The processor time of the soak and all its games: on a busy machine the wall
// clock says more of the other programs than of the game.
double ProcessorSeconds() {
    double total = 0;
    for (int who : {RUSAGE_SELF, RUSAGE_CHILDREN}) {
        rusage usage{};
        getrusage(who, &usage);
        total += static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                 static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    }
    return total;
}

void RemoveOldPostMortems() {
    // The games' post-mortems would fill the disk over a long soak.
    if (std::system("rm -f Mortems/*.txt") != 0) std::fputs("cannot clear Mortems/\n", stderr);
}

}  // namespace

int main(int argc, char** argv) {
    const bool replay = argc == 3 && std::strcmp(argv[1], "--replay") == 0;
    if (argc < 2 || argc > 3 || (!replay && std::atoi(argv[1]) <= 0)) {
        std::fputs("usage: hollowmere_soak <seconds> [first seed] | --replay <seed>\n", stderr);
        return 2;
    }
    const SoakKeys keys(ReadWholeFile("Keybindings.txt"), FunctionKeys());
    if (!keys.Usable()) {
        std::fputs("Keybindings.txt binds no key the soak can press\n", stderr);
        return 2;
    }
    auto* progress = static_cast<SoakProgress*>(
        mmap(nullptr, sizeof(SoakProgress), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0));
    new (progress) SoakProgress;

    const Clock::time_point start = Clock::now();
    const Clock::time_point deadline = replay ? Clock::time_point::max() : start + std::chrono::seconds(std::atoi(argv[1]));
    uint32_t seed = replay ? static_cast<uint32_t>(std::strtoul(argv[2], nullptr, 10))
                           : argc == 3 ? static_cast<uint32_t>(std::strtoul(argv[2], nullptr, 10)) : 1;
    const uint32_t firstSeed = seed;
    uint64_t games = 0;
    uint64_t keysRead = 0;
    uint64_t passes = 0;
    int32_t deepest = 0;
    int findings = 0;
    while (Clock::now() < deadline) {
        const GameResult result = PlaySeed(seed, keys, *progress, deadline, replay);
        games += progress->rounds;
        keysRead += progress->keys;
        passes += progress->passes;
        deepest = std::max(deepest, progress->deepest.load());
        if (result.finding) {
            ++findings;
            std::printf("FINDING in the game of seed %u (replay: tools/soak --replay %u): %s\n", seed, seed, result.what.c_str());
        }
        if (replay) break;
        if (seed % 20 == 0) RemoveOldPostMortems();
        ++seed;
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    std::printf("soak: %llu games (%d rounds of each of the seeds %u to %u), %llu keys, %llu turns, deepest floor %d, in %.0f s: "
                "%.0f keys a second, %.0f a second of processor time; %d finding%s\n",
                static_cast<unsigned long long>(games), kRoundsASeed, firstSeed, seed - (replay ? 0 : 1),
                static_cast<unsigned long long>(keysRead), static_cast<unsigned long long>(passes), deepest, seconds,
                static_cast<double>(keysRead) / seconds, static_cast<double>(keysRead) / ProcessorSeconds(), findings,
                findings == 1 ? "" : "s");
    return findings == 0 ? 0 : 1;
}
