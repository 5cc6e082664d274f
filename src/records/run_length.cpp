#include "records/run_length.h"

#include <algorithm>
#include <cstdio>
#include <limits>

#include "records/data_file.h"

std::vector<uint8_t> RunLengthPack(const std::vector<uint8_t>& raw) {
    std::vector<uint8_t> packed;
    packed.reserve(raw.size() + raw.size() / 8 + 16);
    const size_t size = raw.size();
    size_t next = 0;
    int previous = 0;  // -1 once the input has ended
    while (next < size) {
        const uint8_t c = raw[next++];
        packed.push_back(c);
        if (c != previous) {
            previous = c;
            continue;
        }
        // A repeat: count the further copies, at most 255 of them.
        int count = 0;
        int ender = -1;
        while (next < size) {
            ender = raw[next++];
            if (ender != previous) break;
            ++count;
            if (count == 255) break;
        }
        packed.push_back(static_cast<uint8_t>(count));
        // After a full count the last byte read was the 255th copy, already counted.
        if (count != 255 && ender >= 0 && ender != previous) packed.push_back(static_cast<uint8_t>(ender));
        previous = ender;
    }
    return packed;
}

std::vector<uint8_t> RunLengthUnpack(const std::vector<uint8_t>& packed) {
    std::vector<uint8_t> raw;
    RunLengthUnpackAtMost(packed, std::numeric_limits<size_t>::max(), raw);
    return raw;
}

bool RunLengthUnpackAtMost(const std::vector<uint8_t>& packed, size_t limit, std::vector<uint8_t>& raw) {
    raw.clear();
    raw.reserve(std::min(packed.size() * 2, limit));
    const size_t size = packed.size();
    size_t next = 0;
    uint8_t previous = 0;
    while (next < size) {
        const uint8_t c = packed[next++];
        // A count missing at the very end counts as 0.
        const size_t copies = 1 + (c == previous && next < size ? packed[next++] : 0);
        if (copies > limit - raw.size()) return false;
        raw.insert(raw.end(), copies, c);
        previous = c;
    }
    return true;
}

namespace {

bool ReadWholeFile(const char* name, std::vector<uint8_t>& bytes) {
    return ReadFileStart(name, std::numeric_limits<size_t>::max(), bytes);
}

bool WriteWholeFile(const char* name, const std::vector<uint8_t>& bytes) {
    std::FILE* file = std::fopen(name, "wb");
    if (file == nullptr) return false;
    bool written = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (std::fflush(file) != 0) written = false;
    if (std::fclose(file) != 0) written = false;
    return written;
}

}  // namespace

bool CompressFile(const char* source, const char* target) {
    std::vector<uint8_t> raw;
    if (source == nullptr || target == nullptr || !ReadWholeFile(source, raw)) return false;
    return WriteWholeFile(target, RunLengthPack(raw));
}

bool RleDecompressFile(const char* source, const char* target) {
    std::vector<uint8_t> packed;
    if (source == nullptr || target == nullptr || !ReadWholeFile(source, packed)) return false;
    return WriteWholeFile(target, RunLengthUnpack(packed));
}
