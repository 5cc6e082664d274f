// The ring of domination now and then goads the ranged monsters in sight into
// coming to blows.
#include <cstdint>

#include "events/event_area.h"
#include "events/world_events.h"
#include "items/worn_properties.h"
#include "player/commands.h"
#include "player/worn_gear.h"
#include "toolkit/message_log.h"
#include "toolkit/random_mother.h"
#include "world/monster.h"

namespace {

// How long a dominated monster forgets its ranged attack.
constexpr int32_t kTauntTurns = 6;

}  // namespace

void ApplyRingOfDomination() {
    Floor* floor = CurrentFloor();
    if (floor == nullptr || !RingHas(kPropertyNoRangedWeapons)) return;
    const int32_t wave = rng.Random(50);
    if (wave != 0) return;
    ForEachCellAround(player.sightRadius, [floor](int32_t x, int32_t y) {
        if (floor->At(x, y).visibleNow == 0) return;
        Monster* monster = FindMonsterAt(x, y, player.currentFloor);
        if (monster == nullptr || IsUniqueDemon(monster->name) || monster->ranged != 1) return;
        monster->ranged = 0;
        monster->tauntTurns = kTauntTurns;
        PrintWords(
            "Your ring sends out a wave of bloodthirsty domination, compelling all visible monsters into melee combat "
            "with you! ");
    });
}
