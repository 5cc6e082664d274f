// How long a new game's dungeon takes: all 35 floors generated and populated
// from the game's own data files in the play folder. Each benchmark runs once
// per random path (the argument, a RandomPath): the serial path draws one
// number at a time as the generator always did, the others read blocks of
// draws made ahead, and all of them make the same dungeons.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <vector>

#include "game_data.h"
#include "toolkit/random_block.h"

namespace {

// Sets the benchmark's random path; false (with the benchmark skipped) when the processor lacks it.
bool UsePathOf(benchmark::State& state) {
    const RandomPath path = static_cast<RandomPath>(state.range(0));
    if (!LoadData()) {
        state.SkipWithError("no data files in the play folder");
        return false;
    }
    if (!IsRandomPathSupported(path)) {
        state.SkipWithError("this processor lacks the path");
        return false;
    }
    UseRandomPath(path);
    state.SetLabel(RandomPathName(path));
    return true;
}

void BM_GenerateDungeon(benchmark::State& state) {
    if (!UsePathOf(state)) return;
    uint32_t seed = 1;
    for (auto _ : state) {
        state.PauseTiming();
        ClearDungeon();
        rng.RandomInit(seed++);
        state.ResumeTiming();
        GenerateDungeon();
    }
    UseRandomPath(BestRandomPath());
}
BENCHMARK(BM_GenerateDungeon)->DenseRange(0, 3)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// Seeds of the spread: 10,000 by default, HOLLOWMERE_BENCH_SEEDS for a quicker run.
const int64_t kSpreadSeeds = [] {
    const char* text = std::getenv("HOLLOWMERE_BENCH_SEEDS");
    const long long seeds = text == nullptr ? 0 : std::atoll(text);
    return seeds > 0 ? static_cast<int64_t>(seeds) : int64_t{10000};
}();

// This thread's processor time in milliseconds: the machine the benchmarks run
// on is shared, and wall time would count the other programs' turns.
double ThreadMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) * 1e-6;
}

// The spread over many seeds: the median, the 99th percentile and the slowest
// dungeon, and the slowest single floor met in any of them, in processor time.
// The second argument is the number of seeds, from 1 up.
void BM_DungeonTimesOverSeeds(benchmark::State& state) {
    if (!UsePathOf(state)) return;
    const uint32_t seeds = static_cast<uint32_t>(state.range(1));
    std::vector<double> times;
    double slowestFloor = 0.0;
    for (auto _ : state) {
        times.clear();
        for (uint32_t seed = 1; seed <= seeds; ++seed) {
            ClearDungeon();
            rng.RandomInit(seed);
            double dungeon = 0.0;
            double start = ThreadMilliseconds();
            DungeonPlan plan = StartDungeon();
            for (int32_t floor = 0; floor < kFloorCount; ++floor) {
                GenerateDungeonFloor(plan, floor);
                const double end = ThreadMilliseconds();
                const double took = end - start;
                slowestFloor = std::max(slowestFloor, took);
                dungeon += took;
                start = end;
            }
            times.push_back(dungeon);
        }
    }
    std::sort(times.begin(), times.end());
    state.counters["median_ms"] = times[times.size() / 2];
    state.counters["p99_ms"] = times[times.size() * 99 / 100];
    state.counters["max_ms"] = times.back();
    state.counters["worst_floor_ms"] = slowestFloor;
    UseRandomPath(BestRandomPath());
}
BENCHMARK(BM_DungeonTimesOverSeeds)
    ->ArgsProduct({{0, 1, 2, 3}, {kSpreadSeeds}})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

}  // namespace
