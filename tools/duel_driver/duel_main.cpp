// The duel table: how a character of the level usually reached on a demon's
// floor fares, with the kit the floors above usually give, against that
// floor's demon and each ordinary kind that spawns there. Every fight runs the
// game's own combat code; the table gives the share of fights the character
// wins and the median hit points it keeps (0 for a lost fight).
//
//   hollowmere_duel_table [--fights N] [--floors 6,13,20,27,34] [--usual 5,8,11,14,17]
//                         [--trainings warrior,ranger,archer] [--all-kinds]
//
// --usual gives the usual character level of each floor; the table shows that
// level and the levels one below and one above. --all-kinds lists every kind
// of the floor instead of the three that win most. Run it from a folder holding
// monsters.hmd and items.hmd (tools/duel_table does).
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "duel_character.h"
#include "duel_fight.h"
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
    int32_t fights = 200;
    std::vector<int32_t> floors = {6, 13, 20, 27, 34};
    std::vector<int32_t> usual = {5, 8, 11, 14, 17};
    std::vector<DuelTraining> trainings = {DuelTraining::kWarrior, DuelTraining::kRanger, DuelTraining::kArcher};
    bool allKinds = false;
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

// The kinds that floor f spawns: the wanted level is 1.43 f, rounded down or,
// as often as its fraction says, up; a kind matches one level above the wanted
// one, within two levels either way (the level jitter's rare swings aside).
std::vector<int32_t> KindsOfFloor(int32_t floor) {
    const float depth = static_cast<float>(floor) * 1.43f;
    const int32_t low = static_cast<int32_t>(depth) + 1;
    const int32_t high = depth > static_cast<float>(low - 1) ? low + 1 : low;
    std::vector<int32_t> kinds;
    for (int32_t k = 0; k < kMonsterKindCount; ++k) {
        const MonsterKind& kind = monsterKinds[k];
        if (kind.hitPoints > 0 && kind.level >= low - 2 && kind.level <= high + 2) kinds.push_back(k);
    }
    return kinds;
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

void RunTable(const Options& options) {
    for (const DuelTraining training : options.trainings) {
        const bool shoots = training == DuelTraining::kArcher;
        for (size_t f = 0; f < options.floors.size(); ++f) {
            const int32_t floor = options.floors[f];
            const std::vector<int32_t> kit = KitForFloor(training, floor);
            const std::vector<int32_t> kinds = KindsOfFloor(floor);
            std::printf("\n%s, floor %d (kinds of levels %d-%d); kit: %s\n", TrainingName(training), floor,
                        kinds.empty() ? 0 : monsterKinds[kinds.front()].level,
                        kinds.empty() ? 0 : monsterKinds[kinds.back()].level, DescribeKit(kit).c_str());
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
                    Cell cell = Fight(characters, shoots, floor, kind, options.fights, cellSeed);
                    winSum += cell.WinShare();
                    losses.emplace_back(1.0 - cell.WinShare(), monsterKinds[kind].name);
                    if (options.allKinds) {
                        char row[160];
                        std::snprintf(row, sizeof row, "      %-24s L%-2d  won %3.0f%%  median hp %d\n", monsterKinds[kind].name,
                                      monsterKinds[kind].level, 100 * cell.WinShare(), cell.MedianHp());
                        detail += row;
                    }
                }
                std::sort(losses.begin(), losses.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
                std::printf("  level %2d (%3d hp)%s  demon: won %3.0f%%, median hp %3d | kinds: won %3.0f%% on average; most dangerous:",
                            level, characters.front().maxHp, delta == 0 ? "*" : " ", 100 * demon.WinShare(), demon.MedianHp(),
                            kinds.empty() ? 0.0 : 100 * winSum / static_cast<double>(kinds.size()));
                for (size_t i = 0; i < losses.size() && i < 3; ++i) {
                    std::printf(" %s %.0f%%%s", losses[i].second.c_str(), 100 * losses[i].first, i + 1 < 3 ? "," : "");
                }
                std::printf("\n%s", detail.c_str());
                std::fflush(stdout);
            }
        }
    }
    std::printf("\n(* the usual level; a kind's figure is the share of fights it wins)\n");
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        std::fprintf(stderr,
                     "usage: hollowmere_duel_table [--fights N] [--floors 6,13,...] [--usual 5,8,...] "
                     "[--trainings warrior,ranger,archer] [--all-kinds]\n(one usual level for each floor)\n");
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
    RunTable(options);
    EndUnseenScreen();
    return 0;
}
