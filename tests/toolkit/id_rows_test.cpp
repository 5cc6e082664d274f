// The compile-time check that a table of effects has one row per id, in order.
#include "toolkit/id_rows.h"

#include <gtest/gtest.h>

namespace {

struct Row {
    int32_t id;
    const char* name;
};

constexpr Row kComplete[] = {{1, "a"}, {2, "b"}, {3, "c"}};
constexpr Row kMissing[] = {{1, "a"}, {3, "c"}};
constexpr Row kTwice[] = {{1, "a"}, {2, "b"}, {2, "b"}};
constexpr Row kSwapped[] = {{1, "a"}, {3, "c"}, {2, "b"}};

TEST(IdRows, AcceptsOnlyEveryIdOnceInOrder) {
    static_assert(OneRowPerIdInOrder(kComplete, &Row::id, 1, 3));
    static_assert(!OneRowPerIdInOrder(kComplete, &Row::id, 0, 3), "the ids start elsewhere");
    static_assert(!OneRowPerIdInOrder(kComplete, &Row::id, 1, 4), "a row short at the end");
    static_assert(!OneRowPerIdInOrder(kMissing, &Row::id, 1, 3));
    static_assert(!OneRowPerIdInOrder(kMissing, &Row::id, 1, 2), "a gap");
    static_assert(!OneRowPerIdInOrder(kTwice, &Row::id, 1, 3));
    static_assert(!OneRowPerIdInOrder(kSwapped, &Row::id, 1, 3));
    SUCCEED();
}

}  // namespace
