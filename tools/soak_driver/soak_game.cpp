#include "soak_game.h"

#include <curses.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <deque>

#include "game/game.h"
#include "game/game_invariants.h"
#include "toolkit/drawing.h"
#include "toolkit/message_log.h"
#include "toolkit/random_mother.h"
#include "toolkit/terminal.h"
#include "world/floor.h"
#include "world/game_status.h"
#include "world/player.h"

namespace {

// Keys are typed this far ahead of the game, so that a read never waits.
constexpr size_t kKeysAhead = 1024;
constexpr size_t kTypeAtOnce = 2048;
// The tile rules of every floor are checked this often; the character's floor after every pass.
constexpr uint64_t kWholeCheckEvery = 200;

class KeyTypist {
public:
    KeyTypist(int master, int slave, const SoakKeys& keys, uint32_t seed) : master(master), slave(slave), keys(keys), random(seed) {}

    void TypeFirst(const std::string& bytes) { Queue(bytes); }

    // A round starts with keys of its own: what was typed for the start is thrown away.
    void StartRound(uint32_t seed, int32_t round) {
        tcflush(slave, TCIFLUSH);
        random.seed(seed * 1000003u + static_cast<uint32_t>(round));
        queued.clear();
        queuedEnd = 0;
        writtenBytes = 0;
        keyEnds.clear();
        keysRead = 0;
    }

    // Types more keys when the terminal holds few.
    void KeepAhead() {
        if (Pending() >= kKeysAhead) return;
        while (queued.size() < kTypeAtOnce) Queue(keys.Pick(random));
        const ssize_t written = write(master, queued.data(), queued.size());
        if (written > 0) {
            queued.erase(0, static_cast<size_t>(written));
            writtenBytes += static_cast<uint64_t>(written);
        }
    }

    // The keys the game has read so far.
    uint64_t KeysRead() {
        const uint64_t readBytes = writtenBytes - Pending();
        while (!keyEnds.empty() && keyEnds.front() <= readBytes) {
            keyEnds.pop_front();
            ++keysRead;
        }
        return keysRead;
    }

private:
    size_t Pending() const {
        int pending = 0;
        ioctl(slave, FIONREAD, &pending);
        return static_cast<size_t>(pending);
    }
    void Queue(const std::string& key) {
        queued += key;
        queuedEnd += key.size();
        keyEnds.push_back(queuedEnd);
    }

    int master;
    int slave;
    const SoakKeys& keys;
    std::mt19937 random;
    std::string queued;            // generated, not yet taken by the terminal
    uint64_t queuedEnd = 0;        // bytes generated so far
    uint64_t writtenBytes = 0;     // bytes the terminal has taken
    std::deque<uint64_t> keyEnds;  // where each key not yet read ends in the stream
    uint64_t keysRead = 0;
};

std::string ScreenText() {
    std::string text;
    for (int row = 0; row < 25; ++row) {
        for (int column = 0; column < 80; ++column) text.push_back(static_cast<char>(mvwinch(stdscr, row, column) & A_CHARTEXT));
        text += "|\n";
    }
    return text;
}

KeyTypist* typist = nullptr;
SoakProgress* shared = nullptr;
bool tellTheEnd = false;

void TypeWhenStarved() { typist->KeepAhead(); }

// The game ends through the program's exit: the keys of its last pass count too.
uint64_t keysReported = 0;

// Adds the keys read since the last report to the seed's count.
void ReportKeys() {
    const uint64_t read = typist->KeysRead();
    shared->keys += read - keysReported;
    keysReported = read;
}

// A round ends through the program's exit: its last keys count too, and a
// replay tells how the game ended (its last messages, the character's state).
void EndRound() {
    ReportKeys();
    if (!tellTheEnd) return;
    std::fprintf(stderr, "The last messages:\n");
    for (int32_t i = 5; i >= 0; --i) std::fprintf(stderr, "  %s\n", messageLog.history[i].c_str());
    for (const std::string& line : messageLog.line) std::fprintf(stderr, "  %s\n", line.c_str());
    std::fprintf(stderr, "The character: %d of %d hit points on floor %d after %d turns\n", player.hp, player.maxHp,
                 player.currentFloor + 1, player.turns);
}

void CheckInvariants(uint32_t seed, int32_t round, uint64_t pass, InvariantScope scope) {
    const std::vector<std::string> broken = BrokenGameInvariants(scope);
    if (broken.empty()) return;
    std::fprintf(stderr, "seed %u, round %d: after pass %llu (%llu keys) the game broke its rules:\n", seed, round,
                 static_cast<unsigned long long>(pass), static_cast<unsigned long long>(typist->KeysRead()));
    for (const std::string& line : broken) std::fprintf(stderr, "  %s\n", line.c_str());
    std::fprintf(stderr, "The screen:\n%s", ScreenText().c_str());
    std::fflush(stderr);
    _exit(kSoakInvariantBroken);
}

[[noreturn]] void PlayRound(uint32_t seed, int32_t round) {
    shared->playing = getpid();
    typist->StartRound(seed, round);
    keysReported = 0;
    std::atexit(EndRound);
    for (uint64_t pass = 1; pass <= kMostPassesARound; ++pass) {
        typist->KeepAhead();
        RunMainLoopPass();
        ++shared->passes;
        ReportKeys();
        if (player.currentFloor + 1 > shared->deepest) shared->deepest = player.currentFloor + 1;
        CheckInvariants(seed, round, pass, pass % kWholeCheckEvery == 0 ? InvariantScope::kEveryFloor : InvariantScope::kCharactersFloor);
    }
    std::exit(kSoakSeedPlayed);
}

}  // namespace

