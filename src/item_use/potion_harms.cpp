// The potions that hurt or hold the character: weakness, paralysis, disease,
// fire and ice, and the vision that puts it to sleep.
#include "item_use/item_use_redraws.h"
#include "item_use/potion_drinks.h"
#include "toolkit/message_log.h"
#include "toolkit/random_mother.h"
#include "toolkit/terminal.h"
#include "world/floor.h"
#include "world/player.h"

namespace {

// The dream shows the floor and bag squares around the character, with what touches them.
void MarkVision(Player& p) {
    if (!IsFloorNumber(p.currentFloor)) return;
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
void BurnOrFreeze(PotionDrink& drink, bool fire) {
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

}  // namespace

void DrinkWeakness(PotionDrink& drink) {
    drink.p.hp = 1;
    drink.p.sp = 0;
}

void DrinkParalysis(PotionDrink& drink) {
    ShowPending(drink);
    const int32_t turns = rng.Random(30);
    drink.p.paralysis += 30 + turns;
    WaitForSpaceKey();
}

void DrinkDisease(PotionDrink& drink) {
    Player& p = drink.p;
    const int32_t fever = rng.Random(200);
    p.fever += 200 + fever;
    const int32_t sickness = rng.Random(35);
    p.sickness += 35 + sickness;
    const int32_t poison = rng.Random(15);
    p.poison += 15 + poison;
}

void DrinkVision(PotionDrink& drink) {
    Player& p = drink.p;
    MarkVision(p);
    FullRedraw();
    RefreshTopItems();
    const int32_t sleep = rng.Random(200);
    p.sleep += 200 + sleep;
    WaitForSpaceKey();
}

void DrinkFire(PotionDrink& drink) { BurnOrFreeze(drink, true); }

void DrinkIce(PotionDrink& drink) { BurnOrFreeze(drink, false); }
