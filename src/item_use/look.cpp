// The look command: a cursor over the map that tells what lies under it, and
// opens a monster's examination or the character's pages from there.
#include "item_use/aiming.h"
#include "player/commands.h"
#include "player/map_view.h"
#include "toolkit/drawing.h"
#include "toolkit/terminal.h"
#include "world/floor.h"
#include "world/monster.h"
#include "world/player.h"

namespace {

void DrawExitHint() { DrawText("z = exit", 72, kLastCursorRow, kLightCyan); }

enum class LookEnd { kNothing, kExamineMonster, kCharacterInfo };

}  // namespace

void Player::Look() {
    XY cursor{x, y};
    BlankMessageRows(kPromptRow, kLastCursorRow);
    DescribeSquare(cursor.x, cursor.y);
    Monster* remembered = nullptr;
    DrawExitHint();
    SetCursorVeryVisible();
    LookEnd end = LookEnd::kNothing;
    for (;;) {
        MoveCursor(cursor.x, cursor.y);
        const int key = TranslateCursorKey(ReadKey(), 'e');
        XY step;
        if (CursorStep(key, step)) {
            cursor.x += step.x;
            cursor.y += step.y;
            remembered = DescribeSquare(cursor.x, cursor.y);
            DrawExitHint();
            continue;
        }
        if (key == 'e' || key == 'E' || key == 'l' || key == 'L') {
            if (remembered != nullptr) {
                end = LookEnd::kExamineMonster;
                break;
            }
            if (cursor.x == x && cursor.y == y) {
                end = LookEnd::kCharacterInfo;
                break;
            }
            continue;
        }
        if (key == 'z' || key == 'Z') break;
    }
    RestoreCursorVisibility();
    DescribeSquare(-1, -1);
    MoveCursorToPlayer();
    if (end == LookEnd::kExamineMonster) remembered->ShowMonsterExamination("");
    if (end == LookEnd::kCharacterInfo) ShowCharacterInfo();
}