void PlaySoakSeed(uint32_t seed, int32_t rounds, const SoakKeys& keys, const std::string& opening, SoakProgress& progress,
                  bool replay) {
    tellTheEnd = replay;
    shared = &progress;
    progress.playing = getpid();
    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) _exit(kSoakCannotStart);
    const int slave = open(ptsname(master), O_RDWR | O_NOCTTY);
    if (slave < 0) _exit(kSoakCannotStart);
    winsize size{};
    size.ws_row = 25;
    size.ws_col = 80;
    ioctl(slave, TIOCSWINSZ, &size);
    // Keys are typed only as far as the terminal takes them, so typing never blocks.
    fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);
    // What curses draws goes nowhere: the soak reads the screen from curses
    // itself, and pushing every frame through the terminal would cost more
    // than playing the game. Curses then cannot set the terminal's modes on
    // its output, so the keys' side is made raw here, as curses would make it.
    termios modes{};
    tcgetattr(slave, &modes);
    cfmakeraw(&modes);
    tcsetattr(slave, TCSANOW, &modes);
    const int nowhere = open("/dev/null", O_WRONLY);
    if (nowhere < 0) _exit(kSoakCannotStart);
    dup2(slave, STDIN_FILENO);
    dup2(nowhere, STDOUT_FILENO);
    setenv("TERM", "xterm-256color", 1);
    setenv("LINES", "25", 1);
    setenv("COLUMNS", "80", 1);
    setenv("HOLLOWMERE_SEED", std::to_string(seed).c_str(), 1);
    // The generator was seeded when the soak started, before the seed was known:
    // seed it again so the seed alone decides the game and a replay plays it again.
    rng.RandomInit(StartingSeed());
    // The game's waits (animations, the final screens, the quick move's pause) are for a player's eyes.
    setenv("HOLLOWMERE_WAIT_PERCENT", "0", 1);

    static KeyTypist keysForGame(master, slave, keys, seed);
    typist = &keysForGame;
    typist->TypeFirst(opening);
    typist->KeepAhead();
    SetKeyWaitHook(TypeWhenStarved);

    InitGame();
    gameInPlay = 1;
    CheckInvariants(seed, -1, 0, InvariantScope::kEveryFloor);
    for (int32_t round = 0; round < rounds; ++round) {
        std::fflush(stderr);
        const pid_t child = fork();
        if (child == 0) PlayRound(seed, round);
        int status = 0;
        if (child < 0 || waitpid(child, &status, 0) != child) _exit(kSoakRoundFailed);
        progress.playing = getpid();
        ++progress.rounds;
        if (WIFEXITED(status) && (WEXITSTATUS(status) == 1 || WEXITSTATUS(status) == kSoakSeedPlayed)) continue;
        if (WIFEXITED(status) && WEXITSTATUS(status) == kSoakInvariantBroken) _exit(kSoakInvariantBroken);
        std::fprintf(stderr, "seed %u, round %d: the game %s %d\n", seed, round,
                     WIFSIGNALED(status) ? "died of signal" : "exited with code",
                     WIFSIGNALED(status) ? WTERMSIG(status) : WEXITSTATUS(status));
        _exit(kSoakRoundFailed);
    }
    _exit(kSoakSeedPlayed);
}
