// A few hundred turns of scripted play through the real main loop on fixed
// seeds, summarised and compared with a committed catalogue: a change in how
// monsters wake, hunt, move, fight or follow, or in what the world's turn and
// the tiles stepped on do, shows up as a changed line. After a
// deliberate change, regenerate the catalogue with HOLLOWMERE_REGENERATE_GOLDEN=1
// and review the diff.
#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <string>
#include <vector>

#include "floors/field_of_view.h"
#include "floors/game_dungeon.h"
#include "game/game.h"
#include "support/golden_catalogue.h"
#include "support/random_paths.h"
#include "support/screen_test.h"
#include "toolkit/message_log.h"
#include "toolkit/terminal.h"
#include "world/game_hooks.h"
#include "world/monster.h"
#include "world/player.h"
#include "world/sage.h"

namespace {

const char* const kCatalogue = HOLLOWMERE_SOURCE_DIR "/tests/monsters/golden_play.txt";

constexpr int32_t kPasses = 300;
constexpr int32_t kCheckpointEvery = 50;
// On every floor it reaches, the character first rests this long: the monsters come.
constexpr int32_t kRestsOnArrival = 30;

class Fnv {
public:
    void Add(const std::string& text) {
        for (const char c : text) hash_ = (hash_ ^ static_cast<uint8_t>(c)) * 16777619u;
    }
    void Add(int64_t value) { Add(std::to_string(value) + ","); }
    std::string Hex() const {
        char text[16];
        std::snprintf(text, sizeof text, "%08x", hash_);
        return text;
    }

private:
    uint32_t hash_ = 2166136261u;
};

// The keypad digits of the eight steps, in a fixed order of trying.
struct Step {
    int32_t dx;
    int32_t dy;
    char key;
};
constexpr Step kSteps[8] = {{0, -1, '8'}, {0, 1, '2'}, {-1, 0, '4'}, {1, 0, '6'},
                            {-1, -1, '7'}, {1, -1, '9'}, {-1, 1, '1'}, {1, 1, '3'}};

// Ground the character walks on, or kicks its way through (an ice block).
bool Passable(const Floor& floor, int32_t x, int32_t y, bool aroundMonsters) {
    if (!Floor::OnMap(x, y) || BlocksStep(floor.At(x, y).glyph) || IsSageAt(x, y, 0, 0, player.currentFloor)) {
        return false;
    }
    return !aroundMonsters || !IsMonsterAt(x, y, player.currentFloor);
}

// The key of the first step of a shortest way from the player to the target over
// ground it can walk, around the monsters or, when they bar the way, through them
// (attacking); 0 when there is none.
char FirstStepToward(XY target, bool aroundMonsters = true) {
    const Floor& floor = floorArray[player.currentFloor];
    std::vector<int32_t> firstStep(kFloorWidth * kFloorHeight, -1);
    std::vector<XY> queue{XY{player.x, player.y}};
    firstStep[player.x * kFloorHeight + player.y] = 8;
    for (std::size_t next = 0; next < queue.size(); ++next) {
        const XY at = queue[next];
        if (at.x == target.x && at.y == target.y) {
            const int32_t step = firstStep[at.x * kFloorHeight + at.y];
            return step < 8 ? kSteps[step].key : 0;
        }
        for (int32_t k = 0; k < 8; ++k) {
            const XY to{at.x + kSteps[k].dx, at.y + kSteps[k].dy};
            if (!Passable(floor, to.x, to.y, aroundMonsters) || firstStep[to.x * kFloorHeight + to.y] >= 0) continue;
            const int32_t from = firstStep[at.x * kFloorHeight + at.y];
            firstStep[to.x * kFloorHeight + to.y] = from == 8 ? k : from;
            queue.push_back(to);
        }
    }
    return aroundMonsters ? FirstStepToward(target, false) : 0;
}

class GoldenPlay : public ScreenTest {
protected:
    // Whatever the game waits for that the script did not type (a "-More-", the space
    // bar, a command that took no time) gets a space and a rest.
    static void SupplyKeys() { playing->Type(" 5"); }
    static GoldenPlay* playing;

