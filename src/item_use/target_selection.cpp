// The aiming cursor of shooting, throwing and the acid bomb, the choose-target
// command, and an archer's shot at an ice block from the aiming cursor.
#include <cstdio>
#include <string>

#include "floors/floor_feelings.h"
#include "item_use/aiming.h"
#include "item_use/missiles.h"
#include "player/commands.h"
#include "player/map_view.h"
#include "toolkit/drawing.h"
#include "toolkit/message_log.h"
#include "toolkit/random_mother.h"
#include "toolkit/terminal.h"
#include "world/command_keys.h"
#include "world/floor.h"
#include "world/item_kind.h"
#include "world/monster.h"
#include "world/player.h"

namespace {

constexpr int32_t kNameWidth = 70;

bool InView(const Player& p, int32_t x, int32_t y) {
    if (!Floor::OnMap(x, y) || !IsFloorNumber(p.currentFloor)) return false;
    return floorArray[p.currentFloor].At(x, y).visibleNow != 0;
}

// Where both cursors start: on the stored target while it is in view, else on the nearest monster in view.
XY StartSquare(Player& p) {
    XY square;
    if (IsTargetInView(p)) {
        square = {p.target->x, p.target->y};
    } else {
        p.FindNearestVisibleMonster(square.x, square.y);
    }
    return square;
}

// Moves the cursor and shows what stands there; true when a name is on row 20.
bool MoveTargetCursor(Player& p, XY& cursor, XY step) {
    cursor.x += step.x;
    cursor.y += step.y;
    const bool named = p.ShowTargetMonsterName(cursor.x, cursor.y);
    if (!named) DrawText(messageLog.blank, 0, kNameRow, kBlack);
    MoveCursor(cursor.x, cursor.y);
    return named;
}

// The threshold below which a Random(20) crumbles an ice block: hard snow holds, slush gives.
int32_t CrumbleThreshold(int32_t feeling) {
    if (feeling == kFeelingHardSnow) return 3;
    if (feeling == kFeelingSlushy) return 19;
    return 15;
}

// An archer's arrow at an ice block: spent either way, and on success it lies on the freed square.
void ShootIceBlock(Player& p, Floor& floor, int32_t x, int32_t y) {
    p.targetConfirmed = 1;
    const int32_t roll = rng.Random(20);
    const int32_t threshold = CrumbleThreshold(floor.feeling);
    SpendOneArrow(p);
    if (roll < threshold) {
        PrintWords("You successfully crumble the block! ");
        floor.At(x, y).glyph = kFloorGlyph;
        p.LandMissile(x, y, arrowKindIndex, true);
    } else {
        PrintWords("You fail to crumble the block. ");
    }
}

bool IsIceBlockForArcher(const Player& p, bool crumbleIce, int32_t x, int32_t y) {
    if (!crumbleIce || p.training != kTrainingArcher || !Floor::OnMap(x, y)) return false;
    if (!IsFloorNumber(p.currentFloor)) return false;
    return floorArray[p.currentFloor].At(x, y).glyph == kIceBlockGlyph;
}

}  // namespace

void Player::FindNearestVisibleMonster(int32_t& outX, int32_t& outY) {
    for (int32_t ring = 1; ring <= sightRadius; ++ring) {
        for (int32_t dx = -ring; dx <= ring; ++dx) {
            for (int32_t dy = -ring; dy <= ring; ++dy) {
                const int32_t squareX = x + dx;
                const int32_t squareY = y + dy;
                if (!InView(*this, squareX, squareY)) continue;
                if (MonsterOnPlayersFloor(squareX, squareY) == nullptr) continue;
                outX = squareX;
                outY = squareY;
                return;
            }
        }
    }
    outX = x;
    outY = y;
    MoveCursorToPlayer();
}

bool Player::ShowTargetMonsterName(int32_t squareX, int32_t squareY) {
    if (!InView(*this, squareX, squareY)) return false;
    const Monster* monster = MonsterOnPlayersFloor(squareX, squareY);
    if (monster == nullptr) return false;
    std::string line = monster->name;
    if (static_cast<int32_t>(line.size()) < kNameWidth) line.resize(kNameWidth, ' ');
    DrawText(line, 0, kNameRow, kLightCyan);
    return true;
}

Monster* Player::SelectTarget(bool crumbleIce, bool ignoreSelfConfirm) {
    XY cursor = StartSquare(*this);
    bool named = ShowTargetMonsterName(cursor.x, cursor.y);
    MoveCursor(cursor.x, cursor.y);
    for (;;) {
        const int key = TranslateCursorKey(ReadKey(), keyTable[kCommandShoot]);
        if (IsBoundKey(key, kCommandShoot) || IsBoundKey(key, kCommandThrow)) {
            if (cursor.x == x && cursor.y == y && !ignoreSelfConfirm) {
                MoveCursorToPlayer();
                return nullptr;
            }
            if (named) {
                if (Monster* chosen = MonsterOnPlayersFloor(cursor.x, cursor.y)) return chosen;
            }
            if (IsIceBlockForArcher(*this, crumbleIce, cursor.x, cursor.y)) {
                ShootIceBlock(*this, floorArray[currentFloor], cursor.x, cursor.y);
                return nullptr;
            }
            continue;
        }
        if (key == 'Z' || key == 'z') {
            MoveCursorToPlayer();
            return nullptr;
        }
        XY step;
        if (CursorStep(key, step)) named = MoveTargetCursor(*this, cursor, step);
    }
}

void Player::ChooseTarget() {
    BlankMessageRows(kPromptRow, kLastCursorRow);
    char prompt[80];
    std::snprintf(prompt, sizeof prompt, "Select a target, Z = exit, %c = confirm target", KeyLabel(kCommandTarget));
    DrawText(prompt, 0, kPromptRow, kLightCyan);
    SetCursorVeryVisible();
    XY cursor = StartSquare(*this);
    bool named = ShowTargetMonsterName(cursor.x, cursor.y);
    MoveCursor(cursor.x, cursor.y);
    for (;;) {
        const int key = TranslateCursorKey(ReadKey(), keyTable[kCommandTarget]);
        if (IsBoundKey(key, kCommandTarget)) {
            if (named) break;
            continue;
        }
        if (key == 'Z' || key == 'z') {
            MoveCursorToPlayer();
            break;
        }
        XY step;
        if (CursorStep(key, step)) named = MoveTargetCursor(*this, cursor, step);
    }
    // Leaving on an empty square forgets the target.
    target = MonsterOnPlayersFloor(cursor.x, cursor.y);
    RestoreCursorVisibility();
    BlankMessageRows(kPromptRow, kNameRow);
    if (target != nullptr) {
        std::string line = std::string("Current target: ") + target->name;
        DrawText(line, 0, kPromptRow, kLightCyan);
    }
}
