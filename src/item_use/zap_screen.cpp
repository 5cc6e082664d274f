// What zapping draws: the map again around the effects, and their flashes.
#include "floors/field_of_view.h"
#include "item_use/zap_wand.h"
#include "player/commands.h"
#include "toolkit/drawing.h"
#include "world/floor.h"
#include "world/item_kind.h"
#include "world/monster.h"
#include "world/player.h"

void FlashTile(int32_t x, int32_t y, ColourCode colour) {
    FlashCharacter(kFlashGlyph, x, y, colour, kZapStepMilliseconds);
}

void ShowMark(char glyph, int32_t x, int32_t y, ColourCode colour) {
    DrawChar(glyph, x, y, colour);
    RefreshScreen();
}

void DrawSensedTraps() {
    const Floor& floor = PlayersFloor();
    for (int32_t x = 0; x < kFloorWidth; ++x) {
        for (int32_t y = 0; y < kFloorHeight; ++y) {
            if (floor.At(x, y).trapKind > kNoTrap) DrawChar(kFoundTrapGlyph, x, y, kLightRed);
        }
    }
}

void DrawSensedMonsters() {
    for (const Monster* monster = monsterListHead; monster != nullptr; monster = monster->next) {
        if (monster->floor == player.currentFloor && monster->alive != 0) {
            DrawChar(monster->glyph, monster->x, monster->y, monster->colour);
        }
    }
}

void DrawSensedItems() {
    const Floor& floor = PlayersFloor();
    for (int32_t x = 0; x < kFloorWidth; ++x) {
        for (int32_t y = 0; y < kFloorHeight; ++y) {
            const Tile& tile = floor.At(x, y);
            if (!tile.items.empty()) {
                const int32_t kind = tile.items.front().kind;
                if (kind >= 0 && kind < kItemKindCount) DrawChar(static_cast<char>(itemKinds[kind].glyph), x, y, kLightRed);
            } else if (tile.gold > 0) {
                DrawChar(kGoldGlyph, x, y, kYellow);
            }
        }
    }
}

void DrawCreationMenu() {
    BlankMessageRows(19, 21);
    DrawText("You can focus your mind on one of the following:", 0, 19, kLightCyan);
    DrawText("(W)eapon, (A)rmor, (C)loth, Amm(u)nition, (F)ood", 0, 20, kLightCyan);
    DrawText("(M)agical, (V)aluable or C(r)aftable material", 0, 21, kLightCyan);
}
