// The source stands in layers, each folder in one of them, and a file includes
// only its own layer and the layers below it:
//   0 toolkit/  the terminal, drawing, random numbers, text, message lines, codec:
//               nothing of the game (it learns what it needs through toolkit_hooks.h)
//   1 world/    the records the rules share, with their vocabulary and look-ups
//   2 rules     the ten subsystems, which may include each other
//   3 game/     start-up, the main loop, the title, the whole-screen redraw, the
//               command reader (the rules reach it through world/game_hooks.h)
//   4 main.cpp
// The tools and the benchmarks stand above them all: they may include anything
// of src/, and src/ includes nothing but its own files.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path kProject = HOLLOWMERE_SOURCE_DIR;

// The layer of each folder of src/, and of the files at its top.
const std::map<std::string, int> kLayers = {
    {"toolkit", 0},
    {"world", 1},
    {"shell", 2},    {"floors", 2}, {"player", 2}, {"monsters", 2}, {"items", 2},
    {"item_use", 2}, {"events", 2}, {"skills", 2}, {"folk", 2},     {"records", 2},
    {"game", 3},
    {"main.cpp", 4},
};

const char* const kLayerNames[] = {"toolkit", "world", "rules", "game", "main"};

bool IsSource(const fs::path& file) { return file.extension() == ".h" || file.extension() == ".cpp"; }

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

// The layer of a file of src/, by its path there; -1 for a folder the table does not know.
int LayerOf(const std::string& pathInSources) {
    const std::string top = pathInSources.substr(0, pathInSources.find('/'));
    const auto found = kLayers.find(top);
    return found == kLayers.end() ? -1 : found->second;
}

struct Include {
    std::string from;  // whole, from the project's root
    std::string name;  // as written
};

// Every quoted include of the files of src/.
std::vector<Include> QuotedIncludesOfTheSources() {
    std::vector<Include> found;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(kProject / "src")) {
        if (!entry.is_regular_file() || !IsSource(entry.path())) continue;
        const std::string from = fs::relative(entry.path(), kProject).generic_string();
        for (const std::string& name : Includes(entry.path(), true)) found.push_back({from, name});
    }
    return found;
}

// What a file of src/ includes is a file of src/, in its own layer or below.
TEST(Layers, NoSourceIncludesALayerAboveItsOwn) {
    int checked = 0;
    for (const Include& include : QuotedIncludesOfTheSources()) {
        const std::string from = include.from.substr(std::string("src/").size());
        const int fromLayer = LayerOf(from);
        ASSERT_NE(fromLayer, -1) << include.from << " lies in a folder that has no layer";
        ASSERT_TRUE(fs::exists(kProject / "src" / include.name))
            << include.from << " includes " << include.name << ", which is no file of src/";
        const int toLayer = LayerOf(include.name);
        ASSERT_NE(toLayer, -1) << include.name << " lies in a folder that has no layer";
        ++checked;
        EXPECT_LE(toLayer, fromLayer) << include.from << " (" << kLayerNames[fromLayer] << ") includes " << include.name
                                      << " (" << kLayerNames[toLayer] << "), a layer above its own";
    }
    EXPECT_GT(checked, 1000);  // the includes are still found
}

// Only the terminal and the drawing talk to curses.
TEST(Layers, CursesStaysInTheTerminalAndDrawingFiles) {
    const std::vector<std::string> allowed = {"src/toolkit/terminal.cpp", "src/toolkit/drawing.cpp",
                                              "src/toolkit/colour_attributes.cpp"};
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(kProject / "src")) {
        if (!entry.is_regular_file() || !IsSource(entry.path())) continue;
        const std::string name = fs::relative(entry.path(), kProject).generic_string();
        for (const std::string& included : Includes(entry.path(), false)) {
            if (included != "curses.h" && included != "ncurses.h") continue;
            EXPECT_NE(std::find(allowed.begin(), allowed.end(), name), allowed.end()) << name << " includes " << included;
        }
    }
}

}  // namespace
