// The one death routine of monsters: a reincarnation or a death with its kill
// text, a demon's story, experience, drops, blood, piety and, for some, an
// exploding corpse. The record is only marked dead here; the list frees it at
// its next purge, so no caller in the middle of a loop is left holding freed memory.
#include <cstring>

#include "items/worn_properties.h"
#include "monsters/monster_attack_steps.h"
#include "monsters/monster_drops.h"
#include "monsters/monster_messages.h"
#include "player/surroundings.h"
#include "player/worn_gear.h"
#include "records/endings.h"
#include "toolkit/drawing.h"
#include "toolkit/message_log.h"
#include "toolkit/random_mother.h"
#include "world/floor.h"
#include "world/monster.h"
#include "world/player.h"

namespace {

// Floors come in groups of seven; deeper groups give the bonus experience more often.
constexpr int32_t kFloorsPerGroup = 7;
constexpr int32_t kBonusExperiencePercent[] = {1, 6, 12, 19, 35};
// The flag of demonSlainFlags set when the final demon dies on the last floor.
constexpr int32_t kFinalDemonOnLastFloor = kUniqueDemonCount;
constexpr int32_t kLastFloor = kFloorCount - 1;
// The blood of a bleeding death was told already ("dies of its wounds").
constexpr int32_t kDiedOfBleeding = -1;

bool TileInView(const Monster& monster) {
    const Floor* floor = FloorAt(monster.floor);
    return floor != nullptr && Floor::OnMap(monster.x, monster.y) && floor->At(monster.x, monster.y).visibleNow == 1;
}

void PrintKillMessage(const Monster& monster) {
    if (!TileInView(monster) || monster.bleedDamage == kDiedOfBleeding) return;
    const char* verb = monster.living == 1 ? "@RYou kill " : "@RYou destroy ";
    PrintWords(verb + MonsterObject(monster) + "!@C ");
}

void GiveExperience(const Monster& monster) {
    Player& p = player;
    bool gives = true;
    // Pack creatures come in numbers: one in three gives nothing.
    if (monster.ability == kAbilityPack) {
        const int32_t roll = rng.Random(3);
        gives = roll != 0;
    }
    if (gives) {
        int32_t group = p.currentFloor / kFloorsPerGroup;
        if (group < 0) group = 0;
        if (group > 4) group = 4;
        const int32_t roll = rng.Random(100);
        const int64_t experience = monster.experience > 0 ? monster.experience : 0;
        p.experience += roll < kBonusExperiencePercent[group] ? 2 * experience : experience;
    }
    p.LevelUp(false, false);
}

// A slain unique demon sets its flag and has its story told; the final demon's
// copies, whose experience is 0, are no demon to the story.
void RecordSlainDemon(const Monster& monster) {
    for (int32_t demon = 0; demon < kUniqueDemonCount; ++demon) {
        if (std::strcmp(monster.name, kUniqueDemonNames[demon]) != 0) continue;
        if (demon == kFinalDemon) {
            if (monster.experience == 0) return;
            if (player.currentFloor == kLastFloor) player.demonSlainFlags[kFinalDemonOnLastFloor] = 1;
        }
        player.demonSlainFlags[demon] = 1;
        AnnounceDemonSlain(demon + 1);
        return;
    }
}

// With a ring of piety, every second kill brings the Goddess a little nearer.
void GainPiety() {
    Player& p = player;
    if (!RingHas(kPropertyPiety) || p.kills % 2 != 0) return;
    int32_t gain = 0;
    if (p.demonSlainFlags[kFinalDemon] != 0) {
        gain = 6;
    } else if (p.deepestFloor - p.currentFloor < 8) {
        gain = (p.currentFloor + 1) / kFloorsPerGroup + 1;
    } else {
        gain = (p.deepestFloor + 1) / kFloorsPerGroup;
    }
    const int32_t before = p.piety;
    p.piety += gain;
    const int32_t after = p.piety;
    const int32_t first = 220 * gain;
    const int32_t second = first + 220;
    const int32_t third = 440 * gain;
    if (before < first && after >= first && after < second) {
        PrintWords("You can almost feel Her touching your shoulder. ");
    } else if (before < second && after >= second && after < third) {
        PrintWords("You feel a light divine touch on your shoulder. ");
    } else if (before < third && after >= third) {
        PrintWords("You feel a firm godly touch on your shoulder. ");
    }
}

// The corpse burns everything around it; a monster it kills may explode in turn.
void ExplodeCorpse(int32_t centreX, int32_t centreY, int32_t floorIndex) {
    Floor* floor = FloorAt(floorIndex);
    if (floor == nullptr) return;
    Player& p = player;
    PrintWords("The corpse explodes! ");
    for (int32_t x = centreX - 1; x <= centreX + 1; ++x) {
        for (int32_t y = centreY - 1; y <= centreY + 1; ++y) {
            if (!Floor::OnMap(x, y)) continue;
            const Tile& tile = floor->At(x, y);
            if (!BlocksSight(tile.glyph) && tile.visibleNow == 1) {
                DrawChar(kEffectMark, x, y, kLightRed);
                RefreshScreen();
            }
            if (p.currentFloor == floorIndex && p.x == x && p.y == y) {
                PrintWords("You are hurt by the explosion. ");
                p.bodyTemperature += 50;
                p.hp -= 2 * p.level;
                p.CheckPlayerDeath("A monster exploded on HIS face.", kDungeonKiller);
            }
            if (Monster* victim = FindMonsterAt(x, y, floorIndex)) {
                PrintWords("The explosion burns " + MonsterObject(*victim) + ". ");
                victim->hp -= 2 * p.level;
                victim->KillMonster();
            }
            WaitMilliseconds(50);
        }
    }
}

}  // namespace

bool Monster::KillMonster() {
    if (hp > 0) return false;
    // Dead already and waiting for the purge: it dies only once.
    if (alive == 0) return true;
    Player& p = player;
    if (ability == kAbilityReincarnates) {
        const int32_t roll = rng.Random(5);
        if (roll == 0 && !MonstersAreStupidHere()) {
            ++p.kills;
            PrintKillMessage(*this);
            GiveExperience(*this);
            SpillMonsterBlood(false);
            hp = maxHp;
            if (TileInView(*this)) {
                PrintWords("The monster's previously dead corpse starts to heal and reform! The monster reincarnates. ");
            }
            return true;
        }
    }

    ++p.kills;
    if (p.target == this) p.target = nullptr;
    alive = 0;
    if (ability == kAbilityImmobilizes && p.immobility > 0 && !MonstersAreStupidHere()) p.immobility = 0;
    PrintKillMessage(*this);
    RecordSlainDemon(*this);
    // The tile is free again, unless the player stands on it (a monster that stood on
    // the stairs the player arrived by dies there).
    if (Floor* tiles = FloorAt(floor); tiles != nullptr && Floor::OnMap(x, y)) {
        const bool playerThere = p.currentFloor == floor && p.x == x && p.y == y;
        if (!playerThere) tiles->At(x, y).monsterPresent = 0;
    }
    GiveExperience(*this);
    DropMonsterLoot(*this);
    SpillMonsterBlood(false);
    GainPiety();
    if (ability == kAbilityExplodes && !MonstersAreStupidHere()) ExplodeCorpse(x, y, floor);
    return true;
}
