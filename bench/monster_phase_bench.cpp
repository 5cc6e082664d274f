// How long the monsters take: the monster phase of one main-loop pass on a
// crowded floor, and the 25 catch-up rounds of a stair change. The dungeon is a
// whole generated one (its monster list runs over all 35 floors); on the
// measured floor 60 monsters are awake and hunting the character, who stands
// walled in on the up staircase, so that every monster keeps looking for a way
// to it and nothing is attacked (no messages, no flashes).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "floors/field_of_view.h"
#include "game/game.h"
#include "game_data.h"
#include "player/commands.h"
#include "world/player.h"

namespace {

constexpr int32_t kCrowd = 60;

// The monsters of the floor; of all floors for kAllFloors.
constexpr int32_t kAllFloors = -1;
int32_t MonstersOn(int32_t floor) {
    int32_t count = 0;
    for (const Monster* m = monsterListHead; m != nullptr; m = m->next) {
        count += floor == kAllFloors || m->floor == floor ? 1 : 0;
    }
    return count;
}

// The first floor of the layout in the dungeon of the seed that is no demon's floor.
int32_t FindFloor(int32_t layout) {
    for (int32_t f = 1; f < kFloorCount - 1; ++f) {
        if (f % 7 != 6 && floorArray[f].layoutType == layout) return f;
    }
    return -1;
}

// A dungeon with a floor of the layout crowded as described above; the floor's
// index, or -1 when no seed gives such a floor.
int32_t PrepareCrowdedFloor(int32_t layout) {
    int32_t floor = -1;
    for (uint32_t seed = 1; seed < 50 && floor < 0; ++seed) {
        GenerateDungeonFromSeed(seed);
        floor = FindFloor(layout);
    }
    if (floor < 0) return -1;
    Floor& map = floorArray[floor];
    player.currentFloor = floor;
    player.PlaceOnUpStairs();
    for (int32_t dx = -1; dx <= 1; ++dx) {
        for (int32_t dy = -1; dy <= 1; ++dy) {
            if ((dx != 0 || dy != 0) && Floor::OnMap(player.x + dx, player.y + dy)) {
                map.At(player.x + dx, player.y + dy).glyph = kWallGlyph;
            }
        }
    }
    for (int32_t tries = 0; tries < 100000 && MonstersOn(floor) < kCrowd; ++tries) {
        const int32_t x = rng.Random(kFloorWidth);
        const int32_t y = rng.Random(kFloorHeight);
        if (map.At(x, y).glyph == kFloorGlyph) SpawnMonster(x, y, floor, true, kVariantNever, kComputedLevel);
    }
    for (Monster* m = monsterListHead; m != nullptr; m = m->next) {
        if (m->floor != floor) continue;
        m->awake = 1;
        m->hunting = 1;
        m->energy = m->actThreshold;
    }
    ComputeFieldOfView(&map, player.x, player.y, player.sightRadius);
    for (Tile& tile : map.tiles) {
        tile.visibleNow = tile.inViewMark;
        tile.remembered = tile.inViewMark;
        tile.inViewMark = 0;
    }
    return floor;
}

double Median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

double Percentile99(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() * 99 / 100];
}

// Times each call of `pass` on its own: the median and the 99th percentile in microseconds.
template <typename Pass>
void TimeEachPass(benchmark::State& state, int32_t passes, Pass pass) {
    std::vector<double> times;
    for (auto _ : state) {
        times.clear();
        for (int32_t n = 0; n < passes; ++n) {
            const auto start = std::chrono::steady_clock::now();
            pass();
            const auto end = std::chrono::steady_clock::now();
            times.push_back(std::chrono::duration<double, std::micro>(end - start).count());
        }
    }
    state.counters["median_us"] = Median(times);
    state.counters["p99_us"] = Percentile99(times);
}

void BM_MonsterPhaseOnACrowdedFloor(benchmark::State& state) {
    if (!LoadData()) {
        state.SkipWithError("no data files in the play folder");
        return;
    }
    const int32_t layout = static_cast<int32_t>(state.range(0));
    const int32_t floor = PrepareCrowdedFloor(layout);
    if (floor < 0 || MonstersOn(floor) < kCrowd) {
        state.SkipWithError("no floor of that layout could be crowded");
        return;
    }
    state.counters["monsters_in_list"] = MonstersOn(kAllFloors);
    TimeEachPass(state, 2000, [] { RunMonsterPhase(); });
}
BENCHMARK(BM_MonsterPhaseOnACrowdedFloor)
    ->ArgName("layout")
    ->Arg(kLayoutCavern)
    ->Arg(kLayoutRooms)
    ->Iterations(1)
    ->Unit(benchmark::kMicrosecond);

void BM_StairCatchUpRounds(benchmark::State& state) {
    if (!LoadData()) {
        state.SkipWithError("no data files in the play folder");
        return;
    }
    const int32_t floor = PrepareCrowdedFloor(kLayoutCavern);
    if (floor < 0) {
        state.SkipWithError("no cavern floor");
        return;
    }
    // The player is still on the floor above, about to come down.
    player.currentFloor = floor - 1;
    TimeEachPass(state, 500, [floor] { CatchUpArrivalFloor(floor); });
}
BENCHMARK(BM_StairCatchUpRounds)->Iterations(1)->Unit(benchmark::kMicrosecond);

}  // namespace
