// A berserk character only moves to close in on a monster it can see.
#include "player/commands.h"
#include "toolkit/message_log.h"
#include "world/floor.h"
#include "world/monster.h"
#include "world/player.h"

namespace {

int32_t Distance(int32_t fromX, int32_t fromY, int32_t toX, int32_t toY) {
    const int32_t dx = toX - fromX;
    const int32_t dy = toY - fromY;
    return (dx < 0 ? -dx : dx) + (dy < 0 ? -dy : dy);
}

}  // namespace

bool Player::IsBerserkMoveAllowed(int32_t dx, int32_t dy) {
    if (berserkBoon < kBoonStronger) return true;
    const Floor* floor = CurrentFloor();
    bool anyInView = false;
    if (floor != nullptr) {
        const int32_t r = sightRadius;
        for (int32_t i = -r; i <= r; ++i) {
            for (int32_t j = -r; j <= r; ++j) {
                const int32_t mx = x + i;
                const int32_t my = y + j;
                if (!Floor::OnMap(mx, my) || floor->At(mx, my).visibleNow == 0) continue;
                if (!IsMonsterAt(mx, my, currentFloor)) continue;
                anyInView = true;
                if (Distance(x + dx, y + dy, mx, my) < Distance(x, y, mx, my)) return true;
            }
        }
    }
    if (!anyInView) return true;
    PrintWords("You can only move to attack while berserking! ");
    messageLog.FlushMessages(false);
    return false;
}
