#pragma once
// One drink of a potion as its effect sees it, the redraws the effects share,
// and the effects themselves by family. potions.cpp names the potion, uses it
// up and picks the effect's row from its table, which tells the drink's words
// before the effect runs and redraws the map after it for the effects that
// do not end the drink themselves.
#include <cstdint>

class Player;

// One drink's memory: whether a shifting potion brought the effect, and with it
// the map already redrawn.
struct PotionDrink {
    Player& p;
    bool knownBefore;
    bool shifted = false;
};

// The usual end of a drink: the map redrawn quietly, unless the shift already did.
void ClosingRedraw(const PotionDrink& drink);
// The pending messages: a full redraw shows them, unless the shift already drew the map.
void ShowPending(const PotionDrink& drink);

// ---- what heals and cures (potion_remedies.cpp) ----
void DrinkHealing(PotionDrink& drink);
void DrinkFullHealing(PotionDrink& drink);
void DrinkVigour(PotionDrink& drink);
void DrinkFullEnergy(PotionDrink& drink);
void DrinkAllOverHealing(PotionDrink& drink);
void DrinkCureAll(PotionDrink& drink);
void DrinkPurification(PotionDrink& drink);

// ---- what hurts or holds the character (potion_harms.cpp) ----
void DrinkWeakness(PotionDrink& drink);
void DrinkParalysis(PotionDrink& drink);
void DrinkDisease(PotionDrink& drink);
void DrinkVision(PotionDrink& drink);
void DrinkFire(PotionDrink& drink);
void DrinkIce(PotionDrink& drink);

// ---- what lends speed, strength or skin for a while (potion_boosts.cpp) ----
void DrinkSpeed(PotionDrink& drink);
void DrinkTimeStop(PotionDrink& drink);
void DrinkStrength(PotionDrink& drink);
void DrinkSixthSense(PotionDrink& drink);
void DrinkAgility(PotionDrink& drink);
void DrinkMudSkin(PotionDrink& drink);

// ---- what changes attributes and proficiencies for good (potion_learning.cpp) ----
void DrinkAttribute(PotionDrink& drink);
void DrinkTraining(PotionDrink& drink);
void DrinkUnlearning(PotionDrink& drink);

// ---- what is meant for the equipment (potion_gear.cpp) ----
void DrinkHolyWater(PotionDrink& drink);
void DrinkOil(PotionDrink& drink);
