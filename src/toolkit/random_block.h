#pragma once
// The block of upcoming draws. Generation makes millions of draws per dungeon;
// one at a time each waits for the previous one's multiplications, so the draws
// are made ahead, thousands at once, by lanes that start at different points of
// the sequence (see random_jump.h) and run side by side in vector registers.
// Every entry is exactly the draw the one-at-a-time generator would make there.
#include <cstdint>

#include "toolkit/random_jump.h"

// Each lane of a fill starts with a jump, which costs about what a few hundred
// draws do: a long block spreads the jumps thin, and 256 KB of entries still
// sit in a core's second-level cache while they are read.
constexpr int32_t kRandomBlockSize = 32768;

// One entry per draw: the draw's output. The carry after a draw takes no room
// of its own: the next draw is the low word of the older terms plus that carry,
// and a carry is a single word, so the next entry fixes it (CarryBeforeEntry).
// Keeping only the outputs halves what the fill stores and what the loops that
// weigh many draws at once read. The four entries before the first hold the
// outputs the block starts from (x[3], x[2], x[1], x[0]), and one entry after
// the last holds the draw that follows the block, so that the entries around
// any point hold the whole state after the draw before it.
constexpr int32_t kRandomBlockHistory = 16;    // four of them used; sixteen keep the entries aligned
constexpr int32_t kRandomBlockLookahead = 16;  // one used; the rest keep the block a whole number of lines
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
    alignas(64) uint32_t slots[kRandomBlockHistory + kRandomBlockSize + kRandomBlockLookahead] = {};

    uint32_t* Entries() { return slots + kRandomBlockHistory; }
};

// The carry of the state after the draw before `entry`, worked back from the
// four draws before `entry` and the draw at it (the sum DrawOnce makes, less
// its terms, in single-word arithmetic).
inline uint32_t CarryBeforeEntry(const uint32_t* entry) {
    const uint32_t terms = 5115u * entry[-1] + 1776u * entry[-2] + 1492u * entry[-3] + 2111111111u * entry[-4];
    return entry[0] - terms;
}

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
// A test seam, which the benchmarks use too: fill by this path from now on (it
// must be supported). The game always fills by the path it chose itself.
void UseRandomPath(RandomPath path);
// A test seam: the path's name, for test and benchmark labels.
const char* RandomPathName(RandomPath path);

// Fills randomBlock with the kRandomBlockSize draws that follow `state`, and
// renews its stamp. Returns the path that made them: the active one, or kScalar
// for a state the lanes can't start from.
RandomPath FillRandomBlock(const GeneratorState& state);

// A vector fill's lane states as 64-bit words, word w of lane l at words[w][l]
// (x[0] to x[3], then the carry), so that each word of every lane loads into
// one register.
constexpr int32_t kLaneStateWords = 5;
template <int32_t kLanes>
void SpreadLaneStates(const GeneratorState* states, uint64_t (&words)[kLaneStateWords][kLanes]) {
    for (int32_t lane = 0; lane < kLanes; ++lane) {
        for (int32_t w = 0; w < 4; ++w) words[w][lane] = states[lane].x[w];
        words[4][lane] = states[lane].carry;
    }
}
// The states back from the words, each word's low half.
template <int32_t kLanes>
void GatherLaneStates(const uint64_t (&words)[kLaneStateWords][kLanes], GeneratorState* states) {
    for (int32_t lane = 0; lane < kLanes; ++lane) {
        for (int32_t w = 0; w < 4; ++w) states[lane].x[w] = static_cast<uint32_t>(words[w][lane]);
        states[lane].carry = static_cast<uint32_t>(words[4][lane]);
    }
}

// The lanes' fills, one per instruction set; `starts` holds each lane's starting
// state, lane l making the entries from l * (kRandomBlockSize / lanes) on and
// leaving the state after its last draw in ends[l].
constexpr int32_t kAvx512Lanes = 16;
constexpr int32_t kAvx2Lanes = 8;
void FillLanesAvx512(const GeneratorState* starts, uint32_t* entries, GeneratorState* ends);
void FillLanesAvx2(const GeneratorState* starts, uint32_t* entries, GeneratorState* ends);
