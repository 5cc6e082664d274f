// Whether a hostile monster is in view: it refuses quick moves and ends runs.
#include "player/commands.h"
#include "world/floor.h"
#include "world/monster.h"
#include "world/player.h"

namespace {

bool InSightSquare(const Player& p, const Monster& monster) {
    const int32_t r = p.sightRadius;
    return monster.x >= p.x - r && monster.x <= p.x + r && monster.y >= p.y - r && monster.y <= p.y + r;
}

}  // namespace

bool Player::IsHostileMonsterInSight() {
    const Floor* floor = CurrentFloor();
    if (floor == nullptr) return false;
    // The tiles of the sight square are looked at through the list of monsters:
    // a tile counts by the first monster the list holds for it.
    for (const Monster* monster = monsterListHead; monster != nullptr; monster = monster->next) {
        if (monster->floor != currentFloor || !Floor::OnMap(monster->x, monster->y)) continue;
        if (!InSightSquare(*this, *monster) || floor->At(monster->x, monster->y).visibleNow == 0) continue;
        if (FindMonsterAt(monster->x, monster->y, currentFloor) != monster) continue;
        // A stalker that has not woken up stays unnoticed.
        if (monster->ability == kAbilityStalker && monster->awake == 0) continue;
        return true;
    }
    return false;
}
