#include "careful_summary.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The floors (numbered from 0; a line gives depths, the floor number + 1) the
// summary reports the character level at: where the demons wait, and the last.
constexpr int kReportedFloors[] = {6, 13, 20, 27, 34};
constexpr int kFirstDemonFloor = 6;
constexpr int kSecondDemonFloor = 13;

struct Game {
    std::map<std::string, std::string> fields;
    std::map<int, int> levelAtFloor;
    std::map<int, int> armourAtFloor;
    int deepest = 0;
};

Game ParseLine(const std::string& line) {
    Game game;
    std::istringstream in(line);
    std::string field;
    while (std::getline(in, field, '\t')) {
        const size_t equals = field.find('=');
        if (equals == std::string::npos) continue;
        game.fields[field.substr(0, equals)] = field.substr(equals + 1);
    }
    std::istringstream floors(game.fields["floors"]);
    std::string entry;
    while (std::getline(floors, entry, ',')) {
        int depth = 0;
        int level = 0;
        int turn = 0;
        int armour = 0;
        const int read = std::sscanf(entry.c_str(), "%d:%d:%d:%d", &depth, &level, &turn, &armour);
        if (read >= 3) game.levelAtFloor[depth] = level;
        if (read == 4) game.armourAtFloor[depth] = armour;
    }
    game.deepest = std::atoi(game.fields["deepest"].c_str());
    return game;
}

// The value at the share (0..1) of the sorted values, the nearest rank.
int Percentile(const std::vector<int>& sorted, double share) {
    const size_t rank = static_cast<size_t>(share * static_cast<double>(sorted.size() - 1) + 0.5);
    return sorted[std::min(rank, sorted.size() - 1)];
}

// "killed by a giant ant on DL 7" and the like: the killer, without where.
std::string CauseOf(const Game& game) {
    const auto end = game.fields.find("end");
    const auto cause = game.fields.find("cause");
    if (end == game.fields.end() || cause == game.fields.end()) return "?";
    if (end->second != "died") return end->second;
    return cause->second;
}

}  // namespace

void SummarizeCarefulGames(std::istream& lines, std::ostream& out) {
    std::map<std::string, std::vector<Game>> byTraining;
    std::vector<std::string> order;
    std::string line;
    while (std::getline(lines, line)) {
        if (line.rfind("seed=", 0) != 0) continue;
        Game game = ParseLine(line);
        const std::string training = game.fields["training"];
        if (byTraining.find(training) == byTraining.end()) order.push_back(training);
        byTraining[training].push_back(std::move(game));
    }
    for (const std::string& training : order) {
        const std::vector<Game>& games = byTraining[training];
        out << training << ": " << games.size() << " games\n";
        for (const int floor : kReportedFloors) {
            std::vector<int> levels;
            std::vector<int> armours;
            for (const Game& game : games) {
                const auto at = game.levelAtFloor.find(floor + 1);
                if (at != game.levelAtFloor.end()) levels.push_back(at->second);
                const auto worn = game.armourAtFloor.find(floor + 1);
                if (worn != game.armourAtFloor.end()) armours.push_back(worn->second);
            }
            if (levels.empty()) {
                out << "  character level on floor " << floor << " (DL " << floor + 1 << "): no game got there\n";
                continue;
            }
            std::sort(levels.begin(), levels.end());
            out << "  character level on floor " << floor << " (DL " << floor + 1 << "): median " << Percentile(levels, 0.5) << ", 10-90 % "
                << Percentile(levels, 0.1) << "-" << Percentile(levels, 0.9) << " (" << levels.size() << " games)\n";
            if (armours.empty()) continue;
            std::sort(armours.begin(), armours.end());
            out << "    armour worn on arrival: median " << Percentile(armours, 0.5) << ", 10-90 % " << Percentile(armours, 0.1) << "-"
                << Percentile(armours, 0.9) << "\n";
        }
        int passed = 0;
        int reached13 = 0;
        int slewSecond = 0;
        std::vector<int> deepest;
        std::map<std::string, int> causes;
        for (const Game& game : games) {
            const auto demons = game.fields.find("demons");
            const bool slewFirst = demons != game.fields.end() && !demons->second.empty() && demons->second[0] == '1';
            // Depths: floor f is DL f + 1.
            if (slewFirst || game.deepest > kFirstDemonFloor + 1) ++passed;
            if (game.deepest >= kSecondDemonFloor + 1) ++reached13;
            if (demons != game.fields.end() && demons->second.size() > 1 && demons->second[1] == '1') ++slewSecond;
            deepest.push_back(game.deepest);
            ++causes[CauseOf(game)];
        }
        std::sort(deepest.begin(), deepest.end());
        char share[32];
        std::snprintf(share, sizeof share, "%.0f %%", 100.0 * passed / static_cast<double>(games.size()));
        out << "  passed the first demon (slain, or floor 7 reached): " << passed << " (" << share << ")\n";
        out << "  reached floor 13 (DL 14): " << reached13 << ", of which " << slewSecond << " slew its demon\n";
        out << "  deepest DL: median " << Percentile(deepest, 0.5) << ", 10-90 % " << Percentile(deepest, 0.1) << "-"
            << Percentile(deepest, 0.9) << ", most " << deepest.back() << "\n";
        std::vector<std::pair<int, std::string>> ranked;
        for (const auto& [cause, count] : causes) ranked.emplace_back(count, cause);
        std::sort(ranked.begin(), ranked.end(), [](const auto& a, const auto& b) { return a.first != b.first ? a.first > b.first : a.second < b.second; });
        out << "  ends:";
        for (const auto& [count, cause] : ranked) out << "\n    " << count << "  " << cause;
        out << "\n";
    }
}
