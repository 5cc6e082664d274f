// The potions that lend speed, strength, senses, limbs or a skin of mud for a while.
#include "item_use/potion_drinks.h"
#include "toolkit/message_log.h"
#include "world/player.h"

void DrinkSpeed(PotionDrink& drink) {
    Player& p = drink.p;
    if (p.slowness > 0) {
        PrintWords("You aren't slow anymore. ");
        p.slowness = 0;
    }
    p.speedBoost += 20;
}

// Set, not raised: seven more actions in a row, whatever the accumulator held.
void DrinkTimeStop(PotionDrink& drink) { drink.p.energy = 7 * drink.p.actThreshold + 1; }

void DrinkStrength(PotionDrink& drink) { drink.p.strengthBoost += 20; }

void DrinkSixthSense(PotionDrink& drink) { drink.p.dexterityBoost += 20; }

void DrinkAgility(PotionDrink& drink) { drink.p.agilityBoost += 20; }

void DrinkMudSkin(PotionDrink& drink) { drink.p.stoneSkinTurns += 10; }
