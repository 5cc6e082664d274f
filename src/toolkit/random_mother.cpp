#include "toolkit/random_mother.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "toolkit/platform.h"

int32_t randomSeed = 0;

RandomMother rng;

namespace {
// A test seam: HOLLOWMERE_SEED (decimal) fixes the seed so runs can be repeated.
bool SeedFromEnvironment(uint32_t& seed) {
    const std::string text = PlatformEnvironment("HOLLOWMERE_SEED");
    if (text.empty()) return false;
    char* end = nullptr;
    const unsigned long long value = std::strtoull(text.c_str(), &end, 10);
    if (end == text.c_str() || *end != '\0') return false;
    seed = static_cast<uint32_t>(value);
    return true;
}
}  // namespace

RandomMother::RandomMother() { RandomInit(StartingSeed()); }

uint32_t StartingSeed() {
    uint32_t seed = 0;
    if (!SeedFromEnvironment(seed)) seed = GetTickSeed();
    return seed;
}

void RandomMother::RandomInit(uint32_t seed) {
    ExpectNoScopeOpen();
    uint32_t s = seed;
    uint32_t* targets[5] = {&x[0], &x[1], &x[2], &x[3], &carry};
    for (uint32_t* target : targets) {
        s = s * 29943829u - 1u;
        *target = s;
    }
    for (int i = 0; i < 19; ++i) DrawOnce(x, carry);
    next = nullptr;
    end = nullptr;
    stamp = kNoBlockStamp;
    unbufferedDraws = 0;
}

namespace {
// A generator without a block draws this many numbers one at a time before it
// fills one: a generator made to try a seed or two draws only a few.
constexpr int32_t kDrawsBeforeBlock = 64;
}  // namespace

uint32_t RandomMother::DrawUnbuffered() {
    if (ActiveRandomPath() != RandomPath::kSerial) {
        // Having read to the end of a block still current, it goes straight on with the next.
        const bool readToEnd = stamp == randomBlock.stamp;
        if (readToEnd || unbufferedDraws >= kDrawsBeforeBlock) {
            FillBlock();
            ++next;
            ReadStateAtCursor();
            return x[0];
        }
    }
    ++unbufferedDraws;
    return static_cast<uint32_t>(DrawOnce(x, carry));
}

void RandomMother::FillBlock() {
    GeneratorState state;
    for (int32_t i = 0; i < 4; ++i) state.x[i] = x[i];
    state.carry = carry;
    FillRandomBlock(state);
    next = randomBlock.Entries();
    end = next + kRandomBlockSize;
    stamp = randomBlock.stamp;
    unbufferedDraws = 0;
}

const uint32_t* RandomMother::UpcomingDrawsAfterFill(int32_t) {
    if (ActiveRandomPath() == RandomPath::kSerial) return nullptr;
    FillBlock();
    return next;
}

#if HOLLOWMERE_CHECK_DRAW_SCOPES
void RandomMother::FailDrawInsideScope() {
    std::fputs("The game's generator was drawn from while a local draw scope held it.\n", stderr);
    std::abort();
}

void RandomMother::FailScopeNotOpen() {
    std::fputs("A local draw scope gave back draws the game's generator had not lent.\n", stderr);
    std::abort();
}
#endif

uint32_t GetTickSeed() {
    const uint32_t tick = PlatformTickCount();
    randomSeed = static_cast<int32_t>(tick);
    return tick;
}

int32_t GetFractionPercent(float v) {
    const int32_t whole = static_cast<int32_t>(v);
    const float fraction = v - static_cast<float>(whole);
    if (fraction == 0.0f) return 0;
    return 1 - static_cast<int32_t>(-100.0f * fraction);
}
