#pragma once
// The run-length code of the save files and of the prebuilt floors file.
//
// A byte equal to the byte before it is followed by one count byte (0..255)
// of further copies. The "byte before" starts as 0, so a 0 at the very start
// already counts as a repeat. There is no header and no end marker.
#include <cstddef>
#include <cstdint>
#include <vector>

std::vector<uint8_t> RunLengthPack(const std::vector<uint8_t>& raw);
std::vector<uint8_t> RunLengthUnpack(const std::vector<uint8_t>& packed);
// Unpacks into `raw` unless the result would be longer than `limit` bytes (a
// small file can claim over a hundred times its size): false then, with `raw`
// left empty.
bool RunLengthUnpackAtMost(const std::vector<uint8_t>& packed, size_t limit, std::vector<uint8_t>& raw);
