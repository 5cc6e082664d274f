#include "events/frostbite_onset.h"

#include <algorithm>

#include "world/player.h"

void BeginFrostbite(int32_t turns) {
    Player& p = player;
    p.frostbite = turns;
    p.frostbiteMaxHpLoss = static_cast<int32_t>(p.maxHp * 0.2);
    p.maxHp -= p.frostbiteMaxHpLoss;
    p.frostbiteHpLoss = static_cast<int32_t>(p.hp * 0.1);
    p.hp -= p.frostbiteHpLoss;
    p.hp = std::min(p.hp, p.maxHp);
}
