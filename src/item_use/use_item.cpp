// Using an item from the inventory: potions and wands go to their own rules,
// food is eaten (or drunk) here and warms the character.
#include <cstring>
#include <string>

#include "item_use/item_use_redraws.h"
#include "player/damage_terms.h"
#include "toolkit/message_log.h"
#include "toolkit/random_mother.h"
#include "world/item_kind.h"
#include "world/player.h"
#include "world/unique_demon_names.h"

namespace {

// The top of the temperature scale; a meal never warms past it, except the spotted seed.
constexpr int32_t kHottest = 10000;

bool IsNamed(const ItemKind& kind, const char* name) { return std::strcmp(kind.name, name) == 0; }

// The seed warms three times in four until the final demon falls, then chills three times in four.
void SeedTurnsTemperature(Player& p) {
    const int32_t roll = rng.Random(4);
    const int32_t amount = 1500 + rng.Random(2000);
    const bool finalDemonSlain = p.demonSlainFlags[kFinalDemon] == 1;
    if ((roll != 0 && !finalDemonSlain) || (roll == 0 && finalDemonSlain)) {
        p.bodyTemperature += amount;
        PrintWords("This time the seed radiates warmth. ");
    } else {
        p.bodyTemperature -= amount;
        PrintWords("This time the seed radiates cold. ");
    }
}

void EatFood(Player& p, int32_t index) {
    const ItemKind& kind = itemKinds[p.inventory[index].kind];
    const bool seed = IsNamed(kind, "spotted seed");
    const bool mead = IsNamed(kind, "firemead");
    if (p.bodyTemperature > kHottest && !seed) {
        PrintWords("But you really don't need it! ");
        QuietRedraw();
        return;
    }
    QuietRedraw();
    const int32_t before = p.bodyTemperature;
    messageLog.PrintMessage("You ");
    messageLog.PrintMessage("start ");
    messageLog.PrintMessage(mead ? "drinking " : "eating ");
    messageLog.PrintMessage("the ");
    messageLog.PrintMessage(kind.name);
    messageLog.PrintMessage(". ");
    if (mead) {
        PrintWords("This beverage is strong! You feel dizzy. ");
        const int32_t dizzy = rng.Random(6);
        p.dizziness += 4 + dizzy;
    }
    if (IsNamed(kind, "flameroot")) {
        PrintWords("Eating this feels as if a baby red dragon was scorching your throat and stomach! ");
        p.hp += Trunc(p.maxHp * -0.085);
        if (p.hp < 1) p.CheckPlayerDeath("A flameroot burned HIS stomach fatally.", kDungeonKiller);
    }
    if (p.bodyTemperature + kind.secondValue > kHottest && !seed) {
        PrintWords("You have to stop and discard the rest of it, because the heat is getting way too high. ");
        p.bodyTemperature = kHottest;
    } else {
        PrintWords(mead ? "You finish drinking it. " : "You finish eating it. ");
        p.bodyTemperature += kind.secondValue;
        if (seed) SeedTurnsTemperature(p);
    }
    if ((p.bodyTemperature > before || p.bodyTemperature == kHottest) && p.frostbite > 0) {
        GiveBackFrostbite(p);
        PrintWords("You recover from the frostbite. ");
    }
    UseUpOne(p, index);
}

}  // namespace

void Player::UseItem(int32_t index) {
    if (index < 0 || index >= static_cast<int32_t>(inventory.size())) return;
    const int32_t kind = inventory[index].kind;
    if (kind < 0 || kind >= kItemKindCount) return;
    switch (itemKinds[kind].type) {
        case kItemPotion: DrinkPotion(index); return;
        case kItemWand: ZapWand(index); return;
        case kItemFood: EatFood(*this, index); return;
        default: return;
    }
}
