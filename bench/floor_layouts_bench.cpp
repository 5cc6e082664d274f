// One floor of each layout type, a different seed each iteration.
#include <benchmark/benchmark.h>

#include "floors/floor.h"
#include "shell/random_mother.h"

namespace {

template <class Generate>
void GenerateFloors(benchmark::State& state, Generate generate) {
    static Floor floor;
    uint32_t seed = 0;
    for (auto _ : state) {
        rng.RandomInit(seed++);
        generate(floor);
        benchmark::DoNotOptimize(floor.tiles[0].glyph);
    }
}

void BM_RoomFloor(benchmark::State& state) {
    GenerateFloors(state, [](Floor& floor) { floor.GenerateRoomFloor(); });
}
void BM_RoughDungeon(benchmark::State& state) {
    GenerateFloors(state, [](Floor& floor) {
        const int32_t extra = rng.Random(2000);
        floor.GenerateRoughDungeon(2000 + extra);
    });
}
void BM_Cavern(benchmark::State& state) {
    GenerateFloors(state, [](Floor& floor) { floor.GenerateCavern(); });
}
void BM_CorridorComplex(benchmark::State& state) {
    GenerateFloors(state, [](Floor& floor) { floor.GenerateCorridorComplex(); });
}

}  // namespace

BENCHMARK(BM_RoomFloor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RoughDungeon)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Cavern)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CorridorComplex)->Unit(benchmark::kMillisecond);
