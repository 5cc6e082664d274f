// On snowy floors the character may sink into a hole in the snow, and on
// slushy ones the wet snow splashes the clothes.
#include <cstdint>

#include "events/world_events.h"
#include "floors/floor_feelings.h"
#include "player/commands.h"
#include "toolkit/message_log.h"
#include "toolkit/random_mother.h"
#include "world/floor.h"
#include "world/player.h"

void SinkInDeepSnow() {
    const Floor* floor = CurrentFloor();
    if (floor == nullptr || floor->At(0, 0).colour != kSnowyWalls || floor->feeling == kFeelingHardSnow) return;
    int32_t odds = 0;
    if (floor->feeling == kFeelingSlushy) {
        odds = 250;
        const int32_t splash = rng.Random(200);
        if (splash == 0 && player.WetClothes(250, 2)) {
            PrintWords("The soft, wet snow splatters onto your clothes as you move. ");
        }
    } else {
        odds = floor->weather == kWeatherSnowing ? 125 : 2250;
    }
    if (floor->At(player.x, player.y).colour != kSnowyGround) return;
    const int32_t sink = rng.Random(odds);
    if (sink != 0) return;
    PrintWords("Your foot sinks deep into a snowy hole! You're immobilized. ");
    const int32_t stuck = rng.Random(11);
    player.immobility += 5 + stuck;
    WaitForSpace();
}
