// The duel table: how a character of the level usually reached on a demon's
// floor fares, with the kit the floors above usually give, against that
// floor's demon and each ordinary kind that spawns there. Every fight runs the
// game's own combat code; the table gives the share of fights the character
// wins and the median hit points it keeps (0 for a lost fight).
//
//   hollowmere_duel_table [--fights N] [--kind-fights N] [--jobs N] [--floors 6,13,20,27,34]
//                         [--usual 3,8,16,22,36] [--trainings warrior,ranger,archer] [--all-kinds]
//   hollowmere_duel_table --project K
//
// --usual gives the usual character level of each floor; the table shows that
// level and the levels one below and one above. --fights is the number of
// duels against the demon, --kind-fights against each ordinary kind (there are
// a dozen of them a floor, and a third is all the table asks of them, so
// fewer do). --jobs plays the floors of the trainings in that many processes
// at once; the table comes out in its order all the same. --all-kinds lists
// every kind of the floor instead of the three that win most. --project K
// prints instead the usual level of every floor for a player who kills K
// monsters a floor (tools/careful_play measures K). Run it from a
// folder holding monsters.hmd and items.hmd (tools/duel_table does).
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "duel_character.h"
#include "duel_fight.h"
#include "duel_floor_kinds.h"
#include "duel_projection.h"
#include "duel_keys.h"
#include "game/game.h"
#include "world/item_kind.h"
#include "world/monster_kind.h"
#include "world/player.h"

namespace {

// Characters built for each cell, fought in turn, so that the bonus attributes
// of the level-ups vary as they do between games.
constexpr uint32_t kCharacterVariants = 8;

struct Options {
    int32_t fights = 400;
    int32_t kindFights = 50;
    int32_t jobs = 1;
    std::vector<int32_t> floors = {6, 13, 20, 27, 34};
    std::vector<int32_t> usual = {3, 8, 16, 22, 36};
    std::vector<DuelTraining> trainings = {DuelTraining::kWarrior, DuelTraining::kRanger, DuelTraining::kArcher};
    bool allKinds = false;
    double projectKills = 0;
};

std::vector<int32_t> ParseNumbers(const std::string& text) {
    std::vector<int32_t> numbers;
    std::stringstream in(text);
    std::string item;
    while (std::getline(in, item, ',')) numbers.push_back(std::atoi(item.c_str()));
    return numbers;
}

bool ParseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--fights" && hasValue) {
            options.fights = std::max(1, std::atoi(argv[++i]));
        } else if (arg == "--kind-fights" && hasValue) {
            options.kindFights = std::max(1, std::atoi(argv[++i]));
        } else if (arg == "--jobs" && hasValue) {
            options.jobs = std::max(1, std::atoi(argv[++i]));
        } else if (arg == "--floors" && hasValue) {
            options.floors = ParseNumbers(argv[++i]);
        } else if (arg == "--usual" && hasValue) {
            options.usual = ParseNumbers(argv[++i]);
        } else if (arg == "--trainings" && hasValue) {
            options.trainings.clear();
            std::stringstream in(argv[++i]);
            std::string name;
            while (std::getline(in, name, ',')) {
                bool known = false;
                for (const DuelTraining t : {DuelTraining::kWarrior, DuelTraining::kRanger, DuelTraining::kArcher}) {
                    if (name == TrainingName(t)) {
                        options.trainings.push_back(t);
                        known = true;
                    }
                }
                if (!known) return false;
            }
        } else if (arg == "--project" && hasValue) {
            options.projectKills = std::atof(argv[++i]);
        } else if (arg == "--all-kinds") {
            options.allKinds = true;
        } else {
            return false;
        }
    }
    return options.usual.size() == options.floors.size();
}

bool LoadData() {
    if (monsterKinds.ReadMonsterKinds("monsters.hmd") != DataFileResult::kRead) return false;
    if (itemKinds.ReadItemKinds("items.hmd") != DataFileResult::kRead) return false;
    itemKinds.MapItemColours();
    for (int32_t kind = 0; kind < kItemKindCount; ++kind) {
        if (std::strcmp(itemKinds[kind].name, "arrow") == 0) arrowKindIndex = kind;
    }
    return true;
}

struct Cell {
    int32_t wins = 0;
    std::vector<int32_t> hpLeft;
    double WinShare() const { return hpLeft.empty() ? 0 : static_cast<double>(wins) / static_cast<double>(hpLeft.size()); }
    int32_t MedianHp() {
        if (hpLeft.empty()) return 0;
        std::sort(hpLeft.begin(), hpLeft.end());
        return hpLeft[hpLeft.size() / 2];
    }
};

uint32_t SeedOf(uint32_t a, uint32_t b, uint32_t c, uint32_t d) {
    uint32_t seed = 2166136261u;
    for (const uint32_t part : {a, b, c, d}) seed = (seed ^ part) * 16777619u;
    return seed == 0 ? 1 : seed;
}

Cell Fight(const std::vector<Player>& characters, bool shoots, int32_t floor, int32_t opponent, int32_t fights,
           uint32_t cellSeed) {
    Cell cell;
    for (int32_t n = 0; n < fights; ++n) {
        const Player& character = characters[static_cast<size_t>(n) % characters.size()];
        const DuelResult result = RunDuel(character, shoots, floor, opponent, SeedOf(cellSeed, static_cast<uint32_t>(opponent + 1), static_cast<uint32_t>(n), 7));
        cell.wins += result.won ? 1 : 0;
        cell.hpLeft.push_back(result.won ? result.hpLeft : 0);
    }
    return cell;
}

