#pragma once
// Tests that run once for every way the generator's draws can be made
// (toolkit/random_block.h): each way must give the very same draws, and so the
// very same game. A way this processor lacks is skipped.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "toolkit/random_block.h"

class EveryRandomPath : public testing::TestWithParam<RandomPath> {
protected:
    void SetUp() override {
        if (!IsRandomPathSupported(GetParam())) GTEST_SKIP() << RandomPathName(GetParam()) << " is not supported here";
        UseRandomPath(GetParam());
    }
    void TearDown() override { UseRandomPath(BestRandomPath()); }
};

inline const auto kEveryRandomPath =
    testing::Values(RandomPath::kSerial, RandomPath::kScalar, RandomPath::kAvx2, RandomPath::kAvx512);

inline void PrintTo(RandomPath path, std::ostream* out) { *out << RandomPathName(path); }

inline std::string RandomPathTestName(const testing::TestParamInfo<RandomPath>& info) {
    return RandomPathName(info.param);
}
