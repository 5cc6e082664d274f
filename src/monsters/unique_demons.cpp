// The five unique demons and the copies of the final demon: fixed statistics, not kinds.
#include <cstring>
#include <new>

#include "toolkit/random_mother.h"
#include "world/floor.h"
#include "world/monster.h"

namespace {

struct DemonStats {
    const char* name;
    int32_t floor;  // the demon's own floor; -1 for a copy
    ColourCode colour;
    int32_t hp;
    int32_t maxHp;
    int32_t damageMin;
    int32_t damageMax;
    int32_t dodge;
    int32_t toHitThreshold;
    int32_t speed;
    int64_t experience;
    int32_t regenerationPeriod;
    int32_t regenerationAmount;
    int32_t meleeArmour;
    int32_t rangedArmour;
    int32_t armourFloor;
    int32_t level;
    int32_t trickState;  // kept in the ability field
};

const DemonStats kDemons[] = {
    {kUniqueDemonNames[0], 6, kMagenta, 100, 100, 11, 13, 30, 200, 1000, 20, 20, 8, 8, 8, 4, 12, -5},
    {kUniqueDemonNames[1], 13, kMagenta, 240, 240, 22, 24, 60, 400, 2000, 160, 25, 17, 12, 11, 5, 21, 0},
    {kUniqueDemonNames[2], 20, kMagenta, 400, 400, 38, 42, 100, 350, 1000, 1280, 20, 26, 21, 21, 10, 30, 0},
    {kUniqueDemonNames[3], 27, kMagenta, 600, 600, 48, 53, 300, 300, 1000, 20476, 20, 40, 30, 30, 15, 42, 0},
    {kUniqueDemonNames[4], 34, kLightMagenta, 800, 800, 68, 72, 250, 250, 1000, 163828, 20, 53, 37, 38, 18, 51, 0},
};

// Copy kinds 1 to 4: the final demon's splits and mirror images.
const DemonStats kCopies[] = {
    {kUniqueDemonNames[kFinalDemon], -1, kLightMagenta, 250, 400, 44, 46, 100, 250, 1000, 0, 20, 1, 18, 18, 9, 51, -5},
    {kUniqueDemonNames[kFinalDemon], -1, kLightMagenta, 50, 160, 44, 46, 75, 300, 1000, 0, 20, 1, 15, 15, 7, 51, -5},
    {kUniqueDemonNames[kFinalDemon], -1, kLightMagenta, 125, 200, 44, 46, 75, 300, 1000, 0, 20, 1, 15, 15, 7, 51, -5},
    {kUniqueDemonNames[kFinalDemon], -1, kLightMagenta, 50, 160, 44, 46, 75, 300, 1000, 0, 20, 1, 15, 15, 7, 51, -5},
};

const DemonStats* StatsFor(int32_t floor, int32_t copyKind) {
    if (copyKind >= 1 && copyKind <= 4) return &kCopies[copyKind - 1];
    if (copyKind != kFloorsOwnDemon) return nullptr;
    for (const DemonStats& demon : kDemons) {
        if (demon.floor == floor) return &demon;
    }
    return nullptr;
}

void Fill(Monster& demon, const DemonStats& stats) {
    std::strncpy(demon.name, stats.name, sizeof demon.name - 1);
    demon.glyph = kDemonGlyph;
    demon.colour = stats.colour;
    demon.hp = stats.hp;
    demon.maxHp = stats.maxHp;
    demon.damageBound1 = stats.damageMin;
    demon.damageBound2 = stats.damageMax;
    demon.dodge = stats.dodge;
    demon.toHitThreshold = stats.toHitThreshold;
    demon.speed = stats.speed;
    demon.actThreshold = 1000;
    demon.experience = stats.experience;
    demon.regenerationPeriod = stats.regenerationPeriod;
    demon.regenerationAmount = stats.regenerationAmount;
    demon.meleeArmour = stats.meleeArmour;
    demon.rangedArmour = stats.rangedArmour;
    demon.armourFloor = stats.armourFloor;
    demon.level = stats.level;
    demon.ability = stats.trickState;
    demon.ranged = 1;
    demon.living = 1;
}

}  // namespace

void CreateUniqueDemon(int32_t x, int32_t y, int32_t floor, int32_t copyKind) {
    const DemonStats* stats = StatsFor(floor, copyKind);
    // A floor without a demon of its own, or a place off the map, gets nothing.
    if (stats == nullptr || !IsFloorNumber(floor) || !Floor::OnMap(x, y)) return;
    Monster* demon = new (std::nothrow) Monster;
    if (demon == nullptr) return;
    PlaceMonster(*demon, x, y, floor);
    Fill(*demon, *stats);
    if (copyKind == kFloorsOwnDemon) {
        const int32_t roll = rng.Random(2);
        demon->trickVariant = roll == 0 ? 1 : 0;
    }
    floorArray[floor].At(x, y).monsterPresent = 1;
    AppendMonsters(demon);
}

bool IsUniqueDemon(const char* name) {
    if (name == nullptr) return false;
    for (const DemonStats& demon : kDemons) {
        if (std::strcmp(name, demon.name) == 0) return true;
    }
    return false;
}
