// Drinking a potion: it is named, identified and used up, then its effect runs.
#include <algorithm>
#include <string>

#include "floors/floor.h"
#include "item_use/item_use_redraws.h"
#include "item_use/potion_effects.h"
#include "items/appearances.h"
#include "items/item_kind.h"
#include "player/player.h"
#include "shell/message_log.h"
#include "shell/random_mother.h"
#include "shell/terminal.h"

namespace {

// One drink's memory: whether a shifting potion brought the effect, and with it
// the map already redrawn.
struct Drink {
    Player& p;
    bool knownBefore;
    bool shifted = false;
};

void ClosingRedraw(const Drink& drink) {
    if (!drink.shifted) QuietRedraw();
}

// The pending messages: a full redraw shows them, unless the shift already drew the map.
void ShowPending(const Drink& drink) {
    if (drink.shifted) {
        messageLog.FlushMessages(false);
    } else {
        FullRedraw();
    }
}

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

void RaiseAttribute(Player& p) {
    PrintWords("Tastes sweet. ");
    const int32_t which = rng.Random(5);
    switch (which) {
        case 0: PrintWords("Your strength increases! "); ++p.strength; break;
        case 1: PrintWords("Your vitality increases! "); ++p.vitality; break;
        case 2: PrintWords("Your dexterity increases! "); ++p.dexterity; break;
        case 3: PrintWords("Your agility increases! "); ++p.agility; break;
        default: PrintWords("Your stamina increases! "); ++p.stamina; break;
    }
}

// The dream shows the floor and bag squares around the character, with what touches them.
void MarkVision(Player& p) {
    if (p.currentFloor < 0 || p.currentFloor >= kFloorCount) return;
    Floor& floor = floorArray[p.currentFloor];
    for (int32_t x = p.x - 19; x <= p.x + 18; ++x) {
        for (int32_t y = p.y - 9; y <= p.y + 8; ++y) {
            if (!Floor::OnMap(x, y)) continue;
            const char glyph = floor.At(x, y).glyph;
            if (glyph != kFloorGlyph && glyph != kBagGlyph) continue;
            for (int32_t dx = -1; dx <= 1; ++dx) {
                for (int32_t dy = -1; dy <= 1; ++dy) floor.MarkSeen(x + dx, y + dy);
            }
        }
    }
}

// Fire and ice hurt by a quarter of the maximum and change the body temperature.
void BurnOrFreeze(Drink& drink, bool fire) {
    Player& p = drink.p;
    const char* text = fire ? "Yummy warm potion. No, not warm. It's hot. Very very hot. In fact the liquid must be on "
                              "fire inside your stomach! Your stomach aches. "
                            : "The potion doesn't taste weird at all. But... what's that cold feeling inside you? As if "
                              "your guts were freezing! ";
    p.hp -= p.maxHp / 4;
    if (p.hp > 0) PrintWords(text);
    p.bodyTemperature += fire ? 500 : -500;
    if (p.hp <= 0) {
        FullRedraw();
        PrintWords(text);
        p.CheckPlayerDeath(fire ? "A potion burned HIM from the inside out." : "A potion froze HIM from the inside out.",
                           kDungeonKiller);
    }
    ClosingRedraw(drink);
}

bool NeedsRepair(const Player& p) {
    return std::any_of(p.inventory.begin(), p.inventory.end(), [](const ItemData& item) {
        if (item.kind < 0 || item.kind >= kItemKindCount) return false;
        const ItemKind& kind = itemKinds[item.kind];
        const bool wears = kind.type == kItemWeapon || kind.type == kItemArmour || kind.type == kItemCloth;
        return wears && item.durability < kind.maxDurability;
    });
}

void Oil(Drink& drink) {
    Player& p = drink.p;
    PrintWords("You open the bottle top and smell. Smells and looks like oil! This might be good for the durability "
               "of your equipment. ");
    if (NeedsRepair(p)) {
        PrintWords("Press space. ");
        ShowPending(drink);
        WaitForSpaceKey();
        p.RepairEquipmentScreen(true);
        return;
    }
    if (!drink.shifted) QuietRedraw();
    PrintWords("Unfortunately you don't need it at the moment. You throw it away even though you're tempted to drink "
               "it. ");
}

void Heal(int32_t& points, int32_t maximum, int32_t amount) { points = std::min(points + amount, maximum); }

void RunEffect(Drink& drink, int32_t effect);

void Shift(Drink& drink) {
    QuietRedraw();
    PrintWords("The potion seems to change every other second into a completely different one. ");
    drink.shifted = true;
    int32_t effect = rng.Random(26) + 1;
    while (effect == kPotionShifting || effect == kPotionUnlearning) effect = rng.Random(26) + 1;
    RunEffect(drink, effect);
}

void RunEffect(Drink& drink, int32_t effect) {
    Player& p = drink.p;
    switch (effect) {
        case kPotionAcidBomb: UseAcidBomb(p, drink.knownBefore, drink.shifted); return;
        case kPotionWeakness:
            PrintWords("At first nothing happens. Then you start feeling terrible and extremely weak. You fall onto "
                       "your knees. Even an ant could kill you now! ");
            p.hp = 1;
            p.sp = 0;
            break;
        case kPotionHealing:
            PrintWords("The liquid tastes like strawberries and menthol. You feel better already. ");
            Heal(p.hp, p.maxHp, p.maxHp / 2);
            break;
        case kPotionFullHealing:
            PrintWords("Oh my! This tastes awesome! You can't define the ingredients though. You feel better than "
                       "ever. ");
            p.hp = p.maxHp;
            break;
        case kPotionVigour:
            PrintWords("The potion restores your vigour. You could run for miles before becoming breathless! ");
            Heal(p.sp, p.maxSp, p.maxSp / 2);
            break;
        case kPotionFullEnergy:
            PrintWords("This one is lumpy. You chew and swallow it. You feel full of energy! ");
            p.sp = p.maxSp;
            break;
        case kPotionAllOverHealing:
            PrintWords("You taste a multitude of delicious flavours. The potion heals you all over. ");
            Heal(p.sp, p.maxSp, p.maxSp / 2);
            Heal(p.hp, p.maxHp, p.maxHp / 2);
            break;
        case kPotionAttribute: RaiseAttribute(p); break;
        case kPotionCureAll:
            PrintWords("The white liquid tastes like milk. You feel rather perfect! The potion removes even the "
                       "smallest ailments from your body. ");
            for (int32_t* ailment : {&p.poison, &p.bleeding, &p.dizziness, &p.sickness, &p.fever, &p.clumsiness,
                                     &p.horror, &p.slowness, &p.immobility}) {
                *ailment = 0;
            }
            if (p.frostbite > 0) GiveBackFrostbite(p);
            break;
        case kPotionParalysis: {
            PrintWords("You are unable to taste anything before your movements start to slow down. Soon you're "
                       "totally paralyzed! Press space. ");
            ShowPending(drink);
            const int32_t turns = rng.Random(30);
            p.paralysis += 30 + turns;
            WaitForSpaceKey();
            return;
        }
        case kPotionSpeed:
            PrintWords("The fluid ominously looks like quick silver, though doesn't taste metallic. You feel much more "
                       "lively. The potion has boosted your speed for a moment. ");
            if (p.slowness > 0) {
                PrintWords("You aren't slow anymore. ");
                p.slowness = 0;
            }
            p.speedBoost += 20;
            break;
        case kPotionDisease: {
            PrintWords("This tastes awful! You can imagine someone's pulverized left arm floating in the liquid. You "
                       "feel sick, feverous and poisoned. ");
            const int32_t fever = rng.Random(200);
            p.fever += 200 + fever;
            const int32_t sickness = rng.Random(35);
            p.sickness += 35 + sickness;
            const int32_t poison = rng.Random(15);
            p.poison += 15 + poison;
            break;
        }
        case kPotionVision: {
            PrintWords("This tastes like... fresh grass? But it makes you sleepy too... Zzz... A vision emerges while "
                       "you're dreaming. You can clearly see the surrounding area. Press space. ");
            MarkVision(p);
            FullRedraw();
            RefreshTopItems();
            const int32_t sleep = rng.Random(200);
            p.sleep += 200 + sleep;
            WaitForSpaceKey();
            return;
        }
        case kPotionPurification:
            PrintWords("The potion bottle doesn't feel warm, but you feel warm inside after drinking this. It purifies "
                       "you of diseases and poisons. ");
            p.poison = 0;
            p.fever = 0;
            p.sickness = 0;
            break;
        case kPotionShifting: Shift(drink); return;
        case kPotionHolyWater:
            PrintWords("As soon as you open the bottle, a divine sensation fills the air. You remember your mommy "
                       "telling you about the use of holy water. You should dip an item into it to bless it. Press "
                       "space. ");
            ShowPending(drink);
            WaitForSpaceKey();
            p.BlessEquipmentScreen();
            return;
        case kPotionFire: BurnOrFreeze(drink, true); return;
        case kPotionIce: BurnOrFreeze(drink, false); return;
        case kPotionTimeStop:
            PrintWords("Everything starts to slow down quickly around you and then even the falling snow-flakes simply "
                       "stop. Temporarily only you can move. ");
            // Set, not raised: seven more actions in a row, whatever the accumulator held.
            p.energy = 7 * p.actThreshold + 1;
            break;
        case kPotionTraining:
            PrintWords("Tastes juicy. ");
            Train(p);
            break;
        case kPotionUnlearning:
            PrintWords("Tastes bitter. ");
            Unlearn(p);
            break;
        case kPotionOil: Oil(drink); return;
        case kPotionStrength:
            PrintWords("This strong coffee-like liquid stimulates your muscles. You feel temporarily powerful! ");
            p.strengthBoost += 20;
            break;
        case kPotionSixthSense:
            PrintWords("What a cunning potion. First it tastes like utter muck, but after a while it tastes very "
                       "enjoyable. You feel a temporary sixth sense overwhelm you! ");
            p.dexterityBoost += 20;
            break;
        case kPotionAgility:
            PrintWords("Liquorice drink without alcohol. Maybe it's better that way. Your limbs feel much more limber, "
                       "though it seems to be only temporary. ");
            p.agilityBoost += 20;
            break;
        case kPotionMudSkin:
            PrintWords("There's a lot of mud mixed into this potion, but instead of it ending up in your stomach, the "
                       "earthly substances form a temporary protective layer on top of your skin! ");
            p.stoneSkinTurns += 10;
            break;
        default: return;  // an unknown effect: the potion was only named, identified and used up
    }
    ClosingRedraw(drink);
}

}  // namespace

void Player::DrinkPotion(int32_t index) {
    if (index < 0 || index >= static_cast<int32_t>(inventory.size())) return;
    const int32_t kind = inventory[index].kind;
    if (kind < 0 || kind >= kItemKindCount) return;
    Drink drink{*this, identifiedKinds[kind] != 0};
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
