#include "toolkit/random_block.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "support/random_paths.h"
#include "support/serial_random_mother.h"
#include "toolkit/random_jump.h"
#include "toolkit/random_mother.h"

namespace {

void ExpectSameState(const RandomMother& generator, const SerialRandomMother& reference, uint64_t draw) {
    for (int32_t i = 0; i < 4; ++i) ASSERT_EQ(generator.x[i], reference.x[i]) << "x[" << i << "] after draw " << draw;
    ASSERT_EQ(generator.carry, reference.carry) << "carry after draw " << draw;
}

using RandomBlockPaths = EveryRandomPath;

// Tens of millions of draws over many seeds: every block edge and every lane's
// start is crossed thousands of times, and the state words must be right after each draw.
TEST_P(RandomBlockPaths, DrawsMatchTheSerialGeneratorEverywhere) {
    constexpr int32_t kSeeds = 24;
    constexpr int32_t kDrawsPerSeed = 1'000'000;
    for (uint32_t s = 0; s < kSeeds; ++s) {
        const uint32_t seed = s * 2654435761u;
        RandomMother generator;
        SerialRandomMother reference;
        generator.RandomInit(seed);
        reference.RandomInit(seed);
        for (int32_t draw = 0; draw < kDrawsPerSeed; ++draw) {
            // Ranges that draw and ranges that don't, as the game asks for them.
            const int32_t n = draw % 7 == 3 ? 1 : draw % 5 + 2;
            ASSERT_EQ(generator.Random(n), reference.Random(n)) << "seed " << seed << " draw " << draw;
            ExpectSameState(generator, reference, draw);
        }
    }
}

// A loop that looks ahead and then takes some of what it saw moves the state
// exactly as that many single draws would, short counts and block edges included.
TEST_P(RandomBlockPaths, LookingAheadAndSkippingMatchSingleDraws) {
    RandomMother generator;
    SerialRandomMother reference;
    generator.RandomInit(99);
    reference.RandomInit(99);
    uint64_t drawn = 0;
    for (int32_t round = 0; round < 20000; ++round) {
        const int32_t count = round % 37;  // 0..36, so 0 to 3 come up often
        const uint32_t* upcoming = generator.UpcomingDraws(count);
        if (upcoming == nullptr) {
            ASSERT_EQ(GetParam(), RandomPath::kSerial);
            for (int32_t i = 0; i < count; ++i) ASSERT_EQ(generator.BRandom(), reference.BRandom());
        } else {
            SerialRandomMother ahead = reference;
            for (int32_t i = 0; i < count; ++i) {
                ahead.BRandom();
                ASSERT_EQ(upcoming[i], ahead.x[0]) << "round " << round;
            }
            const int32_t taken = round % 3 == 0 ? count : count / 2;
            generator.SkipDraws(taken);
            for (int32_t i = 0; i < taken; ++i) reference.BRandom();
        }
        drawn += count;
        ExpectSameState(generator, reference, drawn);
        ASSERT_EQ(generator.BRandom(), reference.BRandom());
    }
}

// Copies share the one block: each draws its own numbers, whoever refilled it last.
TEST_P(RandomBlockPaths, CopiesDrawingInTurnStayExact) {
    RandomMother first;
    first.RandomInit(7);
    SerialRandomMother firstReference;
    firstReference.RandomInit(7);
    for (int32_t i = 0; i < 5000; ++i) ASSERT_EQ(first.BRandom(), firstReference.BRandom());
    RandomMother second = first;
    SerialRandomMother secondReference = firstReference;
    for (int32_t round = 0; round < 400; ++round) {
        const int32_t firstDraws = (round * 7919) % 20000;
        for (int32_t i = 0; i < firstDraws; ++i) ASSERT_EQ(first.BRandom(), firstReference.BRandom());
        for (int32_t i = 0; i < 300; ++i) ASSERT_EQ(second.BRandom(), secondReference.BRandom());
        ExpectSameState(first, firstReference, round);
        ExpectSameState(second, secondReference, round);
    }
}

// The lanes really run: a state on the cycle is filled by the path asked for.
TEST_P(RandomBlockPaths, LanesStartFromAnySeededState) {
    for (const uint32_t seed : {0u, 1u, 0xFFFFFFFFu}) {
        RandomMother generator;
        generator.RandomInit(seed);
        GeneratorState state;
        for (int32_t i = 0; i < 4; ++i) state.x[i] = generator.x[i];
        state.carry = generator.carry;
        const RandomPath expected = GetParam() == RandomPath::kSerial ? RandomPath::kScalar : GetParam();
        EXPECT_EQ(FillRandomBlock(state), expected) << "seed " << seed;
    }
}

INSTANTIATE_TEST_SUITE_P(Paths, RandomBlockPaths, kEveryRandomPath, RandomPathTestName);

// Jumps of every size the lanes use, and odd ones, land on the state the single draws reach.
TEST(RandomJump, LandsWhereSingleDrawsDo) {
    for (const uint32_t seed : {1u, 12345u, 4000000000u}) {
        SerialRandomMother walker;
        walker.RandomInit(seed);
        GeneratorState from;
        for (int32_t i = 0; i < 4; ++i) from.x[i] = walker.x[i];
        from.carry = walker.carry;
        uint32_t walked = 0;
        for (const uint32_t steps : {3u, 4u, 5u, 256u, 512u, 7937u, 8192u, 100000u}) {
            while (walked < steps) {
                walker.BRandom();
                ++walked;
            }
            GeneratorState to;
            ASSERT_TRUE(JumpAhead(from, JumpMultiplier(steps), to)) << "seed " << seed;
            for (int32_t i = 0; i < 4; ++i) EXPECT_EQ(to.x[i], walker.x[i]) << steps << " steps, x[" << i << "]";
            EXPECT_EQ(to.carry, walker.carry) << steps << " steps";
        }
    }
}

// A state no seed reaches after its warm-up (an overlarge carry) can't be
// jumped; its block is still made, one draw at a time, and holds every state.
TEST_P(RandomBlockPaths, StateOffTheCycleStillFillsExactly) {
    GeneratorState odd;
    for (uint32_t& word : odd.x) word = 0xFFFFFFFFu;
    odd.carry = 0xFFFFFFFFu;
    GeneratorState ignored;
    EXPECT_FALSE(JumpAhead(odd, JumpMultiplier(100), ignored));
    FillRandomBlock(odd);
    SerialRandomMother reference;
    for (int32_t i = 0; i < 4; ++i) reference.x[i] = odd.x[i];
    reference.carry = odd.carry;
    for (int32_t i = 0; i < kRandomBlockSize; ++i) {
        reference.BRandom();
        ASSERT_EQ(randomBlock.Entries()[i], reference.x[0]) << "entry " << i;
        // The carry is worked back from the entry after, up to the one past the block.
        ASSERT_EQ(CarryBeforeEntry(randomBlock.Entries() + i + 1), reference.carry) << "entry " << i;
    }
}

}  // namespace
