// The weather inside the dungeon: snow or freezing drizzle falling through the
// roof, which comes and goes and leaves its marks on the floor and on the character.
#include <cstdint>

#include "events/world_events.h"
#include "player/commands.h"
#include "toolkit/message_log.h"
#include "toolkit/random_mother.h"
#include "world/floor.h"
#include "world/player.h"

namespace {

void EndWeather(Floor& floor) {
    const int32_t stop = rng.Random(600);
    if (stop != 0) return;
    const bool snowing = floor.weather == kWeatherSnowing;
    floor.weather = kWeatherNone;
    PrintWords(snowing ? "The snowing stops. " : "The raining stops. ");
    WaitForSpace();
}

// Which weather a floor's walls bring: ice brings snow, snowy walls drizzle, stone either.
int32_t WeatherForScheme(ColourCode walls) {
    if (walls == kIcyWalls) return kWeatherSnowing;
    if (walls == kSnowyWalls) return kWeatherFreezingDrizzle;
    if (walls == kStoneWalls) {
        const int32_t coin = rng.Random(2);
        return coin == 0 ? kWeatherFreezingDrizzle : kWeatherSnowing;
    }
    return kWeatherNone;
}

void StartWeather(Floor& floor) {
    const int32_t start = rng.Random(40000);
    if (start != 0) return;
    floor.weather = WeatherForScheme(floor.At(0, 0).colour);
    if (floor.weather == kWeatherNone) return;
    PrintWords(floor.weather == kWeatherSnowing ? "It starts snowing through the roof. Weird. "
                                                : "It starts raining freezing drizzle through the roof. Weird. ");
    WaitForSpace();
}

void Snow(Floor& floor) {
    const int32_t slush = rng.Random(200);
    if (slush == 0) {
        floor.PlaceSlush();
        return;
    }
    const int32_t bury = rng.Random(100);
    if (bury == 0) floor.BuryItemsInSnow();
}

void Drizzle() {
    const int32_t hail = rng.Random(150);
    if (hail == 0) {
        PrintWords(
            "You're caught in a passing hailstorm! You yelp when the hails hit you, they are hard as rocks from their "
            "ice glazing. ");
        WaitForSpace();
        const int32_t damage = rng.Random(2 * player.level + 2);
        player.hp -= damage + 1;
        player.CheckPlayerDeath("A passing hailstorm pounded HIM dead.", kDungeonKiller);
        return;
    }
    const int32_t shower = rng.Random(200);
    if (shower == 0 && player.WetClothes(50, 5)) {
        PrintWords("A shower of icy cold water sweeps by and leaves you soaking wet. ");
        WaitForSpace();
    }
}

}  // namespace

void UpdateWeather() {
    Floor* floor = CurrentFloor();
    if (floor == nullptr) return;
    if (floor->weather != kWeatherNone) {
        EndWeather(*floor);
    } else {
        StartWeather(*floor);
    }
    if (floor->weather == kWeatherNone) return;
    const int32_t patch = rng.Random(3);
    if (patch == 0) floor->StainFloorPatches(floor->weather);
    if (floor->weather == kWeatherSnowing) {
        Snow(*floor);
    } else if (floor->weather == kWeatherFreezingDrizzle) {
        Drizzle();
    }
}
