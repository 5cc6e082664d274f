// One floor of each layout type, a different seed each iteration; and the
// spread of single-floor times over many seeds, per layout type.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "toolkit/random_mother.h"
#include "world/floor.h"

namespace {

void GenerateRoomFloor(Floor& floor) { floor.GenerateRoomFloor(); }
void GenerateRoughDungeon(Floor& floor) {
    const int32_t extra = rng.Random(2000);
    floor.GenerateRoughDungeon(2000 + extra);
}
void GenerateCavern(Floor& floor) { floor.GenerateCavern(); }
void GenerateCorridorComplex(Floor& floor) { floor.GenerateCorridorComplex(); }

using Generate = void (*)(Floor&);
// By layout type: 1 rooms, 2 roughly dug, 3 cavern, 4 corridor complex.
constexpr Generate kGenerators[] = {GenerateRoomFloor, GenerateRoughDungeon, GenerateCavern, GenerateCorridorComplex};
Generate GeneratorOf(int64_t layout) { return kGenerators[layout - 1]; }

void GenerateFloors(benchmark::State& state, Generate generate) {
    static Floor floor;
    uint32_t seed = 0;
    for (auto _ : state) {
        rng.RandomInit(seed++);
        generate(floor);
        benchmark::DoNotOptimize(floor.tiles[0].glyph);
    }
}

void BM_RoomFloor(benchmark::State& state) { GenerateFloors(state, GenerateRoomFloor); }
void BM_RoughDungeon(benchmark::State& state) { GenerateFloors(state, GenerateRoughDungeon); }
void BM_Cavern(benchmark::State& state) { GenerateFloors(state, GenerateCavern); }
void BM_CorridorComplex(benchmark::State& state) { GenerateFloors(state, GenerateCorridorComplex); }

// This thread's processor time in milliseconds: the machine is shared, and wall
// time would count the other programs' turns.
double ThreadMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) * 1e-6;
}

// Seeds of the spread: 10,000 by default, HOLLOWMERE_BENCH_SEEDS for a quicker run.
const int64_t kSpreadSeeds = [] {
    const char* text = std::getenv("HOLLOWMERE_BENCH_SEEDS");
    const long long seeds = text == nullptr ? 0 : std::atoll(text);
    return seeds > 0 ? static_cast<int64_t>(seeds) : int64_t{10000};
}();

// Seeds 1..range(1) of the layout type range(0): the median, the 99th percentile
// and the slowest floor in processor milliseconds, and (as the label) the seed of the
// slowest, which BM_FloorOfSeed replays.
void BM_FloorTimesOverSeeds(benchmark::State& state) {
    const Generate generate = GeneratorOf(state.range(0));
    const uint32_t seeds = static_cast<uint32_t>(state.range(1));
    static Floor floor;
    std::vector<double> times;
    double slowest = 0.0;
    uint32_t slowestSeed = 0;
    for (auto _ : state) {
        times.clear();
        for (uint32_t seed = 1; seed <= seeds; ++seed) {
            rng.RandomInit(seed);
            const double start = ThreadMilliseconds();
            generate(floor);
            const double took = ThreadMilliseconds() - start;
            times.push_back(took);
            if (took > slowest) {
                slowest = took;
                slowestSeed = seed;
            }
        }
    }
    std::sort(times.begin(), times.end());
    state.counters["median_ms"] = times[times.size() / 2];
    state.counters["p99_ms"] = times[times.size() * 99 / 100];
    state.counters["max_ms"] = times.back();
    state.SetLabel("slowest seed " + std::to_string(slowestSeed));
}

// The floor of one seed, again and again: for profiling a slow floor.
void BM_FloorOfSeed(benchmark::State& state) {
    const Generate generate = GeneratorOf(state.range(0));
    const uint32_t seed = static_cast<uint32_t>(state.range(1));
    static Floor floor;
    for (auto _ : state) {
        rng.RandomInit(seed);
        generate(floor);
        benchmark::DoNotOptimize(floor.tiles[0].glyph);
    }
}

// The floors to replay, as "layout:seed" separated by commas in
// HOLLOWMERE_BENCH_REPLAY (say "4:1234,4:77"); none without it.
const bool kReplaysRegistered = [] {
    const char* text = std::getenv("HOLLOWMERE_BENCH_REPLAY");
    if (text == nullptr) return false;
    const std::string list = text;
    for (size_t from = 0; from < list.size();) {
        size_t to = list.find(',', from);
        if (to == std::string::npos) to = list.size();
        const std::string item = list.substr(from, to - from);
        const size_t colon = item.find(':');
        const long long layout = std::atoll(item.c_str());
        if (colon != std::string::npos && layout >= 1 && layout <= 4) {
            benchmark::RegisterBenchmark("BM_FloorOfSeed", BM_FloorOfSeed)
                ->ArgNames({"layout", "seed"})
                ->Args({layout, std::atoll(item.c_str() + colon + 1)})
                ->Unit(benchmark::kMillisecond);
        }
        from = to + 1;
    }
    return true;
}();

}  // namespace

BENCHMARK(BM_RoomFloor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RoughDungeon)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Cavern)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CorridorComplex)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FloorTimesOverSeeds)
    ->ArgNames({"layout", "seeds"})
    ->ArgsProduct({{1, 2, 3, 4}, {kSpreadSeeds}})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
