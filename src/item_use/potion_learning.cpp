// The potions that change the character for good: an attribute raised, a
// weapon proficiency trained or unlearned.
#include <string>

#include "item_use/potion_drinks.h"
#include "toolkit/message_log.h"
#include "toolkit/random_mother.h"
#include "world/player.h"

namespace {

int32_t* ProficiencyOf(Player& p, int32_t which) {
    int32_t* const proficiencies[6] = {&p.profOneHanded, &p.profTwoHanded, &p.profShield,
                                       &p.profThrown,    &p.profTwoWeapon, &p.profRanged};
    return proficiencies[which];
}
constexpr const char* kProficiencyLabels[6] = {"onehanded weapon",  "twohanded weapon",  "shield",
                                               "throwing weapon",   "two-weapon combat", "ranged weapon"};

void Train(Player& p) {
    int32_t which = rng.Random(6);
    // A proficiency clearly ahead of all others is the one that grows.
    for (int32_t candidate = 0; candidate < 6; ++candidate) {
        bool ahead = true;
        for (int32_t other = 0; other < 6; ++other) {
            if (other != candidate && *ProficiencyOf(p, candidate) <= *ProficiencyOf(p, other)) ahead = false;
        }
        if (ahead) which = candidate;
    }
    ++*ProficiencyOf(p, which);
    PrintWords(std::string("Your ") + kProficiencyLabels[which] + " skill increases! ");
}

void Unlearn(Player& p) {
    int32_t sum = 0;
    for (int32_t which = 0; which < 6; ++which) sum += *ProficiencyOf(p, which);
    if (sum <= 6) {
        PrintWords("You feel stupid! ");
        return;
    }
    // The sum above 6 guarantees a proficiency above 1, so the draws end.
    int32_t which = rng.Random(6);
    while (*ProficiencyOf(p, which) <= 1) which = rng.Random(6);
    --*ProficiencyOf(p, which);
    PrintWords(std::string("Your ") + kProficiencyLabels[which] + " skill decreases! ");
}

}  // namespace

void DrinkAttribute(PotionDrink& drink) {
    Player& p = drink.p;
    const int32_t which = rng.Random(5);
    switch (which) {
        case 0: PrintWords("Your strength increases! "); ++p.strength; break;
        case 1: PrintWords("Your vitality increases! "); ++p.vitality; break;
        case 2: PrintWords("Your dexterity increases! "); ++p.dexterity; break;
        case 3: PrintWords("Your agility increases! "); ++p.agility; break;
        default: PrintWords("Your stamina increases! "); ++p.stamina; break;
    }
}

void DrinkTraining(PotionDrink& drink) { Train(drink.p); }

void DrinkUnlearning(PotionDrink& drink) { Unlearn(drink.p); }
