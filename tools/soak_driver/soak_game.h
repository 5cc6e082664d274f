#pragma once
// The games of one seed in the soak, played in a process of their own (the
// driver forks it): the real start-up on a pseudo-terminal makes the seed's
// game once, then each round plays it from there in a process forked from that
// start, with keys of its own, checking the game's invariants after every pass.
#include <atomic>
#include <cstdint>
#include <string>

#include "soak_keys.h"

// What the games of a seed tell the driver while they play (shared memory).
struct SoakProgress {
    std::atomic<uint64_t> keys{0};    // keys read by the rounds so far
    std::atomic<uint64_t> passes{0};  // main-loop passes played by the rounds so far
    std::atomic<uint64_t> rounds{0};  // rounds finished
    std::atomic<int32_t> deepest{0};  // the deepest floor reached, 1 for the first
    std::atomic<int32_t> playing{0};  // the process that plays now: the start, or a round
};

// How the process of a seed ends. A sanitizer finding aborts the process; the
// log (standard error) tells what a round met.
constexpr int kSoakSeedPlayed = 0;
constexpr int kSoakInvariantBroken = 3;  // reported on standard error first
constexpr int kSoakCannotStart = 4;      // no pseudo-terminal
constexpr int kSoakRoundFailed = 5;      // a round crashed or tripped a sanitizer
// A round that lasts this long is cut short, so that the time goes to many games.
constexpr uint64_t kMostPassesARound = 50000;

// Starts the seed's game with `opening` typed first (the title menu's choice),
// then plays `rounds` games from it with random keys. A replay also tells on
// standard error how each round ended. Never returns.
[[noreturn]] void PlaySoakSeed(uint32_t seed, int32_t rounds, const SoakKeys& keys, const std::string& opening,
                               SoakProgress& progress, bool replay);
