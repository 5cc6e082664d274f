// One turn of the world around the character, in a fixed order: the order of
// the random draws is part of how a seed plays.
#include "events/event_area.h"
#include "events/fading_boosts.h"
#include "events/world_events.h"
#include "items/item_prefixes.h"
#include "player/commands.h"
#include "player/worn_gear.h"
#include "skills/skill_def.h"
#include "toolkit/message_log.h"
#include "toolkit/random_mother.h"
#include "world/player.h"

namespace {

// Wild rage heats or chills the body with the surroundings and burns special points.
constexpr int32_t kRageTemperatureStep = 30;

void BurnWildRage() {
    if (player.activeSkill != kSkillWildRage) return;
    int32_t trend = 0;
    player.ComputeTemperatureTrend(trend);
    player.bodyTemperature += trend > 0 ? kRageTemperatureStep : -kRageTemperatureStep;
    if (player.sp != 0) {
        player.sp -= player.level;
        if (player.sp > 0) return;
        player.sp = 0;
    }
    player.activeSkill = 0;
    PrintWords("You run out of energy to rage. ");
}

void RunPlayerUpkeep() {
    player.UpdateBodyTemperature();
    player.DryClothes(0);
    player.TickPoison();
    player.TickBleeding();
    player.TickFever();
    player.TickSickness();
    player.TickDizziness();
    player.TickSleep();
    player.TickParalysis();
    player.TickClumsiness();
    player.TickFrostbite();
    player.TickSlowness();
    player.TickImmobility();
    player.TickHorror();
}

// Vaporizing gear melts every ice block the character sees this turn.
void MeltIceInView(Floor& floor) {
    if (!WieldsOrWears(kPrefixVaporizing)) return;
    for (int32_t x = 0; x < kFloorWidth; ++x) {
        for (int32_t y = 0; y < kFloorHeight; ++y) {
            Tile& tile = floor.At(x, y);
            if (tile.inViewMark == 0 || tile.glyph != kIceBlockGlyph) continue;
            tile.glyph = kFloorGlyph;
            messageLog.PrintMessage("*Slosh*. ");
        }
    }
}

void WadeThroughSlush(const Floor& floor) {
    if (AmuletHas(kPropertyNimbleRecovery) || player.speedBoost > 0) return;
    if (floor.At(player.x, player.y).glyph != kSlushGlyph) return;
    if (player.slowness == 0) PrintWords("You step into the slush, which sticks into you and slows you down. ");
    const int32_t splash = rng.Random(25);
    if (splash == 0 && player.WetClothes(125, 2)) {
        PrintWords("The wet slush splatters onto your clothes as you move. ");
    }
    const int32_t extra = rng.Random(2);
    player.slowness += 2 + extra;
}

}  // namespace

void UpdateWorld() {
    Floor* floor = CurrentFloor();
    if (floor == nullptr || !Floor::OnMap(player.x, player.y)) return;
    SpawnWanderingMonster();
    BurnWildRage();
    BurnInCampfire();
    RunPlayerUpkeep();
    WarnBoostsFading();
    MeltIceInView(*floor);
    ApplyRingOfDomination();
    WadeThroughSlush(*floor);
    UpdateWeather();
    player.TickBerserk();
}
