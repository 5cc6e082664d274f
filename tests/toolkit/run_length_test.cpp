#include "toolkit/run_length.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "toolkit/random_mother.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes Repeat(size_t count, uint8_t value) { return Bytes(count, value); }

Bytes Join(std::initializer_list<Bytes> parts) {
    Bytes joined;
    for (const Bytes& part : parts) joined.insert(joined.end(), part.begin(), part.end());
    return joined;
}

TEST(RunLength, PacksTheWorkedExamplesExactly) {
    struct Case {
        const char* what;
        Bytes raw;
        Bytes packed;
    };
    const Case cases[] = {
        {"empty", {}, {}},
        {"a lone zero repeats the initial previous byte", {0}, {0, 0}},
        {"two different bytes", {65, 66}, {65, 66}},
        {"a pair carries a count of 0", {65, 65}, {65, 65, 0}},
        {"a triple", {65, 65, 65}, {65, 65, 1}},
        {"a pair then a breaking byte", {65, 65, 66}, {65, 65, 0, 66}},
        {"257 after a different byte fill one count", Join({{1}, Repeat(257, 7)}), {1, 7, 7, 255}},
        {"258 add a literal and a count of 0", Join({{1}, Repeat(258, 7)}), {1, 7, 7, 255, 7, 0}},
        {"300 split as 257 and 43", Join({{1}, Repeat(300, 7)}), {1, 7, 7, 255, 7, 42}},
        {"a zero run at the start counts from the first zero", {0, 0, 0, 5}, {0, 2, 5}},
        {"0xFF is ordinary data, a breaking 0 is a literal", {255, 255, 0}, {255, 255, 0, 0}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RunLengthPack(c.raw), c.packed) << c.what;
        EXPECT_EQ(RunLengthUnpack(c.packed), c.raw) << c.what;
    }
}

TEST(RunLength, AMissingCountAtTheEndMeansNoCopies) {
    EXPECT_EQ(RunLengthUnpack({65, 65}), (Bytes{65, 65}));
    EXPECT_EQ(RunLengthUnpack({0}), (Bytes{0}));
}

// Three bytes claim 257: an unpacking that may not grow past its limit stops there.
TEST(RunLength, UnpackingStopsAtItsLimit) {
    const Bytes packed = {7, 7, 255};
    Bytes raw;
    EXPECT_FALSE(RunLengthUnpackAtMost(packed, 256, raw));
    EXPECT_LE(raw.size(), 256u);
    EXPECT_TRUE(RunLengthUnpackAtMost(packed, 257, raw));
    EXPECT_EQ(raw, Repeat(257, 7));
}

TEST(RunLength, RoundTripsRandomAndRunHeavyInputs) {
    rng.RandomInit(2024);
    for (int trial = 0; trial < 300; ++trial) {
        Bytes raw;
        const int32_t length = rng.Random(2000);
        // Few distinct values make long runs and runs of every length around 255.
        const int32_t alphabet = trial % 3 == 0 ? 256 : 1 + trial % 4;
        while (static_cast<int32_t>(raw.size()) < length) {
            const int32_t value = rng.Random(alphabet);
            const int32_t runLength = trial % 2 == 0 ? 1 : 1 + rng.Random(600);
            raw.insert(raw.end(), static_cast<size_t>(runLength), static_cast<uint8_t>(value));
        }
        ASSERT_EQ(RunLengthUnpack(RunLengthPack(raw)), raw) << "trial " << trial;
    }
    for (size_t run = 0; run <= 520; ++run) {
        for (uint8_t value : {0, 9, 255}) {
            const Bytes raw = Join({Repeat(run, value), {3}, Repeat(run, value)});
            ASSERT_EQ(RunLengthUnpack(RunLengthPack(raw)), raw) << run << " of " << int(value);
        }
    }
}

}  // namespace
