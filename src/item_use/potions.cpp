// Drinking a potion: it is named, identified and used up, then its effect runs,
// looked up in a table with one row per effect: what the drink tastes like,
// what it does, and how it ends.
#include <string>

#include "item_use/item_use_redraws.h"
#include "item_use/potion_drinks.h"
#include "item_use/potion_effects.h"
#include "items/appearances.h"
#include "toolkit/id_rows.h"
#include "toolkit/message_log.h"
#include "toolkit/random_mother.h"
#include "world/item_kind.h"
#include "world/player.h"

namespace {

void RunEffect(PotionDrink& drink, int32_t effect);

void DrinkAcidBomb(PotionDrink& drink) { UseAcidBomb(drink.p, drink.knownBefore, drink.shifted); }

// The shift picks another effect, never itself nor unlearning, and runs it.
void DrinkShifting(PotionDrink& drink) {
    QuietRedraw();
    PrintWords("The potion seems to change every other second into a completely different one. ");
    drink.shifted = true;
    int32_t effect = rng.Random(26) + 1;
    while (effect == kPotionShifting || effect == kPotionUnlearning) effect = rng.Random(26) + 1;
    RunEffect(drink, effect);
}

// How a drink ends once its effect is done.
enum class Ending {
    kQuietRedraw,  // the map redrawn quietly, unless a shift already drew it
    kOwn,          // the effect ends the drink itself: a wait, a screen, a death
};

struct PotionEffectRow {
    PotionEffect effect;
    // What the drink tastes like and does, told before the effect; nullptr where the effect tells it.
    const char* words;
    void (*drink)(PotionDrink& drink);
    Ending ending;
};

// In id order, from kPotionAcidBomb on.
constexpr PotionEffectRow kPotionEffects[] = {
    {kPotionAcidBomb, nullptr, DrinkAcidBomb, Ending::kOwn},
    {kPotionWeakness,
     "At first nothing happens. Then you start feeling terrible and extremely weak. You fall onto your knees. Even an "
     "ant could kill you now! ",
     DrinkWeakness, Ending::kQuietRedraw},
    {kPotionHealing, "The liquid tastes like strawberries and menthol. You feel better already. ", DrinkHealing,
     Ending::kQuietRedraw},
    {kPotionFullHealing,
     "Oh my! This tastes awesome! You can't define the ingredients though. You feel better than ever. ",
     DrinkFullHealing, Ending::kQuietRedraw},
    {kPotionVigour, "The potion restores your vigour. You could run for miles before becoming breathless! ",
     DrinkVigour, Ending::kQuietRedraw},
    {kPotionFullEnergy, "This one is lumpy. You chew and swallow it. You feel full of energy! ", DrinkFullEnergy,
     Ending::kQuietRedraw},
    {kPotionAllOverHealing, "You taste a multitude of delicious flavours. The potion heals you all over. ",
     DrinkAllOverHealing, Ending::kQuietRedraw},
    {kPotionAttribute, "Tastes sweet. ", DrinkAttribute, Ending::kQuietRedraw},
    {kPotionCureAll,
     "The white liquid tastes like milk. You feel rather perfect! The potion removes even the smallest ailments from "
     "your body. ",
     DrinkCureAll, Ending::kQuietRedraw},
    {kPotionParalysis,
     "You are unable to taste anything before your movements start to slow down. Soon you're totally paralyzed! "
     "Press space. ",
     DrinkParalysis, Ending::kOwn},
    {kPotionSpeed,
     "The fluid ominously looks like quick silver, though doesn't taste metallic. You feel much more lively. The "
     "potion has boosted your speed for a moment. ",
     DrinkSpeed, Ending::kQuietRedraw},
    {kPotionDisease,
     "This tastes awful! You can imagine someone's pulverized left arm floating in the liquid. You feel sick, feverous "
     "and poisoned. ",
     DrinkDisease, Ending::kQuietRedraw},
    {kPotionVision,
     "This tastes like... fresh grass? But it makes you sleepy too... Zzz... A vision emerges while you're dreaming. "
     "You can clearly see the surrounding area. Press space. ",
     DrinkVision, Ending::kOwn},
    {kPotionPurification,
     "The potion bottle doesn't feel warm, but you feel warm inside after drinking this. It purifies you of diseases "
     "and poisons. ",
     DrinkPurification, Ending::kQuietRedraw},
    {kPotionShifting, nullptr, DrinkShifting, Ending::kOwn},
    {kPotionHolyWater,
     "As soon as you open the bottle, a divine sensation fills the air. You remember your mommy telling you about the "
     "use of holy water. You should dip an item into it to bless it. Press space. ",
     DrinkHolyWater, Ending::kOwn},
    {kPotionFire, nullptr, DrinkFire, Ending::kOwn},
    {kPotionIce, nullptr, DrinkIce, Ending::kOwn},
    {kPotionTimeStop,
     "Everything starts to slow down quickly around you and then even the falling snow-flakes simply stop. "
     "Temporarily only you can move. ",
     DrinkTimeStop, Ending::kQuietRedraw},
    {kPotionTraining, "Tastes juicy. ", DrinkTraining, Ending::kQuietRedraw},
    {kPotionUnlearning, "Tastes bitter. ", DrinkUnlearning, Ending::kQuietRedraw},
    {kPotionOil,
     "You open the bottle top and smell. Smells and looks like oil! This might be good for the durability of your "
     "equipment. ",
     DrinkOil, Ending::kOwn},
    {kPotionStrength, "This strong coffee-like liquid stimulates your muscles. You feel temporarily powerful! ",
     DrinkStrength, Ending::kQuietRedraw},
    {kPotionSixthSense,
     "What a cunning potion. First it tastes like utter muck, but after a while it tastes very enjoyable. You feel a "
     "temporary sixth sense overwhelm you! ",
     DrinkSixthSense, Ending::kQuietRedraw},
    {kPotionAgility,
     "Liquorice drink without alcohol. Maybe it's better that way. Your limbs feel much more limber, though it seems "
     "to be only temporary. ",
     DrinkAgility, Ending::kQuietRedraw},
    {kPotionMudSkin,
     "There's a lot of mud mixed into this potion, but instead of it ending up in your stomach, the earthly "
     "substances form a temporary protective layer on top of your skin! ",
     DrinkMudSkin, Ending::kQuietRedraw},
};

static_assert(OneRowPerIdInOrder(kPotionEffects, &PotionEffectRow::effect, kPotionAcidBomb, kPotionEffectCount),
              "one row per potion effect, in id order");

void RunEffect(PotionDrink& drink, int32_t effect) {
    // An unknown effect: the potion was only named, identified and used up.
    if (effect < kPotionAcidBomb || effect > kPotionEffectCount) return;
    const PotionEffectRow& row = kPotionEffects[effect - kPotionAcidBomb];
    if (row.words != nullptr) PrintWords(row.words);
    row.drink(drink);
    if (row.ending == Ending::kQuietRedraw) ClosingRedraw(drink);
}

}  // namespace

void ClosingRedraw(const PotionDrink& drink) {
    if (!drink.shifted) QuietRedraw();
}

void ShowPending(const PotionDrink& drink) {
    if (drink.shifted) {
        messageLog.FlushMessages(false);
    } else {
        FullRedraw();
    }
}

void Player::DrinkPotion(int32_t index) {
    if (index < 0 || index >= static_cast<int32_t>(inventory.size())) return;
    const int32_t kind = inventory[index].kind;
    if (kind < 0 || kind >= kItemKindCount) return;
    PotionDrink drink{*this, identifiedKinds[kind] != 0};
    messageLog.PrintMessage("You ");
    messageLog.PrintMessage("take ");
    messageLog.PrintMessage("the ");
    messageLog.PrintMessage(drink.knownBefore ? std::string(itemKinds[kind].name) : PotionAppearanceName(kind));
    messageLog.PrintMessage(". ");
    const int32_t effect = itemKinds[kind].power;
    identifiedKinds[kind] = 1;
    UseUpOne(*this, index);
    RunEffect(drink, effect);
}
