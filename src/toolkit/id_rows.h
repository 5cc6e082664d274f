#pragma once
// Tables with one row per id, such as the effects of potions or wands: a check,
// made while compiling, that the table holds every id once, in order.
#include <cstddef>
#include <cstdint>

// True when the table has exactly count rows and row i names the id first + i.
template <typename Row, std::size_t n, typename Id>
constexpr bool OneRowPerIdInOrder(const Row (&rows)[n], Id Row::*id, int32_t first, int32_t count) {
    if (n != static_cast<std::size_t>(count)) return false;
    for (std::size_t i = 0; i < n; ++i) {
        if (static_cast<int32_t>(rows[i].*id) != first + static_cast<int32_t>(i)) return false;
    }
    return true;
}
