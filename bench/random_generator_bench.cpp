// The cost of a draw: the serial generator as it was, beside the game's
// generator reading from blocks made by each path, and the fill of a block alone.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "support/serial_random_mother.h"
#include "toolkit/random_block.h"
#include "toolkit/random_local_scope.h"
#include "toolkit/random_mother.h"

namespace {

constexpr int64_t kDrawsPerRound = 1 << 20;

// Shown as the time a draw takes (seconds, with an SI prefix: 1.4n is 1.4 ns).
void ReportPerDraw(benchmark::State& state, int64_t draws) {
    state.counters["per_draw"] =
        benchmark::Counter(static_cast<double>(draws), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_SerialGeneratorDraw(benchmark::State& state) {
    SerialRandomMother generator;
    generator.RandomInit(12345);
    uint32_t folded = 0;
    for (auto _ : state) {
        for (int64_t i = 0; i < kDrawsPerRound; ++i) folded += generator.BRandom();
        benchmark::DoNotOptimize(folded);
    }
    ReportPerDraw(state, state.iterations() * kDrawsPerRound);
}
BENCHMARK(BM_SerialGeneratorDraw);

// The argument is the RandomPath.
void BM_GameGeneratorDraw(benchmark::State& state) {
    const RandomPath path = static_cast<RandomPath>(state.range(0));
    if (!IsRandomPathSupported(path)) {
        state.SkipWithError("this processor lacks the path");
        return;
    }
    UseRandomPath(path);
    state.SetLabel(RandomPathName(path));
    RandomMother generator;
    generator.RandomInit(12345);
    uint32_t folded = 0;
    for (auto _ : state) {
        for (int64_t i = 0; i < kDrawsPerRound; ++i) folded += generator.BRandom();
        benchmark::DoNotOptimize(folded);
    }
    ReportPerDraw(state, state.iterations() * kDrawsPerRound);
    UseRandomPath(BestRandomPath());
}
BENCHMARK(BM_GameGeneratorDraw)->DenseRange(0, 3);

// Draws as generation's tight loops make them: through a scope's own cursor.
void BM_LocalGeneratorDraw(benchmark::State& state) {
    const RandomPath path = static_cast<RandomPath>(state.range(0));
    if (!IsRandomPathSupported(path)) {
        state.SkipWithError("this processor lacks the path");
        return;
    }
    UseRandomPath(path);
    state.SetLabel(RandomPathName(path));
    rng.RandomInit(12345);
    uint32_t folded = 0;
    for (auto _ : state) {
        LocalRandom random;
        for (int64_t i = 0; i < kDrawsPerRound; ++i) folded += static_cast<uint32_t>(random.Random(1000000007));
        benchmark::DoNotOptimize(folded);
    }
    ReportPerDraw(state, state.iterations() * kDrawsPerRound);
    UseRandomPath(BestRandomPath());
}
BENCHMARK(BM_LocalGeneratorDraw)->DenseRange(0, 3);

void BM_BlockFill(benchmark::State& state) {
    const RandomPath path = static_cast<RandomPath>(state.range(0));
    if (!IsRandomPathSupported(path)) {
        state.SkipWithError("this processor lacks the path");
        return;
    }
    UseRandomPath(path);
    state.SetLabel(RandomPathName(path));
    RandomMother seeded;
    seeded.RandomInit(12345);
    GeneratorState start;
    for (int32_t i = 0; i < 4; ++i) start.x[i] = seeded.x[i];
    start.carry = seeded.carry;
    for (auto _ : state) {
        FillRandomBlock(start);
        benchmark::DoNotOptimize(randomBlock.Entries()[kRandomBlockSize - 1]);
        start.carry ^= 1;  // a fresh start each time, so no fill repeats the last
    }
    ReportPerDraw(state, state.iterations() * kRandomBlockSize);
    UseRandomPath(BestRandomPath());
}
BENCHMARK(BM_BlockFill)->DenseRange(1, 3);

}  // namespace
