#include "data_compiler/floor_source.h"

#include <algorithm>
#include <deque>
#include <sstream>

#include "floors/prebuilt_map_legend.h"
#include "world/terrain.h"

namespace {

// What a map may hold: terrain that needs no further set-up, and the legend's
// placement marks. Feature glyphs (altars, smiths, mirrors, ...) need states and
// colours that a map cannot give; they come from 'A' cells instead.
bool IsMapCharacter(char c) {
    switch (c) {
        case kWallGlyph:
        case kFloorGlyph:
        case kIceBlockGlyph:
        case kUpStairsGlyph:
        case kDownStairsGlyph:
        case kMapSlush:
        case kMapSpecialSpot:
        case kMapTreasure:
        case kMapHiddenTrap:
        case kMapMonster:
        case kMapStrongMonster:
            return true;
        default:
            return false;
    }
}

bool IsSeparator(const std::string& line) {
    const size_t first = line.find_first_not_of(" \t\r\v\f");
    return first != std::string::npos && line[first] == kMapSeparator;
}

bool IsBlank(const std::string& line) { return line.find_first_not_of(" \t\r\v\f") == std::string::npos; }

}  // namespace

std::vector<FloorMap> ParseFloorSource(const std::string& text, const std::string& file, Diagnostics& diagnostics) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) lines.push_back(line);

    // The game skips to map k by counting separator lines from the top (and
    // gives up reading a line after 10,000 characters).
    std::vector<size_t> separators;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].size() > 10000) diagnostics.Add(file, static_cast<int>(i + 1), "map rows", "a line has 10,000 characters at most");
        if (IsSeparator(lines[i])) separators.push_back(i);
    }
    if (separators.size() != kPrebuiltMapCount - 1) {
        diagnostics.Add(file, 0, "map count",
                        std::to_string(separators.size()) + " separator lines: " + std::to_string(kPrebuiltMapCount) +
                            " maps need " + std::to_string(kPrebuiltMapCount - 1));
    }

    std::vector<FloorMap> maps;
    const size_t mapsFound = std::min<size_t>(separators.size() + 1, kPrebuiltMapCount);
    for (size_t k = 0; k < mapsFound; ++k) {
        const size_t start = k == 0 ? 0 : separators[k - 1] + 1;
        FloorMap map;
        map.firstLine = static_cast<int>(start + 1);
        bool complete = true;
        for (size_t y = 0; y < kMapRows; ++y) {
            const size_t at = start + y;
            const int lineNumber = static_cast<int>(at + 1);
            if (at >= lines.size() || IsSeparator(lines[at])) {
                diagnostics.Add(file, lineNumber, "map rows",
                                "map " + std::to_string(k) + " has " + std::to_string(y) + " rows, not " + std::to_string(kMapRows));
                complete = false;
                break;
            }
            if (lines[at].size() < kMapColumns) {
                diagnostics.Add(file, lineNumber, "map rows",
                                "map " + std::to_string(k) + " row " + std::to_string(y) + " has " +
                                    std::to_string(lines[at].size()) + " characters, not at least " + std::to_string(kMapColumns));
                complete = false;
                continue;
            }
            map.rows.push_back(lines[at].substr(0, kMapColumns));
        }
        // After the 19 rows only blank lines may come before the next separator.
        const size_t end = k < separators.size() ? separators[k] : lines.size();
        for (size_t at = start + kMapRows; complete && at < end; ++at) {
            if (!IsBlank(lines[at])) {
                diagnostics.Add(file, static_cast<int>(at + 1), "map rows",
                                "map " + std::to_string(k) + " has more than " + std::to_string(kMapRows) + " rows");
                break;
            }
        }
        if (complete) maps.push_back(map);
    }
    return maps;
}

int MonsterBudget(const FloorMap& map) {
    int budget = kMonsterBudget;
    for (const std::string& row : map.rows) {
        budget -= static_cast<int>(std::count(row.begin(), row.end(), kMapMonster));
        budget -= kStrongMonsterCost * static_cast<int>(std::count(row.begin(), row.end(), kMapStrongMonster));
    }
    return budget;
}

