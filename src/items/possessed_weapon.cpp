// A weapon with the "possessed" prefix now and then calls up a monster beside its wielder.
#include "items/item_prefixes.h"
#include "toolkit/message_log.h"
#include "toolkit/random_mother.h"
#include "world/floor.h"
#include "world/monster.h"
#include "world/player.h"
#include "world/sage.h"

void Player::PossessedWeaponSummon(bool secondHand) {
    const int32_t roll = rng.Random(40);
    if (roll != 0) return;
    const int32_t index = equipSlots[secondHand ? kSlotSecondWeapon : kSlotMainWeapon];
    if (index < 0 || static_cast<size_t>(index) >= inventory.size()) return;
    const int32_t prefix = inventory[static_cast<size_t>(index)].prefix;
    if (prefix < 0 || prefix >= kItemPrefixCount || itemPrefixes[prefix].id != kPrefixPossessed) return;
    if (!IsFloorNumber(currentFloor)) return;

    for (int32_t dx = -1; dx <= 1; ++dx) {
        for (int32_t dy = -1; dy <= 1; ++dy) {
            if (dx == 0 && dy == 0) continue;
            const int32_t tx = x + dx;
            const int32_t ty = y + dy;
            if (!Floor::OnMap(tx, ty) || floorArray[currentFloor].At(tx, ty).glyph != kFloorGlyph) continue;
            if (IsMonsterAt(tx, ty, currentFloor) || IsSageAt(x, y, dx, dy, currentFloor)) continue;
            SpawnMonster(tx, ty, currentFloor, false, kVariantNever, kComputedLevel);
            for (const char* word : {"Your ", "possessed ", "weapon ", "summons ", "a ", "monster! "}) {
                messageLog.PrintMessage(word);
            }
            return;
        }
    }
}
