// How long a new game's dungeon takes: all 35 floors generated and populated
// from the game's own data files in the play folder. Each benchmark runs once
// per random path (the argument, a RandomPath): the serial path draws one
// number at a time as the generator always did, the others read blocks of
// draws made ahead, and all of them make the same dungeons.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "game_data.h"
#include "shell/random_block.h"

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

// The spread over many seeds: the median, the 99th percentile and the slowest
// dungeon, and the slowest single floor met in any of them. The second
// argument is the number of seeds, from 1 up.
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
            auto start = std::chrono::steady_clock::now();
            DungeonPlan plan = StartDungeon();
            for (int32_t floor = 0; floor < kFloorCount; ++floor) {
                GenerateDungeonFloor(plan, floor);
                const auto end = std::chrono::steady_clock::now();
                const double took = std::chrono::duration<double, std::milli>(end - start).count();
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
    ->ArgsProduct({{0, 1, 2, 3}, {10000}})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

}  // namespace