void CheckFloorMaps(const std::vector<FloorMap>& maps, const std::string& file, Diagnostics& diagnostics) {
    for (size_t k = 0; k < maps.size(); ++k) {
        const FloorMap& map = maps[k];
        const std::string which = "map " + std::to_string(k);
        auto cell = [&](int x, int y) { return map.rows[y][x]; };
        auto broke = [&](int y, const char* rule, const std::string& message) {
            diagnostics.Add(file, map.firstLine + y, rule, which + ": " + message);
        };

        int upX = -1;
        int upY = -1;
        int ups = 0;
        int downs = 0;
        for (int y = 0; y < kMapRows; ++y) {
            for (int x = 0; x < kMapColumns; ++x) {
                const char c = cell(x, y);
                if (!IsMapCharacter(c)) {
                    broke(y, "legend", "'" + std::string(1, c) + "' at column " + std::to_string(x) +
                                           " is not a map character (# . ' < > , A a ^ m s)");
                }
                const bool edge = x == 0 || y == 0 || x == kMapColumns - 1 || y == kMapRows - 1;
                if (edge && c != kWallGlyph) {
                    broke(y, "wall border", "column " + std::to_string(x) + " of the border is not a wall");
                }
                if (c == kUpStairsGlyph) {
                    ++ups;
                    upX = x;
                    upY = y;
                }
                if (c == kDownStairsGlyph) ++downs;
            }
        }
        if (ups != 1 || downs != 1) {
            broke(0, "stairs", std::to_string(ups) + " '<' and " + std::to_string(downs) + " '>': a map has one of each");
        }
        if (MonsterBudget(map) < -2) {
            broke(0, "monster budget", "23 minus the 'm' cells minus twice the 's' cells is " +
                                           std::to_string(MonsterBudget(map)) + ", below -2");
        }
        if (ups != 1) continue;

        // Every open cell is reachable from '<'. An 'A' cell may become a deep
        // smith or a sage, who block the way, so the walk does not pass through one.
        std::vector<std::vector<bool>> reached(kMapRows, std::vector<bool>(kMapColumns, false));
        std::deque<std::pair<int, int>> queue{{upX, upY}};
        reached[upY][upX] = true;
        while (!queue.empty()) {
            const auto [x, y] = queue.front();
            queue.pop_front();
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    const int nx = x + dx;
                    const int ny = y + dy;
                    if (nx < 0 || ny < 0 || nx >= kMapColumns || ny >= kMapRows || reached[ny][nx]) continue;
                    const char c = cell(nx, ny);
                    if (c == kWallGlyph) continue;
                    reached[ny][nx] = true;
                    if (c != kMapSpecialSpot) queue.push_back({nx, ny});
                }
            }
        }
        for (int y = 0; y < kMapRows; ++y) {
            for (int x = 0; x < kMapColumns; ++x) {
                if (cell(x, y) != kWallGlyph && !reached[y][x]) {
                    broke(y, "reachable", std::string("the ") + (cell(x, y) == kDownStairsGlyph ? "'>'" : "cell") + " at column " +
                                              std::to_string(x) + " cannot be reached from '<' (without passing an 'A')");
                    y = kMapRows;  // one report a map is enough
                    break;
                }
            }
        }
    }
}

std::string SummarizeFloors(const std::vector<FloorMap>& maps) {
    int lowest = 1000;
    int highest = -1000;
    int specials = 0;
    int treasures = 0;
    int traps = 0;
    for (const FloorMap& map : maps) {
        lowest = std::min(lowest, MonsterBudget(map));
        highest = std::max(highest, MonsterBudget(map));
        for (const std::string& row : map.rows) {
            specials += static_cast<int>(std::count(row.begin(), row.end(), kMapSpecialSpot));
            treasures += static_cast<int>(std::count(row.begin(), row.end(), kMapTreasure));
            traps += static_cast<int>(std::count(row.begin(), row.end(), kMapHiddenTrap));
        }
    }
    if (maps.empty()) lowest = highest = 0;
    return "floors: " + std::to_string(maps.size()) + " maps, monster budgets " + std::to_string(lowest) + ".." +
           std::to_string(highest) + ", " + std::to_string(specials) + " special spots, " + std::to_string(treasures) +
           " treasure spots, " + std::to_string(traps) + " traps\n";
}
