#include "careful_game.h"

#include <curses.h>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "careful_brain.h"
#include "game/game.h"
#include "game/game_invariants.h"
#include "records/high_scores.h"
#include "toolkit/drawing.h"
#include "toolkit/random_mother.h"
#include "toolkit/terminal.h"
#include "world/floor.h"
#include "world/game_status.h"
#include "world/item_kind.h"
#include "world/player.h"

namespace {

struct FloorReached {
    int32_t depth;  // the floor number + 1
    int32_t level;
    int32_t turn;
    int32_t armour;  // what the worn pieces give, before the level's cap and the body's own
};

struct GameRecord {
    uint32_t seed = 0;
    const CarefulTraining* training = nullptr;
    CarefulGameOptions options;
    int resultFd = -1;
    const char* scratch = nullptr;
    bool started = false;
    std::vector<FloorReached> floors;
    CarefulBrain* brain = nullptr;
};

GameRecord game;

// Tabs and line ends would split the line's fields.
std::string Field(std::string text) {
    for (char& c : text) {
        if (c == '\t' || c == '\n' || c == '\r') c = ' ';
    }
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

void NoteFloor() {
    const int32_t depth = player.currentFloor + 1;
    if (depth < 1 || (!game.floors.empty() && depth <= game.floors.back().depth)) return;
    game.floors.push_back({depth, player.level, player.turns, player.ComputeArmourValue(false)});
}

std::string Kit() {
    std::string kit;
    for (int32_t slot = 0; slot < kEquipSlotCount; ++slot) {
        if (slot == kSlotMainHandSwap || slot == kSlotSecondHandSwap) continue;
        const int32_t index = player.equipSlots[slot];
        if (index < 0 || index >= static_cast<int32_t>(player.inventory.size())) continue;
        const int32_t kind = player.inventory[static_cast<size_t>(index)].kind;
        if (kind < 0 || kind >= kItemKindCount) continue;
        if (!kit.empty()) kit += ",";
        kit += itemKinds[kind].name;
    }
    return kit;
}

// The game's line, then the end of the process.
[[noreturn]] void Finish(const std::string& end, const std::string& cause) {
    NoteFloor();
    // A game that did not end by itself shows its screen on standard error when asked.
    if (end != "died" && std::getenv("CAREFUL_SHOW_SCREEN") != nullptr) {
        for (int row = 0; row < 25; ++row) {
            std::string text;
            for (int column = 0; column < 80; ++column) text.push_back(static_cast<char>(mvwinch(stdscr, row, column) & A_CHARTEXT));
            std::fprintf(stderr, "%s|\n", text.c_str());
        }
        int cursorRow = 0;
        int cursorColumn = 0;
        getyx(stdscr, cursorRow, cursorColumn);
        std::fprintf(stderr, "cursor at row %d column %d; the character at (%d, %d)\n", cursorRow, cursorColumn, player.x, player.y);
    }
    std::string line = "seed=" + std::to_string(game.seed) + "\ttraining=" + game.training->word;
    std::string floors;
    for (const FloorReached& reached : game.floors) {
        if (!floors.empty()) floors += ",";
        floors += std::to_string(reached.depth) + ":" + std::to_string(reached.level) + ":" + std::to_string(reached.turn) + ":" +
                  std::to_string(reached.armour);
    }
    int32_t demons = 0;
    std::string demonFlags;
    for (int32_t i = 0; i < 6; ++i) {
        demonFlags += player.demonSlainFlags[i] != 0 ? '1' : '0';
        demons += player.demonSlainFlags[i] != 0 ? 1 : 0;
    }
    line += "\tfloors=" + floors;
    line += "\tdeepest=" + std::to_string(game.floors.empty() ? 0 : game.floors.back().depth);
    line += "\tend=" + end;
    line += "\tcause=" + Field(cause);
    line += "\tdemons=" + demonFlags;
    line += "\tlevel=" + std::to_string(player.level);
    line += "\tturns=" + std::to_string(player.turns);
    line += "\tkills=" + std::to_string(player.kills);
    line += "\thp=" + std::to_string(player.hp) + "/" + std::to_string(player.maxHp);
    line += "\ttemperature=" + std::to_string(player.bodyTemperature);
    line += "\tkit=" + Field(Kit());
    line += "\n";
    (void)demons;
    ssize_t written = 0;
    while (written < static_cast<ssize_t>(line.size())) {
        const ssize_t now = write(game.resultFd, line.data() + written, line.size() - static_cast<size_t>(written));
        if (now <= 0) break;
        written += now;
    }
    _exit(kCarefulGamePlayed);
}

// The cause of death as the game wrote it into the hall of fame.
std::string DeathCause() {
    for (const ScoreEntry& entry : highScores.entries) {
        if (entry.used != 0) return entry.endText;
    }
    return "unknown";
}

// Every key the game reads comes from here: the game asks when no key waits.
void GiveKey() {
    if (game.started && gameInPlay == 0) {
        if (player.hp < 1) Finish("died", DeathCause());
        Finish("won", "returned to the surface");
    }
    if (game.brain->KeysSinceLastTurn() > game.options.keysWithoutATurn) Finish("stuck", "no turn passed for many keys");
    ungetch(game.brain->NextKey());
}

void CheckInvariants() {
    const std::vector<std::string> broken = BrokenGameInvariants(InvariantScope::kCharactersFloor);
    if (!broken.empty()) {
        std::string all;
        for (const std::string& line : broken) all += line + "; ";
        Finish("invariant", all);
    }
}

// The game's terminal: keys from a pseudo-terminal that nobody types on (the
// player's keys are handed to curses directly), drawing into nothing.
bool OpenTerminal() {
    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) return false;
    const int slave = open(ptsname(master), O_RDWR | O_NOCTTY);
    if (slave < 0) return false;
    winsize size{};
    size.ws_row = 25;
    size.ws_col = 80;
    ioctl(slave, TIOCSWINSZ, &size);
    termios modes{};
    tcgetattr(slave, &modes);
    cfmakeraw(&modes);
    tcsetattr(slave, TCSANOW, &modes);
    const int nowhere = open("/dev/null", O_WRONLY);
    if (nowhere < 0) return false;
    dup2(slave, STDIN_FILENO);
    dup2(nowhere, STDOUT_FILENO);
    setenv("TERM", "xterm-256color", 1);
    setenv("LINES", "25", 1);
    setenv("COLUMNS", "80", 1);
    // The game's waits are for a player's eyes.
    setenv("HOLLOWMERE_WAIT_PERCENT", "0", 1);
    return true;
}

}  // namespace

void PlayCarefulGame(uint32_t seed, const CarefulTraining& training, const CarefulGameOptions& options, int resultFd,
                     const char* scratchFolder) {
    game.seed = seed;
    game.training = &training;
    game.options = options;
    game.resultFd = resultFd;
    game.scratch = scratchFolder;
    if (!OpenTerminal()) _exit(kCarefulGameCannotStart);
    static CarefulBrain brain(training);
    game.brain = &brain;
    SetKeyWaitHook(GiveKey, 0);
    // Each game is its own dungeon: the generator starts from the seed, as start-up seeds it.
    rng.RandomInit(seed);
    InitGame();
    SetWaitPercent(0);
    // What the game writes at its end (the hall of fame, the post-mortem) goes
    // to a folder of its own, where no earlier result stands in the table.
    if (scratchFolder != nullptr && chdir(scratchFolder) != 0) _exit(kCarefulGameCannotStart);
    gameInPlay = 1;
    game.started = true;
    NoteFloor();
    for (;;) {
        RunMainLoopPass();
        NoteFloor();
        if (options.checkInvariants) CheckInvariants();
        if (player.turns >= options.turnCap) Finish("capped", "turn cap");
    }
}
