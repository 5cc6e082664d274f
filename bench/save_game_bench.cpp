// How long saving and loading a whole game takes, in memory: a new game's 35
// floors with their items and every monster, written as the save file's bytes
// (the stream, packed) and read back from them.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "floors/dungeon_generation.h"
#include "game_data.h"
#include "items/appearances.h"
#include "records/save_blocks.h"
#include "skills/skill_def.h"
#include "toolkit/random_mother.h"
#include "world/player.h"

namespace {

bool MakeGame() {
    if (!LoadData()) return false;
    ClearDungeon();
    rng.RandomInit(1);
    std::strcpy(player.name, "Bench");
    InitSkillTable();
    ShufflePotionNames();
    ShuffleWandNames();
    ShuffleAccessoryNames();
    GenerateDungeon();
    player.PlaceOnUpStairs();
    return true;
}

void BM_SaveAndLoadFullGame(benchmark::State& state) {
    if (!MakeGame()) {
        state.SkipWithError("no data files in the play folder");
        return;
    }
    size_t packedBytes = 0;
    for (auto _ : state) {
        const std::vector<uint8_t> packed = WritePackedSave();
        packedBytes = packed.size();
        if (ReadPackedSave(packed) != SaveStreamResult::kRead) state.SkipWithError("the game did not load");
    }
    state.counters["packed_kB"] = static_cast<double>(packedBytes) / 1024.0;
    state.counters["stream_kB"] = static_cast<double>(WriteSaveStream().size()) / 1024.0;
}
BENCHMARK(BM_SaveAndLoadFullGame)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The two halves apart.
void BM_SaveFullGame(benchmark::State& state) {
    if (!MakeGame()) {
        state.SkipWithError("no data files in the play folder");
        return;
    }
    for (auto _ : state) benchmark::DoNotOptimize(WritePackedSave());
}
BENCHMARK(BM_SaveFullGame)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_LoadFullGame(benchmark::State& state) {
    if (!MakeGame()) {
        state.SkipWithError("no data files in the play folder");
        return;
    }
    const std::vector<uint8_t> packed = WritePackedSave();
    for (auto _ : state) {
        if (ReadPackedSave(packed) != SaveStreamResult::kRead) state.SkipWithError("the game did not load");
    }
}
BENCHMARK(BM_LoadFullGame)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
