// Everything that happens when the character arrives on a tile, always in the
// same order: the order of the random draws is part of how a seed plays.
#include <cstdint>

#include "events/event_area.h"
#include "events/tile_descriptions.h"
#include "events/world_events.h"
#include "floors/floor_feelings.h"
#include "floors/tile_draws.h"
#include "items/item_prefixes.h"
#include "items/worn_properties.h"
#include "player/commands.h"
#include "player/worn_gear.h"
#include "toolkit/message_log.h"
#include "toolkit/random_mother.h"
#include "world/monster.h"
#include "world/sage.h"

namespace {

// Unstable gear now and then throws the character onto a random free floor tile.
void FlopAway(Floor& floor) {
    if (!WieldsOrWears(kPrefixUnstable)) return;
    const int32_t flop = rng.Random(150);
    if (flop != 0) return;
    messageLog.PrintMessage("*Flop*. ");
    const int32_t f = player.currentFloor;
    const auto fits = [&floor, f](int32_t x, int32_t y) {
        return floor.At(x, y).glyph == kFloorGlyph && !IsSageAt(x, y, 0, 0, f) && !IsMonsterAt(x, y, f) &&
               floor.At(x, y).monsterPresent == 0;
    };
    XY spot;
    if (!DrawTileUntil(0, fits, spot)) return;
    floor.At(player.x, player.y).monsterPresent = 0;
    player.x = spot.x;
    player.y = spot.y;
    floor.At(player.x, player.y).monsterPresent = 1;
}

// A cold body catches an illness more easily.
void CatchIllness() {
    const int32_t odds = player.bodyTemperature <= 4000 ? 10000 : player.bodyTemperature <= 6000 ? 15000 : 20000;
    const int32_t sneeze = rng.Random(odds);
    if (sneeze != 0 || player.fever != 0 || player.sickness != 0 || player.WearsArmourProperty(kPrefixHygienic)) {
        return;
    }
    PrintWords("You sneeze. You've become ill. ");
    WaitForSpace();
    const int32_t illness = rng.Random(3);
    if (illness == 0 || illness == 2) {
        const int32_t fever = rng.Random(125);
        player.fever += 125 + fever;
    }
    if (illness == 0 || illness == 1) {
        const int32_t sickness = rng.Random(50);
        player.sickness += 50 + sickness;
    }
}

void SlipOnIce(const Floor& floor) {
    if (RingHas(kPropertySureFooting) || floor.At(player.x, player.y).colour != kIcyGround) return;
    const bool threatening = floor.feeling == kFeelingThreatening;
    const int32_t odds = threatening ? 100 : floor.weather == kWeatherFreezingDrizzle ? 75 : 1250;
    const int32_t slip = rng.Random(odds);
    if (slip != 0) return;
    PrintWords("You slip and fall over! ");
    const int32_t damage = rng.Random(threatening ? 3 * player.level + 3 : 2 * player.level + 2);
    player.hp -= damage + 1;
    player.CheckPlayerDeath("HE slipped on an icy floor and cracked HIS head.", kDungeonKiller);
    WaitForSpace();
}

// How much a passing wind or breeze changes the body temperature on this floor.
int32_t DraughtStrength() {
    const int32_t depthTerm = static_cast<int32_t>(1.43 * player.currentFloor);
    return 15 * ((1 + depthTerm) / 2);
}

void FeelColdWind() {
    const int32_t wind = rng.Random(7500);
    if (wind != 0) return;
    PrintWords("A cold wind makes you shiver. ");
    player.bodyTemperature -= DraughtStrength();
    WaitForSpace();
}

// The warmth a breeze brings dries the clothes too.
void FeelWarmBreeze() {
    const int32_t breeze = rng.Random(7500);
    if (breeze != 0) return;
    player.bodyTemperature += DraughtStrength();
    PrintWords(player.bodyTemperature <= 9999
                   ? "A warm breeze blows your face. "
                   : "A warm breeze blows your already sweaty body, as if it wasn't hot enough already. ");
    WaitForSpace();
    player.DryClothes(static_cast<int32_t>((1.43 * player.currentFloor + 1.0) * 0.5) * 15);
}

}  // namespace

void StepOnTile() {
    Floor* floor = CurrentFloor();
    if (floor == nullptr || !Floor::OnMap(player.x, player.y)) return;
    FlopAway(*floor);
    DescribeStairs();
    DescribeItemsHere();
    DescribeFeatureHere();
    DescribeBloodStand();
    EnterTrainingRoom();
    MeetRotatingMask();
    GreetNpc();
    SummonAngryHorde();
    CatchIllness();
    SlipOnIce(*floor);
    SinkInDeepSnow();
    DropStalactite();
    ShakeLevel();
    FeelColdWind();
    FeelWarmBreeze();
    HearPriestPrayer();
    TriggerAvalanche();
    TriggerTrap();
    FindHiddenTrap();
    DigUpItem();
    PickUpMoneyAndAmmo();
}
