// The pieces every map cursor of item use shares.
#include "item_use/aiming.h"

#include <cstdio>

#include "toolkit/drawing.h"
#include "toolkit/terminal.h"
#include "world/command_keys.h"
#include "world/direction.h"
#include "world/floor.h"
#include "world/monster.h"
#include "world/player.h"

namespace {

// The direction commands in the order they are tested, each turning the key into
// its digit: a key bound to two of them ends as the later one's digit.
constexpr int32_t kCursorCommands[] = {kCommandSouth,     kCommandNorth,     kCommandEast,      kCommandWest,
                                       kCommandNorthEast, kCommandNorthWest, kCommandSouthEast, kCommandSouthWest};

}  // namespace

int TranslateCursorKey(int key, int enterKey) {
    if (key == kKeyEnter) key = enterKey;
    if (key == kKeyEscape || key == '`') key = 'z';
    if (key == kKeyDown) key = '2';
    if (key == kKeyUp) key = '8';
    if (key == kKeyLeft) key = '4';
    if (key == kKeyRight) key = '6';
    for (const int32_t command : kCursorCommands) {
        if (IsBoundKey(key, command)) key = DirectionOfCommand(command).digit;
    }
    return key;
}

bool CursorStep(int key, XY& step) {
    const Direction direction = DirectionOfDigit(key);
    if (!IsDirectionCommand(direction.command)) return false;
    step = direction.step;
    return true;
}

void RestoreCursorVisibility() { TerminalSetCursor(AccessibilityMarkerExists() ? 1 : 0); }

bool IsTargetInView(const Player& p) {
    const Monster* target = p.target;
    // A target left on another floor is out of view, whatever its square here shows.
    if (target == nullptr || target->floor != p.currentFloor) return false;
    if (!IsFloorNumber(p.currentFloor) || !Floor::OnMap(target->x, target->y)) return false;
    return floorArray[p.currentFloor].At(target->x, target->y).visibleNow != 0;
}

Monster* MonsterOnPlayersFloor(int32_t x, int32_t y) {
    if (!Floor::OnMap(x, y)) return nullptr;
    return FindMonsterAt(x, y, player.currentFloor);
}

void DrawRangedPrompt(const char* verb, int32_t row) {
    char prompt[80];
    std::snprintf(prompt, sizeof prompt, "Select a target, Z = exit, %c or %c = %s", KeyLabel(kCommandShoot),
                  KeyLabel(kCommandThrow), verb);
    DrawText(prompt, 0, row, kLightCyan);
}
