// One field-of-view computation on a generated floor, from its up staircase.
#include <benchmark/benchmark.h>

#include "floors/field_of_view.h"
#include "toolkit/random_mother.h"
#include "world/floor.h"

namespace {

void BM_FieldOfView(benchmark::State& state) {
    static Floor floor;
    rng.RandomInit(42);
    floor.GenerateCavern();
    XY viewer = {40, 9};
    for (int32_t x = 0; x < kFloorWidth; ++x)
        for (int32_t y = 0; y < kFloorHeight; ++y)
            if (floor.At(x, y).glyph == '<') viewer = {x, y};
    const int32_t radius = static_cast<int32_t>(state.range(0));
    for (auto _ : state) {
        ComputeFieldOfView(&floor, viewer.x, viewer.y, radius);
        benchmark::ClobberMemory();
    }
}

}  // namespace

BENCHMARK(BM_FieldOfView)->Arg(6)->Arg(9);
