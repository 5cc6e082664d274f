// The potions that heal and cure: hit points, special points, and ailments.
#include <algorithm>

#include "item_use/item_use_redraws.h"
#include "item_use/potion_drinks.h"
#include "world/player.h"

namespace {

void Heal(int32_t& points, int32_t maximum, int32_t amount) { points = std::min(points + amount, maximum); }

}  // namespace

void DrinkHealing(PotionDrink& drink) { Heal(drink.p.hp, drink.p.maxHp, drink.p.maxHp / 2); }

void DrinkFullHealing(PotionDrink& drink) { drink.p.hp = drink.p.maxHp; }

void DrinkVigour(PotionDrink& drink) { Heal(drink.p.sp, drink.p.maxSp, drink.p.maxSp / 2); }

void DrinkFullEnergy(PotionDrink& drink) { drink.p.sp = drink.p.maxSp; }

void DrinkAllOverHealing(PotionDrink& drink) {
    Player& p = drink.p;
    Heal(p.sp, p.maxSp, p.maxSp / 2);
    Heal(p.hp, p.maxHp, p.maxHp / 2);
}

void DrinkCureAll(PotionDrink& drink) {
    Player& p = drink.p;
    for (int32_t* ailment : {&p.poison, &p.bleeding, &p.dizziness, &p.sickness, &p.fever, &p.clumsiness, &p.horror,
                             &p.slowness, &p.immobility}) {
        *ailment = 0;
    }
    if (p.frostbite > 0) GiveBackFrostbite(p);
}

void DrinkPurification(PotionDrink& drink) {
    Player& p = drink.p;
    p.poison = 0;
    p.fever = 0;
    p.sickness = 0;
}
