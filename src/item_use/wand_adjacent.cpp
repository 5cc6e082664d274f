// The wands that work on the tile next to the zapper, or on the zapper himself:
// ice blocks and campfires on bare floor, and four that reach into a monster.
#include "item_use/zap_wand.h"
#include "toolkit/message_log.h"
#include "toolkit/random_mother.h"
#include "world/floor.h"
#include "world/monster.h"
#include "world/monster_abilities.h"
#include "world/player.h"
#include "world/sage.h"

namespace {

constexpr int32_t kRainWetness = 125;
constexpr int32_t kRainSoakedPieces = 4;
constexpr int32_t kRainCooling = 150;
constexpr int32_t kLogsWarmth = 150;
constexpr int32_t kOwnWarmthDrained = 200;
constexpr int32_t kNatureWarmth = 400;
constexpr int32_t kDrainedWarmth = 200;
constexpr int32_t kCampfireFuel = 400;
constexpr int32_t kCampfireFuelSpread = 200;

// A tile that may become an ice block or a campfire: bare floor nobody stands on.
bool IsFreeFloor(int32_t x, int32_t y) {
    const Tile& tile = PlayersFloor().At(x, y);
    return !IsMonsterAt(x, y, player.currentFloor) && !IsSageAt(x, y, 0, 0, player.currentFloor) &&
           tile.glyph == kFloorGlyph && tile.items.empty() && tile.gold == 0;
}

// Health burnt into quickness, on whoever it strikes: the same loss for everyone.
int32_t HealthToEnergyLoss() { return LevelTimes(-3.5); }

// The ice block or the campfire on the tile, if it is free.
void MakeTerrain(int32_t effect, int32_t kind, int32_t x, int32_t y) {
    if (!IsFreeFloor(x, y)) {
        PrintWords("The spell fizzles. ");
        return;
    }
    Tile& tile = PlayersFloor().At(x, y);
    if (effect == kWandColdRain) {
        tile.glyph = kIceBlockGlyph;
        PrintWords("An iceblock appears from out of nowhere. ");
        FlashTile(player.x, player.y, kCyan);
    } else {
        tile.glyph = kCampfireGlyph;
        tile.colour = kCampfireColour;
        const int32_t spread = rng.Random(kCampfireFuelSpread);
        tile.featureState = kCampfireFuel + spread;
        PrintWords("A campfire appears from out of nowhere. ");
        FlashTile(x, y, kLightRed);
    }
    IdentifyWand(kind);
}

void DrainWarmth(Monster& monster) {
    if (monster.ability == kAbilityColdTouch || monster.ability == kAbilityFrostbites) {
        PrintWords("You shiver! ");
        player.bodyTemperature -= kNatureWarmth;
    } else if (monster.ability == kAbilityWarmTouch) {
        PrintWords("You sweat! ");
        player.bodyTemperature += kNatureWarmth;
    } else {
        player.bodyTemperature += kDrainedWarmth;
        player.DryClothes(kDrainedWarmth);
    }
}

// The share of a unique demon's health, or of any other's, that a squeeze takes.
void Squeeze(Monster& monster) { monster.hp -= monster.hp / (IsUniqueDemon(monster.name) ? 5 : 4); }

void DrainLife(Monster& monster) {
    int32_t drained = 2 * player.level;
    if (IsUniqueDemon(monster.name)) {
        monster.hp -= drained;
    } else if (monster.living == 1) {
        drained = 3 * player.level;
        monster.hp -= drained;
    } else {
        monster.hp -= drained;
        PrintWords("The monster's lifeforce felt impure. You feel hollow. ");
    }
    player.hp += drained;
    monster.KillMonster();
    if (player.hp > player.maxHp) player.hp = player.maxHp;
}

// What each wand does on the zapper, after its words and its flash.
void CoolInTheRain() { player.bodyTemperature -= kRainCooling; }
void LoseOwnWarmth() { player.bodyTemperature -= kOwnWarmthDrained; }
void TurnHealthToEnergy() {
    player.energy = player.actThreshold - 1;
    player.hp += HealthToEnergyLoss();
    player.sp += 6 * player.level;
    if (player.hp <= 0) player.CheckPlayerDeath("HE converted HIMSELF into pure energy.", kWandKiller);
    if (player.sp > player.maxSp) player.sp = player.maxSp;
}
void SqueezeZapper() { player.hp -= player.hp / 4; }
// The life drain takes nothing that does not come back at once.
void RecoverAtOnce() {}
void WarmByTheLogs() { player.bodyTemperature += kLogsWarmth; }

// No death check: the end of the monster phase sweeps it away.
void BurnMonsterToEnergy(Monster& monster) {
    monster.hp += HealthToEnergyLoss();
    monster.energy += monster.speed;
}

struct AdjacentWand {
    int32_t effect;
    const char* onSelf;
    ColourCode flash;
    void (*selfDeed)();
    // What the wand says as it reaches into a monster on the tile; nullptr for
    // the two that make terrain there instead.
    const char* onMonster;
    void (*monsterDeed)(Monster& monster);
};

constexpr AdjacentWand kAdjacentWands[] = {
    {kWandColdRain,
     "A cloud appears above you and it starts raining cold water, ice and snow. Your head feels cooler. ", kCyan,
     CoolInTheRain, nullptr, nullptr},
    {kWandWarmthDrain, "The wand draws your own warmth and doesn't give it back! ", kYellow, LoseOwnWarmth,
     "The wand sucks warmth from the monster to you. ", DrainWarmth},
    {kWandHealthToEnergy, "The wand drains your health, but grants you energy. ", kLightBlue, TurnHealthToEnergy,
     "The wand converts the monster's health into energy. ", BurnMonsterToEnergy},
    {kWandSqueeze,
     "The wand squeezes you, taking a percentage of your remaining health. Your original shape returns after a "
     "painful moment. ",
     kDarkGrey, SqueezeZapper,
     "The wand squeezes the monster for a while, taking a percentage of its remaining health. ", Squeeze},
    {kWandLifeDrain, "This makes you feel weak, but your strength returns almost instantly. ", kRed,
     RecoverAtOnce, "The wand sucks health from the monster and gives it to you. ", DrainLife},
    {kWandCampfire,
     "A cloud appears above you and it starts raining... burning wooden logs?! At least they are warm. ", kLightRed,
     WarmByTheLogs, nullptr, nullptr},
};

void OnSelf(const AdjacentWand& wand, int32_t kind) {
    PrintWords(wand.onSelf);
    if (wand.effect == kWandColdRain && player.WetClothes(kRainWetness, kRainSoakedPieces)) {
        PrintWords("Your clothes get wet. ");
    }
    FlashTile(player.x, player.y, wand.flash);
    IdentifyWand(kind);
    wand.selfDeed();
}

// One of the four wands that work through a monster on the tile; a miss only
// flashes on bare floor.
void ReachMonster(const AdjacentWand& wand, int32_t kind, int32_t x, int32_t y) {
    Monster* monster = MonsterOnPlayersFloor(x, y);
    if (monster == nullptr) {
        if (PlayersFloor().At(x, y).glyph == kFloorGlyph) FlashTile(x, y, wand.flash);
        return;
    }
    PrintWords(wand.onMonster);
    FlashTile(x, y, wand.flash);
    IdentifyWand(kind);
    wand.monsterDeed(*monster);
}

}  // namespace

void ZapAdjacentWand(int32_t effect, int32_t kind, char direction) {
    const AdjacentWand* wand = nullptr;
    for (const AdjacentWand& candidate : kAdjacentWands) {
        if (candidate.effect == effect) wand = &candidate;
    }
    if (wand == nullptr) return;
    if (direction == '5') {
        OnSelf(*wand, kind);
        return;
    }
    const XY step = DirectionOfDigit(direction).step;
    const int32_t x = player.x + step.x;
    const int32_t y = player.y + step.y;
    if (!Floor::OnMap(x, y)) return;
    if (wand->onMonster == nullptr) {
        MakeTerrain(effect, kind, x, y);
    } else {
        ReachMonster(*wand, kind, x, y);
    }
}
