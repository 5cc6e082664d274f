#include "e2e/dungeon_walker.h"

#include <cctype>
#include <cstdlib>
#include <deque>

namespace {

constexpr int kMapWidth = 80;
constexpr int kMapHeight = 19;

int NumberAfter(const std::string& row, const std::string& label) {
    const std::size_t at = row.find(label);
    if (at == std::string::npos) return -1;
    return std::atoi(row.c_str() + at + label.size());
}

bool Shows(const Sight& sight, const std::string& text) {
    for (const std::string& row : sight.rows) {
        if (row.find(text) != std::string::npos) return true;
    }
    return false;
}

}  // namespace

const WalkKey kWalkKeys[8] = {{'8', 0, -1}, {'2', 0, 1},  {'4', -1, 0}, {'6', 1, 0},
                              {'7', -1, -1}, {'9', 1, -1}, {'1', -1, 1}, {'3', 1, 1}};

char KeyOfStep(int dx, int dy) {
    for (const WalkKey& walk : kWalkKeys) {
        if (walk.dx == dx && walk.dy == dy) return walk.key;
    }
    return 0;
}

bool IsWalkerGround(char glyph) { return glyph == '.' || glyph == ',' || glyph == '<' || glyph == '>'; }

char Sight::At(int column, int row) const {
    if (column < 0 || column >= kMapWidth || row < 0 || row >= kMapHeight) return ' ';
    if (row >= static_cast<int>(rows.size()) || column >= static_cast<int>(rows[row].size())) return ' ';
    return rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

int Sight::Turns() const { return rows.size() > 24 ? NumberAfter(rows[24], "T: ") : -1; }

int Sight::Depth() const { return rows.size() > 24 ? NumberAfter(rows[24], "DL: ") : -1; }

bool Sight::InGame() const { return rows.size() > 24 && rows[23].rfind("HP: ", 0) == 0 && Turns() >= 0; }

std::string Sight::MessageRows() const {
    std::string text;
    for (int row = 19; row <= 21 && row < static_cast<int>(rows.size()); ++row) text += rows[static_cast<std::size_t>(row)];
    return text;
}

Sight DungeonWalker::Look() const {
    game_.WaitUntilItAwaitsAKey();
    Sight sight;
    sight.rows = game_.Screen();
    const auto [column, row] = game_.Cursor();
    if (column >= 0 && column < kMapWidth && row >= 0 && row < kMapHeight) {
        knownX_ = column;
        knownY_ = row;
    }
    sight.x = knownX_;
    sight.y = knownY_;
    return sight;
}

Sight DungeonWalker::Press(const std::string& key, double) const {
    if (key.size() == 1) {
        game_.Type(key);
    } else {
        game_.Press(key);
    }
    return Look();
}

Sight DungeonWalker::PressAndWaitUntilStill(const std::string& key, double) const { return Press(key); }

bool DungeonWalker::EnterTheDungeon(const SessionOptions& options, const char* training) {
    game_.Start(options);
    if (options.arguments.empty() || options.arguments[0] != "-name") {
        if (!game_.WaitForText("Welcome to the Hollowmere!")) return false;
        game_.Type("1");
    }
    // The first choice of every creation screen, a name, and the tutorial's pages.
    const std::pair<const char*, const char*> answers[] = {
        {"There is a known shortcut", "1"}, {"randomly chosen one", "1"}, {"Select your race", "1"},
        {"Select your training", training},      {"starting weaponry", "1"},   {"Select an attribute", "1"},
        {"What is your gender?", "1"},      {"press '1' to", "1"},        {"press '2' to", "2"},
        {"press '3' to", "3"},              {"press '4' to", "4"},        {"Press space", " "},
    };
    for (int screens = 0; screens < 40; ++screens) {
        const Sight sight = Look();
        if (sight.InGame() && sight.x >= 0) return true;
        if (Shows(sight, "What is your name?")) {
            game_.Type("Tester");
            game_.Press("Enter");
            continue;
        }
        for (const auto& [text, key] : answers) {
            if (!Shows(sight, text)) continue;
            game_.Type(key);
            break;
        }
    }
    return false;
}

bool DungeonWalker::WalkUntil(const std::function<bool(const Sight&)>& arrived,
                              const std::function<bool(const Sight&, int, int)>& wanted, int most) const {
    // Squares stood on are explored; squares a step did not reach are not tried again.
    std::vector<bool> visited(kMapWidth * kMapHeight, false);
    std::vector<bool> refused(kMapWidth * kMapHeight, false);
    // Monsters are drawn only while in view; where one was seen, the way stays barred.
    std::vector<bool> monster(kMapWidth * kMapHeight, false);
    for (int steps = 0; steps <= most; ++steps) {
        const Sight sight = Look();
        if (sight.MessageRows().find("-More-") != std::string::npos ||
            sight.MessageRows().find("Press space") != std::string::npos) {
            Press(" ");
            continue;
        }
        if (arrived(sight)) return true;
        if (steps == most || sight.x < 0) return false;
        const int start = sight.x * kMapHeight + sight.y;
        visited[static_cast<std::size_t>(start)] = true;
        for (int x = 0; x < kMapWidth; ++x) {
            for (int y = 0; y < kMapHeight; ++y) {
                const char glyph = sight.At(x, y);
                if (std::isalpha(static_cast<unsigned char>(glyph)) || glyph == '&') monster[static_cast<std::size_t>(x * kMapHeight + y)] = true;
            }
        }
        // Breadth first from the player: the nearest wanted square, or else the
        // nearest unexplored walkable one beside the unknown.
        std::vector<int> from(kMapWidth * kMapHeight, -1);
        from[static_cast<std::size_t>(start)] = start;
        std::deque<int> queue{start};
        int goal = -1;
        int edge = -1;
        while (!queue.empty() && goal < 0) {
            const int here = queue.front();
            queue.pop_front();
            const int x = here / kMapHeight;
            const int y = here % kMapHeight;
            if (here != start && wanted(sight, x, y)) goal = here;
            bool besideUnknown = false;
            for (const WalkKey& walk : kWalkKeys) {
                const int nx = x + walk.dx;
                const int ny = y + walk.dy;
                if (nx < 0 || nx >= kMapWidth || ny < 0 || ny >= kMapHeight) continue;
                const char glyph = sight.At(nx, ny);
                if (glyph == ' ') besideUnknown = true;
                const int next = nx * kMapHeight + ny;
                if (!IsWalkerGround(glyph) || from[static_cast<std::size_t>(next)] >= 0 || refused[static_cast<std::size_t>(next)] ||
                    monster[static_cast<std::size_t>(next)]) {
                    continue;
                }
                from[static_cast<std::size_t>(next)] = here;
                queue.push_back(next);
            }
            if (besideUnknown && edge < 0 && !visited[static_cast<std::size_t>(here)]) edge = here;
        }
        const int target = goal >= 0 ? goal : edge;
        if (target < 0) return false;
        int first = target;
        while (from[static_cast<std::size_t>(first)] != start) first = from[static_cast<std::size_t>(first)];
        const char key = KeyOfStep(first / kMapHeight - sight.x, first % kMapHeight - sight.y);
        const Sight after = Press(std::string(1, key));
        if (after.x == sight.x && after.y == sight.y) refused[static_cast<std::size_t>(first)] = true;
    }
    return false;
}

bool DungeonWalker::WalkToTheStairsDown(int most) const {
    int downX = -1;
    int downY = -1;
    return WalkUntil([&](const Sight& s) { return s.x == downX && s.y == downY; },
                     [&](const Sight& s, int x, int y) {
                         if (s.At(x, y) != '>') return false;
                         downX = x;
                         downY = y;
                         return true;
                     },
                     most);
}

std::string Described(const Sight& sight) {
    std::string text = "\nplayer at " + std::to_string(sight.x) + "," + std::to_string(sight.y) + "\n";
    for (const std::string& row : sight.rows) text += row + "|\n";
    return text;
}

void GameInTheDungeon::TearDown() {
    game.Type("Q");
    game.Type("Y");
    const std::optional<int> code = game.WaitForExit();
    EXPECT_EQ(code, std::optional<int>(1)) << game.Dump();
    EXPECT_EQ(game.SanitizerReports(), "");
}
