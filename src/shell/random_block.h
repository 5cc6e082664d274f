#pragma once
// The block of upcoming draws. Generation makes millions of draws per dungeon;
// one at a time each waits for the previous one's multiplications, so the draws
// are made ahead, thousands at once, by lanes that start at different points of
// the sequence (see random_jump.h) and run side by side in vector registers.
// Every entry is exactly the draw the one-at-a-time generator would make there.
#include <cstdint>

#include "shell/random_jump.h"

// Each lane of a fill starts with a jump, which costs about what a few hundred
// draws do: a long block spreads the jumps thin, and 256 KB of entries still
// sit in a core's second-level cache while they are read.
constexpr int32_t kRandomBlockSize = 32768;

// One entry per draw: the draw's output in the low word, the carry after it in
// the high word. The four entries before the first hold the state the block
// starts from (x[3], x[2], x[1], then carry and x[0] as an entry), so that the
// four entries up to any point hold the whole state after that draw.
constexpr int32_t kRandomBlockHistory = 8;  // four of them used; eight keep the entries aligned
constexpr uint64_t kNoBlockStamp = UINT64_MAX;
struct RandomBlock {
    // Changes at every fill, so that a generator can tell whether the entries it
    // points at are still the ones it was handed. A generator that never had a
    // block holds kNoBlockStamp, which no block ever reaches. Starting at 0 keeps
    // the whole block zero, so it takes no room in the program file.
    uint64_t stamp = 0;
    // True while the active path is kSerial: every generator then draws one
    // number at a time, inline, without asking for a block.
    bool serial = false;
    alignas(64) uint64_t slots[kRandomBlockHistory + kRandomBlockSize] = {};

    uint64_t* Entries() { return slots + kRandomBlockHistory; }
};

// The one block, shared by every generator: the game's `rng` and the copies
// made of it take turns, and whichever draws past the end fills it anew.
extern RandomBlock randomBlock;

// How the block is filled. Every way gives the same entries; kSerial makes no
// block at all and leaves each generator to draw one number at a time.
enum class RandomPath : int32_t { kSerial = 0, kScalar = 1, kAvx2 = 2, kAvx512 = 3 };

// The widest path this processor runs.
RandomPath BestRandomPath();
bool IsRandomPathSupported(RandomPath path);
RandomPath ActiveRandomPath();
// For tests and benchmarks: fill by this path from now on (it must be supported).
void UseRandomPath(RandomPath path);
const char* RandomPathName(RandomPath path);

// Fills randomBlock with the kRandomBlockSize draws that follow `state`, and
// renews its stamp. Returns the path that made them: the active one, or kScalar
// for a state the lanes can't start from.
RandomPath FillRandomBlock(const GeneratorState& state);

// The lanes' fills, one per instruction set; `starts` holds each lane's starting
// state, lane l making the entries from l * (kRandomBlockSize / lanes) on.
constexpr int32_t kAvx512Lanes = 16;
constexpr int32_t kAvx2Lanes = 8;
void FillLanesAvx512(const GeneratorState* starts, uint64_t* entries);
void FillLanesAvx2(const GeneratorState* starts, uint64_t* entries);
