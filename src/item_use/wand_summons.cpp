// The summoning wands call a monster onto a free square next to the zapper.
#include "item_use/zap_wand.h"
#include "toolkit/message_log.h"
#include "world/floor.h"
#include "world/monster.h"
#include "world/player.h"

void ZapSummon(int32_t effect, int32_t kind) {
    // The last free neighbour in this order is taken.
    bool found = false;
    XY spot;
    for (int32_t dx = -1; dx <= 1; ++dx) {
        for (int32_t dy = -1; dy <= 1; ++dy) {
            if (dx == 0 && dy == 0) continue;
            if (!IsFreeSquare(player.x + dx, player.y + dy)) continue;
            spot = {player.x + dx, player.y + dy};
            found = true;
        }
    }
    if (!found) {
        PrintWords("The spell fizzles. ");
        QuietRedraw();
        return;
    }
    const bool wild = effect == kWandSummonWildMonster;
    PrintWords(wild ? "The wand summons a wild and dangerous monster! " : "The wand summons a monster! ");
    IdentifyWand(kind);
    SpawnMonster(spot.x, spot.y, player.currentFloor, false, wild ? kVariantAlways : kVariantNever, kComputedLevel);
    QuietRedraw();
}
