#include "toolkit/random_local_scope.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>

#include "support/random_paths.h"
#include "support/serial_random_mother.h"
#include "toolkit/random_mother.h"

namespace {

using LocalScopeDraws = EveryRandomPath;

// A scope draws the very numbers the game's generator would have, across block
// edges, and leaves the generator standing where those draws left it.
TEST_P(LocalScopeDraws, AScopeDrawsTheGeneratorsNumbersAndMovesItOn) {
    rng.RandomInit(2024);
    SerialRandomMother reference;
    reference.RandomInit(2024);
    for (int32_t round = 0; round < 5; ++round) {
        {
            LocalRandom random;
            for (int32_t i = 0; i < 20000; ++i) ASSERT_EQ(random.Random(1000), reference.Random(1000)) << i;
        }
        for (int32_t i = 0; i < 4; ++i) ASSERT_EQ(rng.x[i], reference.x[i]);
        ASSERT_EQ(rng.carry, reference.carry);
        ASSERT_EQ(rng.Random(77), reference.Random(77));
    }
}

// Whatever draws from the game's generator while a scope holds it, and a second
// scope opened inside the first, stops a debug or sanitizer build at once.
TEST_P(LocalScopeDraws, DrawingFromTheGameGeneratorInsideAScopeStopsTheProgram) {
    if (!HOLLOWMERE_CHECK_DRAW_SCOPES) GTEST_SKIP() << "the check is compiled out of this build";
    struct Case {
        const char* what;
        std::function<void()> draw;
    };
    const Case cases[] = {
        {"Random", [] { rng.Random(6); }},
        {"Random without a draw", [] { rng.Random(1); }},
        {"BRandom", [] { rng.BRandom(); }},
        {"UpcomingDraws", [] { rng.UpcomingDraws(4); }},
        {"SkipDraws", [] { rng.SkipDraws(0); }},
        {"RandomInit", [] { rng.RandomInit(1); }},
        {"a second scope", [] { LocalRandom inner; }},
        {"a copy made inside", [] {
             RandomMother copy = rng;
             copy.Random(6);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_DEATH(
            {
                LocalRandom random;
                random.Random(6);
                c.draw();
            },
            "drawn from while a local draw scope held it");
    }
}

INSTANTIATE_TEST_SUITE_P(Paths, LocalScopeDraws, kEveryRandomPath, RandomPathTestName);

}  // namespace
