// The acid bomb: a potion that bursts over the 3 by 3 squares around where it
// lands, thrown at a monster by one who knows it, opened in the hand by one who does not.
#include <string>

#include "item_use/aiming.h"
#include "item_use/item_use_redraws.h"
#include "item_use/potion_effects.h"
#include "item_use/ranged_attack.h"
#include "player/commands.h"
#include "toolkit/drawing.h"
#include "toolkit/message_log.h"
#include "world/floor.h"
#include "world/monster.h"
#include "world/player.h"

namespace {

constexpr int32_t kBombPromptRow = 21;

// The burst, column by column from the left, each column from the top.
void Burst(Player& p, int32_t centreX, int32_t centreY, bool thrown) {
    if (!IsFloorNumber(p.currentFloor)) return;
    Floor& floor = floorArray[p.currentFloor];
    for (int32_t x = centreX - 1; x <= centreX + 1; ++x) {
        for (int32_t y = centreY - 1; y <= centreY + 1; ++y) {
            if (!Floor::OnMap(x, y)) continue;
            const Tile& tile = floor.At(x, y);
            if (tile.glyph != kWallGlyph && tile.glyph != kIceBlockGlyph && tile.visibleNow != 0) {
                DrawChar('*', x, y, kLightGreen);
                RefreshScreen();
            }
            if (p.x == x && p.y == y) {
                PrintWords("The acid burns you. ");
                p.hp -= 3 * p.level;
                p.CheckPlayerDeath("HE melted in an acidic explosion.", kDungeonKiller);
            }
            if (Monster* monster = FindMonsterAt(x, y, p.currentFloor)) {
                PrintWords("The acid burns ");
                PrintMonsterName("", *monster, false, thrown ? ". " : " ");
                if (!thrown) PrintWords("too! ");
                monster->hp -= IsUniqueDemon(monster->name) ? 4 * p.level : monster->maxHp / 2;
                monster->KillMonster();
            }
            WaitMilliseconds(50);
        }
    }
}

void ThrowBomb(Player& p) {
    PrintWords("This potion is actually a bomb. ");
    FullRedraw();
    DrawRangedPrompt("throw", kBombPromptRow);
    SetCursorVeryVisible();
    Monster* chosen = p.SelectTarget(false, true);
    RestoreCursorVisibility();
    BlankMessageRows(kPromptRow, kLastCursorRow);
    if (chosen == nullptr) return;
    const int32_t centreX = chosen->x;
    const int32_t centreY = chosen->y;
    Burst(p, centreX, centreY, true);
}

void ExplodeInHand(Player& p, bool shifted) {
    p.hp -= p.maxHp / 2;
    if (p.hp > 0) {
        if (!shifted) FullRedraw();
        PrintWords("You open the unknown bottle's top rather carelessly as always, but this time it's a mistake. The "
                   "potion explodes and acidic fluids splash all over you. ");
        Burst(p, p.x, p.y, false);
        if (p.hp > 0) {
            if (!shifted) PrintWords("Next time you'll know that this potion is actually a throwing weapon. ");
            return;
        }
    }
    if (!shifted) FullRedraw();
    PrintWords("You open the bottle top rather carelessly as always, but this time it's a mistake. The potion "
               "explodes and acidic fluids splash all over you. ");
    p.CheckPlayerDeath("A potion exploded on HIS face.", kDungeonKiller);
}

}  // namespace

void UseAcidBomb(Player& p, bool knownBefore, bool shifted) {
    if (knownBefore && !shifted) {
        ThrowBomb(p);
    } else {
        ExplodeInHand(p, shifted);
    }
}
