#pragma once
// The one source of chance in the game: a four-lag multiply-with-carry
// generator. Every random decision anywhere goes through rng.Random(n), so the
// order in which the game draws numbers is part of its behaviour.
//
// How the draws are made, in the files of this generator:
// - random_jump.h: one draw at a time (DrawOnce), and jumping the state any
//   number of draws ahead with one multiplication.
// - random_block.h: the block of draws made ahead, kRandomBlockSize at once.
//   Each lane of a fill is jumped to its own starting point of the sequence and
//   runs from there, side by side with the others in vector registers
//   (random_lanes_avx2.cpp, random_lanes_avx512.cpp).
// - random_local_scope.h: a scope that lends the block to a tight loop of draws.
// - random_probes.h: the probes of a search over the map, each a pair of
//   draws, weighed many at once from the block (random_probes_avx2.cpp,
//   random_probes_avx512.cpp, random_probes_bitmap.cpp).
//
// The draws stay exactly those of drawing one at a time, in the same order:
// every entry of the block is the number the one-at-a-time generator gives at
// that point (a lane starts exactly where the jump puts it, and the block is
// made one at a time when the lanes fail to join up), the generator hands the
// entries out in order, and its state words after each draw are read back from
// the entries around its cursor. A loop that weighs many upcoming draws at once
// takes only those it used. So the same seed gives the same game on every path.
//
// The path that fills the block: the widest this processor runs (AVX-512, else
// AVX2, else the scalar fill), chosen at the first draw of any generator,
// so that nothing asks the processor before the program starts. Tests and
// benchmarks pick one with UseRandomPath; the serial path makes no block at all,
// and every draw is then worked out one at a time, inline.
//
// While a local draw scope holds the block, nothing else may draw from the
// generator: such a draw would hand out again a number the scope has drawn, or
// be undone when the scope gives back its state. Debug and sanitizer builds
// check that at every draw; the play build carries no trace of the check.
#include <climits>
#include <cstdint>

#include "toolkit/random_block.h"

#if !defined(NDEBUG) || defined(HOLLOWMERE_SANITIZE)
#define HOLLOWMERE_CHECK_DRAW_SCOPES 1
#else
#define HOLLOWMERE_CHECK_DRAW_SCOPES 0
#endif

// Random(n)'s value from its draw, for n >= 2: the high word of n times the draw.
inline int32_t ScaleDraw(uint32_t draw, int32_t n) {
    return static_cast<int32_t>((static_cast<uint64_t>(static_cast<uint32_t>(n)) * draw) >> 32);
}

class RandomMother {
public:
    // Seeds from HOLLOWMERE_SEED when that is set (repeatable runs), else from the tick count.
    RandomMother();

    void RandomInit(uint32_t seed);
    // A test seam, which the benchmarks use too: the raw draw, to follow the
    // generator draw by draw. The game draws through Random.
    uint32_t BRandom() {
        ExpectNoScopeOpen();
        return NextDraw();
    }
    // 0..n-1 for n >= 2; 0 for n == 1 and INT32_MIN for n <= 0, both without drawing.
    // Inline: generation draws millions of numbers per dungeon.
    int32_t Random(int32_t n) {
        ExpectNoScopeOpen();
        if (n <= 0) return INT32_MIN;
        if (n == 1) return 0;
        return ScaleDraw(NextDraw(), n);
    }

    // For loops that weigh many draws at once: the next `count` draws (at most
    // kRandomBlockSize), as RandomBlock entries (the raw draws), without drawing them; nullptr
    // on the serial path, where every draw is made one at a time.
    const uint32_t* UpcomingDraws(int32_t count) {
        ExpectNoScopeOpen();
        return Upcoming(count);
    }
    // Draws the first `count` of the numbers UpcomingDraws just showed.
    void SkipDraws(int32_t count) {
        ExpectNoScopeOpen();
        next += count;
        ReadStateAtCursor();
    }

