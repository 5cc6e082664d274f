// The one list of monster records over all floors: appending, drawing, purging the
// dead, freeing everything, and the two position look-ups.
#include "monsters/monster_occupancy.h"
#include "toolkit/drawing.h"
#include "world/floor.h"
#include "world/monster.h"
#include "world/player.h"

Monster* monsterListHead = nullptr;
int32_t monsterVisionRange = 7;

namespace {

// A tile of the player's floor on which a monster or its absence can be seen right now.
bool ShowsOccupantNow(const Monster& monster) {
    if (monster.floor != player.currentFloor || !IsFloorNumber(monster.floor)) return false;
    if (monster.x < 1 || monster.x > 79 || monster.y < 1 || monster.y > 18) return false;
    const Tile& tile = floorArray[monster.floor].At(monster.x, monster.y);
    return tile.visibleNow == 1 && !BlocksSight(tile.glyph) && tile.rememberedDrawn == 0;
}

bool IsPlayerTile(const Monster& monster) {
    return monster.floor == player.currentFloor && monster.x == player.x && monster.y == player.y;
}

// Clears the tile, redraws its terrain when in view, and frees the record.
void DisposeOfDeadMonster(Monster* dead) {
    if (IsFloorNumber(dead->floor) && Floor::OnMap(dead->x, dead->y)) {
        Tile& tile = floorArray[dead->floor].At(dead->x, dead->y);
        // The player may stand where a monster died (it was on the arrival stairs),
        // and a new monster may have come to the square before the purge: such a
        // tile stays occupied, and the newcomer stays drawn.
        const bool newcomer = FindMonsterAt(dead->x, dead->y, dead->floor) != nullptr;
        if (tile.monsterPresent == 1 && !IsPlayerTile(*dead) && !newcomer) tile.monsterPresent = 0;
        if (ShowsOccupantNow(*dead) && !newcomer) DrawChar(tile.glyph, dead->x, dead->y, tile.colour);
    }
    if (player.target == dead) player.target = nullptr;
    delete dead;
}

}  // namespace

namespace {
// The last record AppendMonsters linked in, and the head the list had then: a
// new dungeon appends hundreds of monsters, and each need not walk the whole
// list to its tail. Taken on trust only while the head is the same and nothing
// was removed since.
Monster* knownTail = nullptr;
Monster* headOfKnownTail = nullptr;

void ForgetKnownTail() { knownTail = nullptr; }
}  // namespace

void AppendMonsters(Monster* first) {
    if (first == nullptr) return;
    for (Monster* record = first; record != nullptr; record = record->next) FileMonster(*record);
    if (monsterListHead == nullptr) {
        monsterListHead = first;
    } else {
        Monster* last = knownTail != nullptr && headOfKnownTail == monsterListHead ? knownTail : monsterListHead;
        while (last->next != nullptr) last = last->next;
        last->next = first;
    }
    knownTail = first;
    headOfKnownTail = monsterListHead;
}

void DrawMonsters() {
    for (Monster* monster = monsterListHead; monster != nullptr; monster = monster->next) {
        if (monster->alive == 0 || !ShowsOccupantNow(*monster)) continue;
        DrawChar(monster->glyph, monster->x, monster->y, monster->colour);
        RefreshScreen();
    }
}

void PurgeDeadMonsters() {
    ForgetKnownTail();
    Monster** link = &monsterListHead;
    while (*link != nullptr) {
        Monster* record = *link;
        if (record->alive != 0) {
            link = &record->next;
            continue;
        }
        *link = record->next;
        UnfileMonster(*record);
        DisposeOfDeadMonster(record);
    }
}

void FreeAllMonsters() {
    ForgetKnownTail();
    ForgetAllFiledMonsters();
    Monster* record = monsterListHead;
    monsterListHead = nullptr;
    while (record != nullptr) {
        Monster* next = record->next;
        delete record;
        record = next;
    }
    player.target = nullptr;
}

// A record marked dead still keeps its square until the purge frees it.
bool IsMonsterAt(int32_t x, int32_t y, int32_t floor) {
    const int32_t square = FiledSquareOf(x, y, floor);
    if (square >= 0) return FirstFiledAt(square) != nullptr;
    // Off the dungeon's floors nothing is filed: a stray record is found in the list.
    for (const Monster* monster = monsterListHead; monster != nullptr; monster = monster->next) {
        if (monster->x == x && monster->y == y && monster->floor == floor) return true;
    }
    return false;
}

// A record marked dead is out of play: it can be neither hit nor burnt again.
// Of two records on a square the first in the list counts, which the index
// does not know: then the list is walked.
Monster* FindMonsterAt(int32_t x, int32_t y, int32_t floor) {
    const int32_t square = FiledSquareOf(x, y, floor);
    if (square >= 0) {
        Monster* filed = FirstFiledAt(square);
        if (filed == nullptr) return nullptr;
        if (filed->nextOnSquare == nullptr) return filed->alive != 0 ? filed : nullptr;
    }
    for (Monster* monster = monsterListHead; monster != nullptr; monster = monster->next) {
        if (monster->alive != 0 && monster->x == x && monster->y == y && monster->floor == floor) return monster;
    }
    return nullptr;
}
