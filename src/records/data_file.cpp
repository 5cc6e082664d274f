#include "records/data_file.h"

#include <cstdio>

#include "shell/drawing.h"
#include "shell/game.h"
#include "shell/terminal.h"

bool ReadFileStart(const std::string& fileName, size_t maxBytes, std::vector<uint8_t>& bytes) {
    bytes.clear();
    std::FILE* file = std::fopen(fileName.c_str(), "rb");
    if (file == nullptr) return false;
    bytes.resize(maxBytes);
    const size_t got = std::fread(bytes.data(), 1, maxBytes, file);
    bytes.resize(got);
    const bool readFailed = std::ferror(file) != 0;
    std::fclose(file);
    return !readFailed;
}

void ShowDataFileFailure(std::initializer_list<ScreenText> texts) {
    for (const ScreenText& line : texts) DrawText(line.text, line.column, line.row, kRed);
    ReadKey();
    QuitGame();
}
