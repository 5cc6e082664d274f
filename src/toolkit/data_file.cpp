#include "toolkit/data_file.h"

#include "toolkit/drawing.h"
#include "toolkit/platform.h"
#include "toolkit/program_end.h"
#include "toolkit/terminal.h"

bool ReadFileStart(const std::string& fileName, size_t maxBytes, std::vector<uint8_t>& bytes) {
    std::string content;
    const bool read = PlatformReadFile(fileName, maxBytes, content);
    bytes.assign(content.begin(), content.end());
    return read;
}

void ShowDataFileFailure(std::initializer_list<ScreenText> texts) {
    for (const ScreenText& line : texts) DrawText(line.text, line.column, line.row, kRed);
    ReadKey();
    QuitGame();
}
