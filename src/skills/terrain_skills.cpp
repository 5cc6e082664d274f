// The skills that change the ground around the character: the yell that brings
// ice down, iceballs made from icy floor, walls broken into ice, traps disarmed.
#include <cstring>

#include "floors/floor_feelings.h"
#include "player/commands.h"
#include "player/damage_terms.h"
#include "skills/skill_effects.h"
#include "toolkit/drawing.h"
#include "toolkit/message_log.h"
#include "toolkit/random_mother.h"
#include "world/floor.h"
#include "world/item_kind.h"
#include "world/monster.h"
#include "world/player.h"
#include "world/sage.h"

namespace {

constexpr char kSkillMark = '*';

// Tile (0, 0) is always wall, so its colour is the floor's scheme.
ColourCode SchemeOf(const Floor& floor) { return floor.At(0, 0).colour; }

// The first kind named exactly so, or -1.
int32_t KindNamed(const char* name) {
    for (int32_t kind = 0; kind < kItemKindCount; ++kind) {
        if (std::strcmp(itemKinds[kind].name, name) == 0) return kind;
    }
    return kNoItemKind;
}

bool IsOnBorder(int32_t x, int32_t y) { return x == 0 || x == kFloorWidth - 1 || y == 0 || y == kFloorHeight - 1; }

}  // namespace

bool IsSolidAt(const Floor& floor, int32_t x, int32_t y) {
    const char glyph = floor.GlyphAt(x, y);
    return glyph == kWallGlyph || glyph == kIceBlockGlyph;
}

void ColourAsIceBlock(const Floor& floor, Tile& tile) {
    const ColourCode scheme = SchemeOf(floor);
    if (scheme == kIcyWalls) tile.colour = kIcyGround;
    if (scheme == kStoneWalls || scheme == kSnowyWalls) tile.colour = kSnowyGround;
}

void ColourAsDisarmedTrap(const Floor& floor, Tile& tile) {
    tile.colour = SchemeOf(floor) == kIcyWalls ? kIcyGround : kSnowyGround;
}

bool IsCreatureAt(const Player& p, int32_t x, int32_t y) {
    return FindMonsterAt(x, y, p.currentFloor) != nullptr || IsSageAt(x, y, 0, 0, p.currentFloor);
}

int32_t PerformYell(Player& p) {
    PrintWords(
        "You scream as hard as you can to loosen the stalactites. The cry echoes for many seconds before you hear a "
        "growling response. ");
    for (Monster* monster = monsterListHead; monster != nullptr; monster = monster->next) {
        if (monster->floor != p.currentFloor) continue;
        monster->awake = 1;
        monster->hunting = 1;
    }
    Floor* floor = CurrentFloor();
    for (int32_t dx = -1; dx <= 1; ++dx) {
        for (int32_t dy = -1; dy <= 1; ++dy) {
            const int32_t roll = rng.Random(3);
            const int32_t x = p.x + dx;
            const int32_t y = p.y + dy;
            if (floor == nullptr || !Floor::OnMap(x, y)) continue;
            if (roll != 0 && floor->feeling != kFeelingStalactites) continue;
            Tile& tile = floor->At(x, y);
            if (tile.glyph != kFloorGlyph || IsCreatureAt(p, x, y)) continue;
            if ((dx == 0 && dy == 0) || !tile.items.empty()) continue;
            tile.glyph = kIceBlockGlyph;
            ColourAsIceBlock(*floor, tile);
        }
    }
    return 1;
}

int32_t PerformCreateIceballs(Player& p) {
    Floor* floor = CurrentFloor();
    Tile* tile = floor != nullptr && Floor::OnMap(p.x, p.y) ? &floor->At(p.x, p.y) : nullptr;
    if (tile == nullptr || tile->glyph != kFloorGlyph || tile->colour != kIcyGround) {
        PrintWords("There's not enough ice here. ");
        return 0;
    }
    PrintWords("You create some hard iceballs. That was cold work. You shiver. ");
    const int32_t f = p.currentFloor;
    p.bodyTemperature += Trunc(f * -1.43 * 0.5);
    p.bodyTemperature -= Trunc((f * 1.43 + 1.0) / 7.0 + 1.0) + 25;
    // The ice is used up: white floor makes no more iceballs.
    tile->colour = kSnowyGround;
    const int32_t kind = KindNamed("iceball");
    if (kind != kNoItemKind) {
        tile->PutItemOnTile(kind, kRollDurability, kRollBlessing, kNotIdentified, kMadeByGame, kRollPrefix, kNotEmpty);
        tile->RefreshTopItem();
    }
    return 1;
}

int32_t PerformDestroyWalls(Player& p) {
    const Direction direction = AskSkillDirection();
    const int32_t x = p.x + direction.step.x;
    const int32_t y = p.y + direction.step.y;
    Floor* floor = CurrentFloor();
    if (floor == nullptr || !Floor::OnMap(x, y) || IsOnBorder(x, y)) {
        PrintWords("The wall is way too hard. You'd break your leg before destroying the wall. ");
        return 1;
    }
    Tile& tile = floor->At(x, y);
    if (tile.glyph == kWallGlyph) {
        tile.glyph = kIceBlockGlyph;
        tile.mark = 0;
        ColourAsIceBlock(*floor, tile);
        PrintWords("The wall collapses into a heap of stone and ice. ");
        FlashCharacter(kSkillMark, x, y, kGrey, 50);
        return 1;
    }
    Monster* monster = FindMonsterAt(x, y, p.currentFloor);
    if (monster != nullptr && monster->glyph == kWallGlyph) {
        PrintWords("The wall writhes in pain! ");
        monster->hp -= 3 * p.level;
        monster->KillMonster();
        FlashCharacter(kSkillMark, x, y, kGrey, 50);
        return 1;
    }
    PrintWords("There's nothing to destroy there! ");
    return 1;
}

int32_t PerformDisarmTraps(Player& p) {
    Floor* floor = CurrentFloor();
    if (floor == nullptr || floor->CountGlyphAround(p.x, p.y, 1, kFoundTrapGlyph) == 0) {
        PrintWords("You can't see anything to disarm around you. ");
        return 1;
    }
    PrintWords("You disarm all the traps you can see around you. ");
    for (int32_t dx = -1; dx <= 1; ++dx) {
        for (int32_t dy = -1; dy <= 1; ++dy) {
            const int32_t x = p.x + dx;
            const int32_t y = p.y + dy;
            if (!Floor::OnMap(x, y) || floor->At(x, y).glyph != kFoundTrapGlyph) continue;
            Tile& tile = floor->At(x, y);
            tile.glyph = kFloorGlyph;
            tile.trapKind = kNoTrap;
            ColourAsDisarmedTrap(*floor, tile);
            FlashCharacter(kSkillMark, x, y, kLightGreen, 50);
        }
    }
    return 1;
}
