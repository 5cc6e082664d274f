// One floor of each layout type, a different seed each iteration; and the
// spread of single-floor times over many seeds, per layout type.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "floors/floor.h"
#include "shell/random_mother.h"

namespace {

void GenerateRoomFloor(Floor& floor) { floor.GenerateRoomFloor(); }
void GenerateRoughDungeon(Floor& floor) {
    const int32_t extra = rng.Random(2000);
    floor.GenerateRoughDungeon(2000 + extra);
}
void GenerateCavern(Floor& floor) { floor.GenerateCavern(); }
void GenerateCorridorComplex(Floor& floor) { floor.GenerateCorridorComplex(); }

using Generate = void (*)(Floor&);

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

// Seeds 1..range(1) of the layout type range(0): the median, the 99th percentile
// and the slowest floor, in milliseconds.
void BM_FloorTimesOverSeeds(benchmark::State& state) {
    static constexpr Generate kGenerators[] = {GenerateRoomFloor, GenerateRoughDungeon, GenerateCavern,
                                               GenerateCorridorComplex};
    const Generate generate = kGenerators[state.range(0) - 1];
    const uint32_t seeds = static_cast<uint32_t>(state.range(1));
    static Floor floor;
    std::vector<double> times;
    for (auto _ : state) {
        times.clear();
        for (uint32_t seed = 1; seed <= seeds; ++seed) {
            rng.RandomInit(seed);
            const auto start = std::chrono::steady_clock::now();
            generate(floor);
            const auto end = std::chrono::steady_clock::now();
            times.push_back(std::chrono::duration<double, std::milli>(end - start).count());
        }
    }
    std::sort(times.begin(), times.end());
    state.counters["median_ms"] = times[times.size() / 2];
    state.counters["p99_ms"] = times[times.size() * 99 / 100];
    state.counters["max_ms"] = times.back();
}

}  // namespace

BENCHMARK(BM_RoomFloor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RoughDungeon)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Cavern)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CorridorComplex)->Unit(benchmark::kMillisecond);
// Layout types 1 rooms, 2 roughly dug, 3 cavern, 4 corridor complex; 10,000 seeds each.
BENCHMARK(BM_FloorTimesOverSeeds)
    ->ArgNames({"layout", "seeds"})
    ->ArgsProduct({{1, 2, 3, 4}, {10000}})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
