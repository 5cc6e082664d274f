#include "records/run_length.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "shell/random_mother.h"
#include "support/working_directory.h"

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

class RunLengthFiles : public ::testing::Test {
protected:
    std::string Path(const char* name) const { return (directory.Path() / name).string(); }
    void Write(const std::string& path, const Bytes& bytes) const {
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    }
    Bytes Read(const std::string& path) const {
        std::ifstream in(path, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    ScopedWorkingDirectory directory;
};

TEST_F(RunLengthFiles, PackAndUnpackEveryByteValueThroughFiles) {
    Bytes raw;
    for (int value = 0; value < 256; ++value) raw.insert(raw.end(), static_cast<size_t>(value % 5 + 1), value);
    Write(Path("raw"), raw);
    ASSERT_TRUE(CompressFile(Path("raw").c_str(), Path("packed").c_str()));
    EXPECT_EQ(Read(Path("packed")), RunLengthPack(raw));
    ASSERT_TRUE(RleDecompressFile(Path("packed").c_str(), Path("unpacked").c_str()));
    EXPECT_EQ(Read(Path("unpacked")), raw);
}

TEST_F(RunLengthFiles, AnEmptySourceMakesAnEmptyTarget) {
    Write(Path("raw"), {});
    Write(Path("packed"), {1, 2, 3});  // an old target is truncated
    ASSERT_TRUE(CompressFile(Path("raw").c_str(), Path("packed").c_str()));
    EXPECT_TRUE(std::filesystem::exists(Path("packed")));
    EXPECT_TRUE(Read(Path("packed")).empty());
}

TEST_F(RunLengthFiles, FailuresAreReported) {
    // A source that cannot be opened leaves the target alone.
    Write(Path("old"), {4, 5, 6});
    EXPECT_FALSE(CompressFile(Path("missing").c_str(), Path("old").c_str()));
    EXPECT_FALSE(RleDecompressFile(Path("missing").c_str(), Path("old").c_str()));
    EXPECT_EQ(Read(Path("old")), (Bytes{4, 5, 6}));

    // A source that opens but cannot be read (a folder) is a failure, not an empty file.
    std::filesystem::create_directory(Path("folder"));
    EXPECT_FALSE(CompressFile(Path("folder").c_str(), Path("out").c_str()));
    EXPECT_FALSE(std::filesystem::exists(Path("out")));

    // A target that cannot be opened.
    Write(Path("raw"), {1, 1, 1});
    EXPECT_FALSE(CompressFile(Path("raw").c_str(), Path("no/such/folder/out").c_str()));

    // A target on a full device: opening works, writing fails.
    if (std::filesystem::exists("/dev/full")) {
        EXPECT_FALSE(CompressFile(Path("raw").c_str(), "/dev/full"));
        EXPECT_FALSE(RleDecompressFile(Path("raw").c_str(), "/dev/full"));
    }
}

}  // namespace
