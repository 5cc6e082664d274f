// An absorbed mask waits for a monster in sight, then drives the character
// into a rage that lasts a few dozen turns and leaves it slowed.
#include <algorithm>

#include "player/surroundings.h"
#include "toolkit/drawing.h"
#include "toolkit/message_log.h"
#include "toolkit/random_mother.h"
#include "world/floor.h"
#include "world/monster.h"
#include "world/player.h"

namespace {

// The words that finish the rage message for each boon, 2 to 9.
const char* const kBoonWords[] = {
    "your attacks feel stronger! ",  "your attacks feel more piercing! ", "you feel faster! ",
    "your attacks feel deadlier! ",  "your attacks feel more accurate! ", "your energy regenerates faster! ",
    "your abilities feel improved! ", "your attacks feel swifter! ",
};

// True when a visible tile near the character holds a monster that the mask reacts to.
bool MonsterProvokesMask() {
    Floor* floor = FloorAt(player.currentFloor);
    if (!floor) return false;
    const int32_t r = player.sightRadius;
    for (int32_t dx = -r; dx <= r; ++dx) {
        for (int32_t dy = -r; dy <= r; ++dy) {
            const int32_t x = player.x + dx;
            const int32_t y = player.y + dy;
            if (!Floor::OnMap(x, y) || !floor->At(x, y).visibleNow) continue;
            const Monster* monster = FindMonsterAt(x, y, player.currentFloor);
            if (!monster || monster->living != 1) continue;
            if (monster->ability == kAbilityStalker && monster->awake == 0) continue;
            return true;
        }
    }
    return false;
}

// The rage tints the map, so the map is drawn anew when it starts and ends.
void RedrawMapAfterRage() {
    RefreshTopItems();
    ClearScreen();
    if (Floor* floor = FloorAt(player.currentFloor)) {
        floor->ClearTileMarks();
        floor->RedrawSeenTiles();
    }
}

}  // namespace

void Player::TickBerserk() {
    if (berserkBoon == kBoonMaskWaiting) {
        if (!MonsterProvokesMask()) return;
        berserkBoon = kBoonStronger + rng.Random(8);
        berserkTurns = 24 + rng.Random(8);
        PrintWords(
            "You stop, start staring at the monster nearby and feel a rage building up inside of you as the mask "
            "you absorbed pushes through your face. The mask latches onto you firmly and makes your vision turn red "
            "with bloodlust! You cannot retreat, but ");
        PrintWords(kBoonWords[berserkBoon - kBoonStronger]);
        if (berserkBoon == kBoonFaster) {
            const int32_t boost = 24 + rng.Random(8);
            speedBoost = std::min(boost, berserkTurns);
        } else if (berserkBoon == kBoonAbilities) {
            const int32_t boost = 24 + rng.Random(8);
            const int32_t turns = std::min(boost, berserkTurns);
            strengthBoost = turns;
            dexterityBoost = turns;
            agilityBoost = turns;
        }
        WaitForSpace();
        RedrawMapAfterRage();
        return;
    }

    if (berserkTurns <= 0 || berserkBoon <= 0) return;
    --berserkTurns;
    if (berserkTurns > 0) return;
    // The red tint stays while the player reads that the rage is over.
    berserkTurns = 1;
    PrintWords("You aren't berserking anymore. You feel exhausted and slow after the raging. ");
    if (rng.Random(3) == 0 && WetClothes(50, 4)) PrintWords("You have perspired your clothes wet. ");
    slowness += 6 + rng.Random(8);
    WaitForSpace();
    berserkTurns = 0;
    berserkBoon = kBoonNone;
    RedrawMapAfterRage();
}