    // Lending the block to a scope that draws from its own copy of the cursor,
    // which can stay in a register (random_local_scope.h). The scope reads the
    // entries from `next` to `end`; nothing else may draw from this generator
    // until it gives back how far it read. Both null on the serial path, where
    // the scope draws from a copy of the state words and gives them back.
    struct LentDraws {
        const uint32_t* next;
        const uint32_t* end;
    };
    LentDraws LendDraws(int32_t count = 1) {
        ExpectNoScopeOpen();
        OpenScope();
        return Lend(count);
    }
    // The lent draws before `upTo` were taken: the state moves past them, and the scope is over.
    void TakeLentDraws(const uint32_t* upTo) {
        CloseScope();
        next = upTo;
        ReadStateAtCursor();
    }
    // On the serial path: the scope is over, and the state is the one it drew to.
    void TakeLentState(const GeneratorState& state) {
        CloseScope();
        for (int32_t i = 0; i < 4; ++i) x[i] = state.x[i];
        carry = state.carry;
    }
    // Within the scope: the lent draws before `upTo` were taken, and at least `count` more are lent.
    LentDraws Relend(const uint32_t* upTo, int32_t count = 1) {
        ExpectScopeOpen();
        next = upTo;
        ReadStateAtCursor();
        return Lend(count);
    }

    // The exact state after the last draw, whichever way it was made. Read them
    // freely; they are set by RandomInit and by assigning a whole generator.
    // While a scope holds the block they lag behind its draws.
    uint32_t x[4] = {0, 0, 0, 0};  // x[0] is the newest output
    uint32_t carry = 0;

private:
    uint32_t NextDraw() {
        if (next != end && stamp == randomBlock.stamp) [[likely]] {
            ++next;
            ReadStateAtCursor();
            return x[0];
        }
        if (randomBlock.serial) return static_cast<uint32_t>(DrawOnce(x, carry));
        return DrawUnbuffered();
    }
    const uint32_t* Upcoming(int32_t count) {
        // A current block is never held on the serial path: changing paths renews the stamp.
        if (stamp == randomBlock.stamp && end - next >= count) return next;
        return UpcomingDrawsAfterFill(count);
    }
    LentDraws Lend(int32_t count) {
        const uint32_t* upcoming = Upcoming(count);
        return {upcoming, upcoming == nullptr ? nullptr : end};
    }
    // The state after the draw before `next`: the four entries before it, and
    // the carry worked back from the entry at it.
    void ReadStateAtCursor() {
        x[0] = next[-1];
        x[1] = next[-2];
        x[2] = next[-3];
        x[3] = next[-4];
        carry = CarryBeforeEntry(next);
    }
    uint32_t DrawUnbuffered();
    const uint32_t* UpcomingDrawsAfterFill(int32_t count);
    void FillBlock();

    // Where this generator reads in the block, valid while the block's stamp is `stamp`.
    const uint32_t* next = nullptr;
    const uint32_t* end = nullptr;
    uint64_t stamp = kNoBlockStamp;
    // Draws made one at a time since this generator last had a block of its own.
    int32_t unbufferedDraws = 0;

#if HOLLOWMERE_CHECK_DRAW_SCOPES
    // Local draw scopes holding this generator's block: 0 or 1, as scopes never nest.
    // A copy made inside a scope has the scope's stale state, and counts it open too.
    int32_t openScopes = 0;
    void ExpectNoScopeOpen() const {
        if (openScopes != 0) [[unlikely]] FailDrawInsideScope();
    }
    void ExpectScopeOpen() const {
        if (openScopes != 1) [[unlikely]] FailScopeNotOpen();
    }
    void OpenScope() { ++openScopes; }
    void CloseScope() {
        ExpectScopeOpen();
        --openScopes;
    }
    [[noreturn]] static void FailDrawInsideScope();
    [[noreturn]] static void FailScopeNotOpen();
#else
    void ExpectNoScopeOpen() const {}
    void ExpectScopeOpen() const {}
    void OpenScope() {}
    void CloseScope() {}
#endif
};

extern RandomMother rng;

// Last tick count read by GetTickSeed.
extern int32_t randomSeed;

// Reads the millisecond tick count, stores it in randomSeed and returns it.
uint32_t GetTickSeed();
// The seed the generator starts from: HOLLOWMERE_SEED when that is set, else GetTickSeed.
uint32_t StartingSeed();

// The percentage callers use to round a fractional value up at random:
// 0 for a whole number, else 1 + the first two decimals (2.5 gives 51).
int32_t GetFractionPercent(float v);
