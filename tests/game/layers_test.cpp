// The shell's toolkit is used by everything and must use nothing above it:
// no file of the game, nor of the shell's top (start-up, main loop, key
// bindings, command line). It learns what it needs of the game through the
// hooks of toolkit/toolkit_hooks.h.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Terminal and key read, drawing, colours, platform, random numbers, text
// formatting, the message log, and the small types they share.
const std::vector<std::string> kToolkit = {
    "toolkit/bounded_draw.h",   "toolkit/colour.h",          "toolkit/colour_attributes.cpp", "toolkit/drawing.cpp",
    "toolkit/drawing.h",        "toolkit/message_log.cpp",   "toolkit/message_log.h",         "toolkit/platform.cpp",
    "toolkit/platform.h",       "toolkit/random_mother.cpp", "toolkit/random_mother.h",       "toolkit/terminal.cpp",
    "toolkit/random_block.cpp", "toolkit/random_block.h",    "toolkit/random_jump.cpp",       "toolkit/random_jump.h",
    "toolkit/random_lanes_avx2.cpp", "toolkit/random_lanes_avx512.cpp", "toolkit/random_local_scope.h",
    "toolkit/terminal.h",       "toolkit/text_format.cpp",   "toolkit/text_format.h",         "toolkit/toolkit_hooks.cpp",
    "toolkit/toolkit_hooks.h",  "toolkit/xy.h",
};

const fs::path kSources = fs::path(HOLLOWMERE_SOURCE_DIR) / "src";

// The names a source file includes in quotes, or with angle brackets.
std::vector<std::string> Includes(const fs::path& file, bool quoted) {
    const char open = quoted ? '"' : '<';
    const char close = quoted ? '"' : '>';
    std::ifstream in(file);
    std::vector<std::string> names;
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line);
        std::string directive;
        std::string name;
        if (!(words >> directive >> name) || directive != "#include" || name.size() < 2) continue;
        if (name.front() == open && name.back() == close) names.push_back(name.substr(1, name.size() - 2));
    }
    return names;
}

bool IsToolkit(const std::string& name) { return std::find(kToolkit.begin(), kToolkit.end(), name) != kToolkit.end(); }

TEST(ToolkitLayer, IncludesNothingOutsideTheToolkit) {
    for (const std::string& name : kToolkit) {
        const fs::path file = kSources / name;
        ASSERT_TRUE(fs::exists(file)) << name << " is listed as toolkit but does not exist";
        for (const std::string& included : Includes(file, true)) {
            EXPECT_TRUE(IsToolkit(included)) << name << " includes " << included << ", which is not toolkit";
        }
    }
}

// Only the terminal and the drawing talk to curses.
TEST(ToolkitLayer, CursesStaysInTheTerminalAndDrawingFiles) {
    const std::vector<std::string> allowed = {"toolkit/terminal.cpp", "toolkit/drawing.cpp", "toolkit/colour_attributes.cpp"};
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(kSources)) {
        if (!entry.is_regular_file()) continue;
        const std::string name = fs::relative(entry.path(), kSources).generic_string();
        for (const std::string& included : Includes(entry.path(), false)) {
            if (included != "curses.h" && included != "ncurses.h") continue;
            EXPECT_NE(std::find(allowed.begin(), allowed.end(), name), allowed.end()) << name << " includes " << included;
        }
    }
}

}  // namespace
