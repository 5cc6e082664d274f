// Dark floors shorten the sight of the character and of the monsters alike;
// bright floors lengthen it.
#include "player/surroundings.h"
#include "world/monster.h"
#include "world/player.h"

namespace {

bool IsLitSpecially(int32_t feeling) { return feeling == kFeelingDark || feeling == kFeelingBright; }

}  // namespace

void Player::UpdateSightRadius(int32_t floorStep) {
    const int32_t from = FloorFeelingAt(currentFloor);
    const int32_t to = FloorFeelingAt(currentFloor + floorStep);
    if (from == to || (!IsLitSpecially(from) && !IsLitSpecially(to))) return;
    if (to == kFeelingDark) {
        sightRadius = 2;
    } else if (to == kFeelingBright) {
        sightRadius = 9;
    } else {
        sightRadius = 6;
    }
    monsterVisionRange = MonsterVisionRangeOn(to);
}

int32_t MonsterVisionRangeOn(int32_t feeling) {
    if (feeling == kFeelingDark) return 3;
    if (feeling == kFeelingBright) return 10;
    return 7;
}
