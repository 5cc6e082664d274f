// Bringing an ordinary monster into being: its level, its kind, cavern and floor-colour
// adaptation, its tile, and the companions of a pack.
#include <algorithm>
#include <cstring>
#include <new>
#include <string_view>

#include "toolkit/random_mother.h"
#include "world/floor.h"
#include "world/monster.h"
#include "world/player.h"
#include "world/sage.h"

namespace {

constexpr int32_t kHighestWantedLevel = 50;

// The colour of the corner wall tells a floor's colour scheme.
ColourCode CornerWallColour(int32_t floor) { return floorArray[floor].At(0, 0).colour; }

int32_t WantedLevel(int32_t floor, bool byDepth) {
    if (!byDepth) return 3 * player.level - 1;
    const float depth = static_cast<float>(floor) * 1.43f;
    int32_t wanted = static_cast<int32_t>(depth);
    const int32_t roundUpPercent = GetFractionPercent(depth);
    if (roundUpPercent > 0) {
        const int32_t roll = rng.Random(100);
        if (roll <= roundUpPercent) ++wanted;
    }
    return wanted;
}

int32_t LevelJitter() {
    int32_t jitter = 0;
    const int32_t upChance = rng.Random(500);
    if (upChance == 0) jitter = rng.Random(5);
    const int32_t downChance = rng.Random(500);
    if (downChance == 0) {
        const int32_t down = rng.Random(5);
        jitter -= down;
    }
    const int32_t swingChance = rng.Random(20);
    if (swingChance == 0) {
        const int32_t swing = rng.Random(3);
        jitter = 2 * swing - 2;
    }
    return jitter;
}

// A snowman under the player calls up tougher monsters, magic writing weaker ones.
int32_t JitterFromPlayersTile(int32_t floor) {
    if (!IsFloorNumber(player.currentFloor) || !Floor::OnMap(player.x, player.y)) return 0;
    const char underfoot = floorArray[player.currentFloor].At(player.x, player.y).glyph;
    int32_t jitter = 0;
    if (floor < 32 && underfoot == kSnowmanGlyph) jitter += 4;
    if (floor > 3 && underfoot == kWritingGlyph) jitter -= 4;
    return jitter;
}

ColourCode WantedKindColour(int32_t floor) {
    const ColourCode corner = CornerWallColour(floor);
    if (corner == kIcyWalls) return kLightCyan;
    if (corner == kStoneWalls) return kGrey;
    return kWhite;
}

// Everything a monster takes from its template unchanged.
void CopyTemplate(Monster& monster, const MonsterTemplate& from) {
    std::memcpy(monster.name, from.name, sizeof monster.name);
    monster.name[sizeof monster.name - 1] = '\0';
    monster.colour = from.stats.colour;
    monster.glyph = from.stats.glyph;
    monster.hp = from.stats.hitPoints;
    monster.maxHp = from.stats.hitPoints;
    monster.damageBound1 = from.stats.damageBound1;
    monster.damageBound2 = from.stats.damageBound2;
    monster.meleeArmour = from.stats.meleeArmour;
    monster.rangedArmour = from.stats.rangedArmour;
    monster.armourFloor = (monster.meleeArmour + monster.rangedArmour) / 4;
    monster.dodge = from.stats.dodge;
    monster.toHitThreshold = from.stats.toHitThreshold;
    monster.speed = from.stats.speed;
    monster.actThreshold = from.stats.actThreshold;
    monster.regenerationPeriod = from.stats.regenerationPeriod;
    monster.regenerationAmount = from.stats.regenerationAmount;
    monster.level = from.stats.level;
    monster.ability = from.stats.ability;
    monster.ranged = from.stats.ranged;
    monster.living = from.stats.living;
    monster.experience = std::max<int64_t>(from.stats.experience, 0);
    monster.next = nullptr;
}

int32_t LessSixPercent(int32_t value) { return value - static_cast<int32_t>(static_cast<float>(value) * 0.06f); }

// Cavern dwellers are a little weaker.
void ScaleForCavern(Monster& monster) {
    monster.hp = static_cast<int32_t>(static_cast<float>(monster.hp) * 0.94f);
    monster.maxHp = monster.hp;
    monster.damageBound1 = LessSixPercent(monster.damageBound1);
    monster.damageBound2 = LessSixPercent(monster.damageBound2);
    monster.meleeArmour = LessSixPercent(monster.meleeArmour);
    monster.rangedArmour = LessSixPercent(monster.rangedArmour);
    monster.armourFloor = (monster.meleeArmour + monster.rangedArmour) / 4;
}

bool FreeForCompanion(int32_t x, int32_t y, int32_t floor) {
    if (!Floor::OnMap(x, y)) return false;
    const Tile& tile = floorArray[floor].At(x, y);
    // The occupied flag also keeps a companion off the player's square.
    return tile.glyph == kFloorGlyph && tile.monsterPresent == 0 && !IsMonsterAt(x, y, floor) &&
           !IsSageAt(x, y, 0, 0, floor);
}

// A companion on the first free neighbour of (x, y), linked behind `after`; null when none.
// Kept clear of the up stairs, a companion whose square lies within two tiles of one is not placed.
Monster* AddCompanion(const Monster& leader, const MonsterTemplate& from, Monster& after, bool clearOfUpStairs) {
    for (int32_t dx = -1; dx <= 1; ++dx) {
        for (int32_t dy = -1; dy <= 1; ++dy) {
            if (dx == 0 && dy == 0) continue;
            const int32_t x = leader.x + dx;
            const int32_t y = leader.y + dy;
            if (!FreeForCompanion(x, y, leader.floor)) continue;
            if (clearOfUpStairs && floorArray[leader.floor].CountGlyphAround(x, y, 2, kUpStairsGlyph) > 0) return nullptr;
            Monster* companion = new (std::nothrow) Monster;
            if (companion == nullptr) return nullptr;
            CopyTemplate(*companion, from);
            PlaceMonster(*companion, x, y, leader.floor);
            floorArray[leader.floor].At(x, y).monsterPresent = 1;
            after.next = companion;
            return companion;
        }
    }
    return nullptr;
}

int32_t Spawn(int32_t x, int32_t y, int32_t floor, bool byDepth, int32_t variant, int32_t level,
              bool companionsClearOfUpStairs) {
    if (!IsFloorNumber(floor) || !Floor::OnMap(x, y)) return 0;
    Floor& map = floorArray[floor];
    if (map.At(x, y).monsterPresent != 0) return 0;
    Monster* monster = new (std::nothrow) Monster;
    if (monster == nullptr) return 0;

    const int32_t wanted = WantedLevel(floor, byDepth);
    int32_t jitter = LevelJitter();
    if (!byDepth) jitter += JitterFromPlayersTile(floor);
    if (wanted + jitter > kHighestWantedLevel) jitter = kHighestWantedLevel - wanted;
    if (wanted + jitter < 0) jitter = -wanted;
    const ColourCode wantedColour = WantedKindColour(floor);

    PlaceMonster(*monster, x, y, floor);
    const MonsterTemplate from =
        ChooseMonsterKind(level != kComputedLevel ? level : wanted + jitter, variant, wantedColour);
    if (from.kind < 0) {
        // No kind of the data fits this level and floor: nothing is made.
        delete monster;
        return 0;
    }
    CopyTemplate(*monster, from);
    if (map.layoutType == kLayoutCavern) ScaleForCavern(*monster);
    monster->MatchMonsterToFloorColour();
    map.At(x, y).monsterPresent = 1;

    if (monster->ability == kAbilityPack && byDepth) {
        Monster* first = AddCompanion(*monster, from, *monster, companionsClearOfUpStairs);
        if (first != nullptr) AddCompanion(*monster, from, *first, companionsClearOfUpStairs);
    }
    AppendMonsters(monster);
    return 1;
}

}  // namespace

int32_t SpawnMonster(int32_t x, int32_t y, int32_t floor, bool byDepth, int32_t variant, int32_t level) {
    return Spawn(x, y, floor, byDepth, variant, level, false);
}

int32_t SpawnMonsterClearOfUpStairs(int32_t x, int32_t y, int32_t floor, bool byDepth, int32_t variant, int32_t level) {
    return Spawn(x, y, floor, byDepth, variant, level, true);
}

void Monster::MatchMonsterToFloorColour() {
    const std::string_view ownName(name, strnlen(name, sizeof name));
    if (ability != kAbilityChameleon && ownName != "floating wall" && ownName != "rolling boulder") return;
    if (!IsFloorNumber(floor)) return;
    const ColourCode corner = CornerWallColour(floor);
    if (glyph == kWallGlyph) {
        colour = corner;
    } else {
        colour = corner == kIcyWalls ? kIcyGround : kSnowyGround;
    }
    for (const char* word : kMonsterVariantWords) {
        if (ownName.find(word) != std::string_view::npos) colour |= kOnRed;
    }
}