    // weather, when not kWeatherNone, falls on every floor from the start.
    std::string Play(uint32_t seed, int32_t weather = kWeatherNone) {
        GenerateGameDungeon(seed);
        if (weather != kWeatherNone) {
            for (Floor& floor : floorArray) floor.weather = weather;
        }
        player.PlaceOnUpStairs();
        // Sturdy enough to outlast the play, and never stopped by a level-up page.
        player.hp = player.maxHp = 100000;
        player.levelThreshold = INT64_MAX / 4;
        player.RecomputePlayerStats();
        ComputeFieldOfView(&floorArray[player.currentFloor], player.x, player.y, player.sightRadius);
        RedrawScreen();
        playing = this;
        SetKeyWaitHook(SupplyKeys, 0);

        std::string text = "== seed " + std::to_string(seed) +
                           (weather != kWeatherNone ? ", weather " + std::to_string(weather) : "") + "\n";
        int32_t rests = kRestsOnArrival;
        int32_t floor = player.currentFloor;
        for (int32_t pass = 1; pass <= kPasses; ++pass) {
            const char key = NextKey(rests);
            Type(std::string(1, key));
            RunMainLoopPass();
            if (player.currentFloor != floor) {
                floor = player.currentFloor;
                rests = kRestsOnArrival;
            }
            if (pass % kCheckpointEvery == 0) text += Checkpoint(pass);
        }
        SetKeyWaitHook(nullptr);
        return text + Monsters();
    }

    static char NextKey(int32_t& rests) {
        if (rests > 0) {
            --rests;
            return '5';
        }
        if (floorArray[player.currentFloor].At(player.x, player.y).glyph == kDownStairsGlyph) return '>';
        const char step = FirstStepToward(FindStaircase(player.currentFloor, true));
        return step != 0 ? step : '5';
    }

    static std::string Checkpoint(int32_t pass) {
        Fnv messages;
        for (const std::string& line : messageLog.history) messages.Add(line);
        for (const std::string& line : messageLog.line) messages.Add(line);
        Fnv random;
        for (const uint32_t word : rng.x) random.Add(word);
        random.Add(rng.carry);
        // What the world's turn and the steps change besides the fights: the gold and
        // arrows picked up underfoot, the body's warmth, the slush's slowness, the weather.
        const std::string world = ", gold " + std::to_string(player.gold) + ", arrows " +
                                  std::to_string(player.ArrowCount()) + ", warmth " +
                                  std::to_string(player.bodyTemperature) + ", slowed " +
                                  std::to_string(player.slowness) + ", weather " +
                                  std::to_string(floorArray[player.currentFloor].weather);
        return "pass " + std::to_string(pass) + ": floor " + std::to_string(player.currentFloor) + " @" +
               std::to_string(player.x) + "," + std::to_string(player.y) + ", hp " + std::to_string(player.hp) +
               ", turns " + std::to_string(player.turns) + world + ", rng " + random.Hex() + ", messages " +
               messages.Hex() + "\n";
    }

    // The monsters of the character's floor one by one, and all the others as one hash.
    static std::string Monsters() {
        std::string here = "  monsters of floor " + std::to_string(player.currentFloor) + ":";
        Fnv elsewhere;
        for (const Monster* m = monsterListHead; m != nullptr; m = m->next) {
            if (m->floor == player.currentFloor) {
                here += " " + std::string(1, m->glyph) + std::to_string(m->hp) + "@" + std::to_string(m->x) + "," +
                        std::to_string(m->y) + (m->awake ? "a" : "") + (m->hunting ? "h" : "");
                continue;
            }
            for (const int64_t field : {int64_t{m->floor}, int64_t{m->x}, int64_t{m->y}, int64_t{m->hp},
                                        int64_t{m->energy}, int64_t{m->awake}, int64_t{m->hunting},
                                        int64_t{m->ability}, int64_t{m->lastMove}}) {
                elsewhere.Add(field);
            }
        }
        return here + "\n  monsters elsewhere " + elsewhere.Hex() + "\n";
    }
};

GoldenPlay* GoldenPlay::playing = nullptr;

// Play draws from the game's generator and from generation's scopes in turn:
// every way of making the draws must play the same game.
class GoldenPlayOnPath : public GoldenPlay, public testing::WithParamInterface<RandomPath> {
protected:
    void SetUp() override {
        GoldenPlay::SetUp();
        if (!IsRandomPathSupported(GetParam())) GTEST_SKIP() << RandomPathName(GetParam()) << " is not supported here";
        UseRandomPath(GetParam());
    }
    void TearDown() override {
        UseRandomPath(BestRandomPath());
        GoldenPlay::TearDown();
    }
};

TEST_P(GoldenPlayOnPath, ScriptedPlayMatchesTheCatalogue) {
    if (!LoadGameData().available) GTEST_SKIP() << "the play folder has no data files";
    std::string text;
    for (const uint32_t seed : {1u, 2u, 3u}) text += Play(seed);
    // Snow and freezing drizzle everywhere: the weather's own draws and what it does to floor and character.
    text += Play(4, kWeatherSnowing);
    text += Play(5, kWeatherFreezingDrizzle);
    CompareWithCatalogue(kCatalogue, text);
}

INSTANTIATE_TEST_SUITE_P(Paths, GoldenPlayOnPath, kEveryRandomPath, RandomPathTestName);

}  // namespace
