#include "fuzz_support.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "game/game_invariants.h"
#include "game/game_state.h"
#include "items/appearances.h"
#include "items/item_prefixes.h"
#include "shell/key_bindings.h"
#include "toolkit/random_mother.h"
#include "world/floor.h"
#include "world/item_kind.h"
#include "world/monster.h"
#include "world/monster_kind.h"
#include "world/player.h"
#include "world/sage.h"

namespace {

// The real kinds, put back before each run: a fuzzed file overwrites them.
MonsterKindTable realMonsterKinds;
ItemKindTable realItemKinds;
std::string scratchFolder;

}  // namespace

void PrepareFuzzing() {
    char folder[] = "/tmp/hollowmere-fuzz-XXXXXX";
    if (mkdtemp(folder) == nullptr) FuzzFinding("no scratch folder");
    scratchFolder = folder;
    std::atexit([] {
        std::error_code ignored;
        std::filesystem::remove_all(scratchFolder, ignored);
    });
    ResetProgramState(1);
    const std::string play = HOLLOWMERE_PLAY_DIR;
    if (monsterKinds.ReadMonsterKinds(play + "/monsters.hmd") != DataFileResult::kRead) FuzzFinding("no monsters.hmd in " + play);
    if (itemKinds.ReadItemKinds(play + "/items.hmd") != DataFileResult::kRead) FuzzFinding("no items.hmd in " + play);
    itemKinds.MapItemColours();
    for (int32_t kind = 0; kind < kItemKindCount; ++kind) {
        if (std::string(itemKinds[kind].name) == "arrow") arrowKindIndex = kind;
    }
    InitPrefixTable();
    realMonsterKinds = monsterKinds;
    realItemKinds = itemKinds;
    std::ifstream keys(play + "/Keybindings.txt");
    const KeybindingFile file = ParseKeybindings(keys);
    keyTable = file.keys;
    player.dotBound = file.dotBound ? 1 : 0;
}

// libFuzzer's start: every target begins with the real data loaded.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    PrepareFuzzing();
    return 0;
}

void FreshGame(std::initializer_list<int32_t> floorsUsed) {
    monsterKinds = realMonsterKinds;
    itemKinds = realItemKinds;
    // What a whole reset would put back, but only the floors used: all 35
    // would cost more than the run itself.
    if (monsterListHead != nullptr) FreeAllMonsters();
    monsterListHead = nullptr;
    sages.clear();
    for (AppearanceName& entry : potionAppearances) entry = AppearanceName();
    for (AppearanceName& entry : wandAppearances) entry = AppearanceName();
    for (AccessoryAppearance& entry : accessoryAppearances) entry = AccessoryAppearance();
    const uint8_t dotBound = player.dotBound;
    player = Player();
    player.dotBound = dotBound;
    for (int32_t floor : floorsUsed) floorArray[floor].ResetToNewFloor();
    rng.RandomInit(1);
}

void OpenFloor(int32_t floorNumber) {
    Floor& floor = floorArray[floorNumber];
    floor.ResetToNewFloor();
    for (int32_t x = 1; x < kFloorWidth - 1; ++x) {
        for (int32_t y = 1; y < kFloorHeight - 1; ++y) floor.At(x, y).glyph = kFloorGlyph;
    }
    floor.SetTileColours(kStoneScheme);
}

void PlaceCharacter(int32_t floorNumber, int32_t x, int32_t y) {
    player.currentFloor = floorNumber;
    player.x = x;
    player.y = y;
    floorArray[floorNumber].At(x, y).monsterPresent = 1;
}

std::string WriteFuzzInput(const char* fileName, const uint8_t* data, size_t size) {
    const std::string path = scratchFolder + "/" + fileName;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    return path;
}

InScratchFolder::InScratchFolder() {
    char here[4096];
    if (getcwd(here, sizeof here) == nullptr || chdir(scratchFolder.c_str()) != 0) FuzzFinding("cannot enter the scratch folder");
    previous = here;
}

InScratchFolder::~InScratchFolder() {
    if (chdir(previous.c_str()) != 0) FuzzFinding("cannot leave the scratch folder");
}

void FuzzFinding(const std::string& what) {
    std::fprintf(stderr, "FINDING: %s\n", what.c_str());
    std::fflush(stderr);
    std::abort();
}

void RequireSoundGame() {
    const std::vector<std::string> broken = BrokenGameInvariants(InvariantScope::kEveryFloor);
    if (broken.empty()) return;
    std::string what = "the game breaks its rules:";
    for (const std::string& line : broken) what += "\n  " + line;
    FuzzFinding(what);
}
