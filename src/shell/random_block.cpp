#include "shell/random_block.h"

#include <vector>

RandomBlock randomBlock;

namespace {

// Chosen on the first fill, so that nothing runs before main to ask the processor.
bool pathChosen = false;
RandomPath activePath = RandomPath::kSerial;

void FillSerially(const GeneratorState& state, uint64_t* entries, int32_t count) {
    GeneratorState s = state;
    for (int32_t i = 0; i < count; ++i) entries[i] = DrawOnce(s.x, s.carry);
}

// The multipliers that start lane l at draw l * (block / lanes), made once per lane count.
const std::vector<WideNumber>& LaneMultipliers(int32_t lanes) {
    static std::vector<WideNumber> byLanes[kAvx512Lanes + 1];
    std::vector<WideNumber>& multipliers = byLanes[lanes];
    if (multipliers.empty()) {
        const uint32_t laneLength = kRandomBlockSize / lanes;
        multipliers.push_back(WideNumber{});  // lane 0 starts where the generator stands
        for (int32_t lane = 1; lane < lanes; ++lane) multipliers.push_back(JumpMultiplier(lane * laneLength));
    }
    return multipliers;
}

// Each lane must end exactly where the next one starts: a lane that was started
// wrongly would show here, and the block is then made serially.
bool LanesJoin(const GeneratorState* starts, int32_t lanes, const uint64_t* entries) {
    const int32_t laneLength = kRandomBlockSize / lanes;
    for (int32_t lane = 1; lane < lanes; ++lane) {
        const uint64_t* end = entries + lane * laneLength;
        const GeneratorState& next = starts[lane];
        if (end[-1] != (uint64_t{next.carry} << 32 | next.x[0])) return false;
        for (int32_t older = 1; older < 4; ++older) {
            if (static_cast<uint32_t>(end[-1 - older]) != next.x[older]) return false;
        }
    }
    return true;
}

bool FillByLanes(const GeneratorState& state, int32_t lanes, void (*fill)(const GeneratorState*, uint64_t*)) {
    const std::vector<WideNumber>& multipliers = LaneMultipliers(lanes);
    GeneratorState starts[kAvx512Lanes];
    starts[0] = state;
    for (int32_t lane = 1; lane < lanes; ++lane) {
        if (!JumpAhead(state, multipliers[lane], starts[lane])) return false;
    }
    fill(starts, randomBlock.Entries());
    return LanesJoin(starts, lanes, randomBlock.Entries());
}

}  // namespace

bool IsRandomPathSupported(RandomPath path) {
    __builtin_cpu_init();
    switch (path) {
        case RandomPath::kSerial:
        case RandomPath::kScalar: return true;
        case RandomPath::kAvx2: return __builtin_cpu_supports("avx2");
        case RandomPath::kAvx512: return __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512vl");
    }
    return false;
}

// Without vector lanes the scalar block fill keeps a dungeon about as quick as
// drawing one number at a time used to be, where the serial path of the spot
// search is measured twice as slow.
RandomPath BestRandomPath() {
    if (IsRandomPathSupported(RandomPath::kAvx512)) return RandomPath::kAvx512;
    if (IsRandomPathSupported(RandomPath::kAvx2)) return RandomPath::kAvx2;
    return RandomPath::kScalar;
}

RandomPath ActiveRandomPath() {
    if (!pathChosen) {
        activePath = BestRandomPath();
        pathChosen = true;
        randomBlock.serial = activePath == RandomPath::kSerial;
    }
    return activePath;
}

void UseRandomPath(RandomPath path) {
    activePath = IsRandomPathSupported(path) ? path : BestRandomPath();
    pathChosen = true;
    randomBlock.serial = activePath == RandomPath::kSerial;
    ++randomBlock.stamp;  // what was made the old way is not handed out the new way
}

const char* RandomPathName(RandomPath path) {
    switch (path) {
        case RandomPath::kSerial: return "serial";
        case RandomPath::kScalar: return "scalar";
        case RandomPath::kAvx2: return "avx2";
        case RandomPath::kAvx512: return "avx512";
    }
    return "unknown";
}

RandomPath FillRandomBlock(const GeneratorState& state) {
    ++randomBlock.stamp;
    uint64_t* entries = randomBlock.Entries();
    entries[-4] = state.x[3];
    entries[-3] = state.x[2];
    entries[-2] = state.x[1];
    entries[-1] = uint64_t{state.carry} << 32 | state.x[0];
    const RandomPath path = ActiveRandomPath();
    if (path == RandomPath::kAvx512 && FillByLanes(state, kAvx512Lanes, FillLanesAvx512)) return path;
    if (path == RandomPath::kAvx2 && FillByLanes(state, kAvx2Lanes, FillLanesAvx2)) return path;
    FillSerially(state, entries, kRandomBlockSize);
    return RandomPath::kScalar;
}
