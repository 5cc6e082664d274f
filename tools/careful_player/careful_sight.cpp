#include "careful_sight.h"

#include "world/monster.h"
#include "world/player.h"

std::vector<const Monster*> SeenMonsters() {
    std::vector<const Monster*> seen;
    for (const Monster* monster = monsterListHead; monster != nullptr; monster = monster->next) {
        if (monster->floor != player.currentFloor || monster->alive == 0 || monster->hp < 1) continue;
        if (monster->IsInPlayersView()) seen.push_back(monster);
    }
    return seen;
}
