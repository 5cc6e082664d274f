// When the character is hard pressed, the village priest's prayer may stun
// every monster in sight.
#include <cstdint>

#include "events/event_area.h"
#include "events/world_events.h"
#include "player/commands.h"
#include "toolkit/drawing.h"
#include "toolkit/message_log.h"
#include "toolkit/random_mother.h"
#include "world/monster.h"

namespace {

// The prayer answers only a character who sees this many monsters.
constexpr int32_t kCrowdInSight = 3;
constexpr int32_t kPrayerStunTurns = 10;
constexpr char kPrayerMark = '*';
constexpr uint32_t kMarkMilliseconds = 50;

// Calls visit(monster) for every monster on a visible tile of the square the character overlooks.
template <class Visit>
void ForEachMonsterInSight(const Floor& floor, const Visit& visit) {
    ForEachCellAround(player.sightRadius, [&](int32_t x, int32_t y) {
        if (floor.At(x, y).visibleNow == 0) return;
        Monster* monster = FindMonsterAt(x, y, player.currentFloor);
        if (monster != nullptr) visit(*monster);
    });
}

}  // namespace

void HearPriestPrayer() {
    const Floor* floor = CurrentFloor();
    if (floor == nullptr) return;
    const int32_t prayer = rng.Random(1250);
    if (prayer != 0) return;
    int32_t inSight = 0;
    ForEachMonsterInSight(*floor, [&inSight](Monster&) { ++inSight; });
    if (inSight < kCrowdInSight) return;
    // Word by word, though it is one message: as one piece it would not fit the message lines.
    PrintWords(
        "Suddenly an extremely bright light nearly blinds you as a chant echoes in the dungeon: \"Goddess, mother of "
        "all, protect this one during the hour of need!\" You recognize the voice of your village priest, who is now "
        "aiding you with a prayer. All the monsters are literally struck dumb. ");
    WaitForSpace();
    ForEachMonsterInSight(*floor, [](Monster& monster) {
        FlashCharacter(kPrayerMark, monster.x, monster.y, kWhite, kMarkMilliseconds);
        monster.stunTurns += kPrayerStunTurns;
    });
}