// The rows of one training on one floor: the usual level and one either side.
std::string TableOfFloor(const Options& options, DuelTraining training, size_t f) {
    std::string text;
    char line[512];
    const bool shoots = training == DuelTraining::kArcher;
    const int32_t floor = options.floors[f];
    const std::vector<int32_t> kit = KitForFloor(training, floor);
    const std::vector<int32_t> kinds = KindsOfFloor(floor);
    std::snprintf(line, sizeof line, "\n%s, floor %d (kinds of levels %d-%d); kit: %s\n", TrainingName(training), floor,
                  kinds.empty() ? 0 : monsterKinds[kinds.front()].level, kinds.empty() ? 0 : monsterKinds[kinds.back()].level,
                  DescribeKit(kit).c_str());
    text += line;
    for (int32_t delta = -1; delta <= 1; ++delta) {
        const int32_t level = std::max(1, options.usual[f] + delta);
        std::vector<Player> characters;
        for (uint32_t v = 0; v < kCharacterVariants; ++v) {
            BuildCharacter(training, level, kit, SeedOf(static_cast<uint32_t>(training), static_cast<uint32_t>(level), v, 1));
            characters.push_back(player);
        }
        const uint32_t cellSeed = SeedOf(static_cast<uint32_t>(training), static_cast<uint32_t>(floor), static_cast<uint32_t>(level), 3);
        Cell demon = Fight(characters, shoots, floor, kFloorDemon, options.fights, cellSeed);
        std::vector<std::pair<double, std::string>> losses;
        double winSum = 0;
        std::string detail;
        for (const int32_t kind : kinds) {
            Cell cell = Fight(characters, shoots, floor, kind, options.kindFights, cellSeed);
            winSum += cell.WinShare();
            losses.emplace_back(1.0 - cell.WinShare(), monsterKinds[kind].name);
            if (options.allKinds) {
                std::snprintf(line, sizeof line, "      %-24s L%-2d  won %3.0f%%  median hp %d\n", monsterKinds[kind].name,
                              monsterKinds[kind].level, 100 * cell.WinShare(), cell.MedianHp());
                detail += line;
            }
        }
        std::sort(losses.begin(), losses.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
        std::snprintf(line, sizeof line,
                      "  level %2d (%3d hp)%s  demon: won %3.0f%%, median hp %3d | kinds: won %3.0f%% on average; most dangerous:",
                      level, characters.front().maxHp, delta == 0 ? "*" : " ", 100 * demon.WinShare(), demon.MedianHp(),
                      kinds.empty() ? 0.0 : 100 * winSum / static_cast<double>(kinds.size()));
        text += line;
        for (size_t i = 0; i < losses.size() && i < 3; ++i) {
            std::snprintf(line, sizeof line, " %s %.0f%%%s", losses[i].second.c_str(), 100 * losses[i].first, i + 1 < 3 ? "," : "");
            text += line;
        }
        text += "\n" + detail;
    }
    return text;
}

// The table's pieces, one a training and floor, each played by a process of
// its own (the game's state is global), at most `jobs` at a time; a piece's
// text goes through a file in the working folder and is printed in order.
void RunTable(const Options& options) {
    struct Piece {
        DuelTraining training;
        size_t floor;
        pid_t pid = -1;
        bool done = false;
    };
    std::vector<Piece> pieces;
    for (const DuelTraining training : options.trainings) {
        for (size_t f = 0; f < options.floors.size(); ++f) pieces.push_back({training, f});
    }
    const auto fileOf = [](size_t piece) { return "duel-piece-" + std::to_string(piece) + ".txt"; };
    size_t printed = 0;
    size_t started = 0;
    int32_t running = 0;
    while (printed < pieces.size()) {
        while (started < pieces.size() && running < options.jobs) {
            const pid_t pid = fork();
            if (pid == 0) {
                const std::string text = TableOfFloor(options, pieces[started].training, pieces[started].floor);
                FILE* out = std::fopen(fileOf(started).c_str(), "w");
                if (out != nullptr) {
                    std::fputs(text.c_str(), out);
                    std::fclose(out);
                }
                _exit(out != nullptr ? 0 : 1);
            }
            pieces[started++].pid = pid;
            ++running;
        }
        // A piece that ends is marked done; the done pieces at the head of the order are printed.
        int status = 0;
        const pid_t ended = wait(&status);
        if (ended < 0) break;
        --running;
        for (Piece& piece : pieces) {
            if (piece.pid == ended) piece.done = true;
        }
        for (; printed < started && pieces[printed].done; ++printed) {
            FILE* in = std::fopen(fileOf(printed).c_str(), "r");
            char buffer[4096];
            size_t n = 0;
            while (in != nullptr && (n = std::fread(buffer, 1, sizeof buffer, in)) > 0) std::fwrite(buffer, 1, n, stdout);
            if (in != nullptr) std::fclose(in);
            std::remove(fileOf(printed).c_str());
            std::fflush(stdout);
        }
    }
    std::printf("\n(* the usual level; a kind's figure is the share of fights it wins)\n");
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        std::fprintf(stderr,
                     "usage: hollowmere_duel_table [--fights N] [--kind-fights N] [--jobs N] [--floors 6,13,...] [--usual 3,8,...] "
                     "[--trainings warrior,ranger,archer] [--all-kinds]\n       hollowmere_duel_table --project K\n(one usual level for each floor)\n");
        return 2;
    }
    InstallToolkitHooks();
    InstallGameHooks();
    if (!LoadData()) {
        std::fprintf(stderr, "hollowmere_duel_table: no monsters.hmd and items.hmd in the working folder\n");
        return 1;
    }
    if (!StartUnseenScreen()) {
        std::fprintf(stderr, "hollowmere_duel_table: no terminal description for the unseen screen\n");
        return 1;
    }
    if (options.projectKills > 0) {
        PrintLevelProjection(options.projectKills, 34);
    } else {
        RunTable(options);
    }
    EndUnseenScreen();
    return 0;
}
