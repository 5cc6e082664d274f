#include "toolkit/random_block.h"

#include <vector>

RandomBlock randomBlock;

namespace {

// Chosen on the first fill, so that nothing runs before main to ask the processor.
bool pathChosen = false;
RandomPath activePath = RandomPath::kSerial;

// Returns the state after the last draw.
GeneratorState FillSerially(const GeneratorState& state, uint32_t* entries, int32_t count) {
    GeneratorState s = state;
    for (int32_t i = 0; i < count; ++i) entries[i] = static_cast<uint32_t>(DrawOnce(s.x, s.carry));
    return s;
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

bool SameState(const GeneratorState& a, const GeneratorState& b) {
    for (int32_t i = 0; i < 4; ++i) {
        if (a.x[i] != b.x[i]) return false;
    }
    return a.carry == b.carry;
}

// Each lane must end exactly where the next one starts: a lane that was started
// wrongly would show here, and the block is then made serially.
bool LanesJoin(const GeneratorState* starts, const GeneratorState* ends, int32_t lanes) {
    for (int32_t lane = 1; lane < lanes; ++lane) {
        if (!SameState(ends[lane - 1], starts[lane])) return false;
    }
    return true;
}

// Fills the block by lanes; `end` gets the state after the block's last draw.
bool FillByLanes(const GeneratorState& state, int32_t lanes,
                 void (*fill)(const GeneratorState*, uint32_t*, GeneratorState*), GeneratorState& end) {
    const std::vector<WideNumber>& multipliers = LaneMultipliers(lanes);
    GeneratorState starts[kAvx512Lanes];
    GeneratorState ends[kAvx512Lanes];
    starts[0] = state;
    for (int32_t lane = 1; lane < lanes; ++lane) {
        if (!JumpAhead(state, multipliers[lane], starts[lane])) return false;
    }
    fill(starts, randomBlock.Entries(), ends);
    end = ends[lanes - 1];
    return LanesJoin(starts, ends, lanes);
}

// Fills the block by the path, else one draw at a time; returns the path that made it.
RandomPath FillEntries(const GeneratorState& state, RandomPath path, GeneratorState& end) {
    if (path == RandomPath::kAvx512 && FillByLanes(state, kAvx512Lanes, FillLanesAvx512, end)) return path;
    if (path == RandomPath::kAvx2 && FillByLanes(state, kAvx2Lanes, FillLanesAvx2, end)) return path;
    end = FillSerially(state, randomBlock.Entries(), kRandomBlockSize);
    return RandomPath::kScalar;
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
    uint32_t* entries = randomBlock.Entries();
    for (int32_t older = 0; older < 4; ++older) entries[-1 - older] = state.x[older];
    GeneratorState end;
    const RandomPath path = FillEntries(state, ActiveRandomPath(), end);
    // The draw after the block, which holds the carry after the block's last draw.
    entries[kRandomBlockSize] = static_cast<uint32_t>(DrawOnce(end.x, end.carry));
    return path;
}
