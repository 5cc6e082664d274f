#pragma once
// The data files the game reads at start-up: reading their bytes, and the
// screen that ends the program when one cannot be used. Their records go
// through the field codec.
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "toolkit/field_codec.h"

// What became of reading a data file.
enum class DataFileResult { kRead, kCannotOpen, kWrongVersion };

struct ScreenText {
    int32_t column;
    int32_t row;
    const char* text;
};

// A data file the game cannot start without is missing or wrong: the texts in
// red over whatever the screen shows, one key, and the end of the program.
[[noreturn]] void ShowDataFileFailure(std::initializer_list<ScreenText> texts);

// Reads at most maxBytes of the named file; false when it is no regular file,
// cannot be opened or cannot be read. A file that breaks off early gives what it holds.
bool ReadFileStart(const std::string& fileName, size_t maxBytes, std::vector<uint8_t>& bytes);
