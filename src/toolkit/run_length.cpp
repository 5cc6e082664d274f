#include "toolkit/run_length.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <limits>

namespace {

// How many bytes from `from` on, at most `most` and not past `end`, equal `b`;
// eight at a time while they can be.
size_t RunOf(const uint8_t* from, const uint8_t* end, uint8_t b, size_t most) {
    const size_t available = std::min(static_cast<size_t>(end - from), most);
    const uint64_t pattern = 0x0101010101010101ull * b;
    size_t n = 0;
    while (n + 8 <= available) {
        uint64_t word;
        std::memcpy(&word, from + n, 8);
        const uint64_t differs = word ^ pattern;
        if (differs != 0) {
            const int bit = std::endian::native == std::endian::little ? std::countr_zero(differs) : std::countl_zero(differs);
            return n + static_cast<size_t>(bit / 8);
        }
        n += 8;
    }
    while (n < available && from[n] == b) ++n;
    return n;
}

}  // namespace

std::vector<uint8_t> RunLengthPack(const std::vector<uint8_t>& raw) {
    // Every input byte gives at most one and a half output bytes (a pair gives
    // the byte twice and a count), and a 0 at the start two.
    std::vector<uint8_t> packed(raw.size() + raw.size() / 2 + 2);
    uint8_t* const start = packed.data();
    uint8_t* out = start;
    const uint8_t* next = raw.data();
    const uint8_t* const end = next + raw.size();
    uint8_t previous = 0;
    while (next < end) {
        const uint8_t c = *next++;
        *out++ = c;
        if (c != previous) {
            previous = c;
            continue;
        }
        // A repeat: the count of further copies, at most 255 of them. After a
        // full count the run byte stays the one before; otherwise the byte that
        // broke the run follows as it is, and is the one before from then on.
        const size_t count = RunOf(next, end, c, 255);
        next += count;
        *out++ = static_cast<uint8_t>(count);
        if (count == 255 || next == end) continue;
        previous = *next++;
        *out++ = previous;
    }
    packed.resize(static_cast<size_t>(out - start));
    return packed;
}

std::vector<uint8_t> RunLengthUnpack(const std::vector<uint8_t>& packed) {
    std::vector<uint8_t> raw;
    RunLengthUnpackAtMost(packed, std::numeric_limits<size_t>::max(), raw);
    return raw;
}

namespace {

// Walks the packed bytes, handing each byte and its number of copies to `put`.
template <typename Put>
void ForEachRun(const std::vector<uint8_t>& packed, Put put) {
    const size_t size = packed.size();
    size_t next = 0;
    uint8_t previous = 0;
    while (next < size) {
        const uint8_t c = packed[next++];
        // A count missing at the very end counts as 0.
        const size_t copies = 1 + (c == previous && next < size ? packed[next++] : 0);
        put(c, copies);
        previous = c;
    }
}

}  // namespace

bool RunLengthUnpackAtMost(const std::vector<uint8_t>& packed, size_t limit, std::vector<uint8_t>& raw) {
    // Measured first, so that a small file claiming a huge size asks for no memory.
    size_t length = 0;
    ForEachRun(packed, [&length](uint8_t, size_t copies) { length += copies; });
    raw.clear();
    if (length > limit) return false;
    raw.resize(length);
    uint8_t* out = raw.data();
    ForEachRun(packed, [&out](uint8_t c, size_t copies) {
        // Most runs are short; a call to fill them costs more than the filling.
        if (copies < 16) {
            for (size_t i = 0; i < copies; ++i) out[i] = c;
        } else {
            std::memset(out, c, copies);
        }
        out += copies;
    });
    return true;
}
