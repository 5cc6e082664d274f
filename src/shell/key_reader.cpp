#include "shell/key_reader.h"

#include "floors/floor.h"
#include "folk/sage.h"
#include "player/player.h"
#include "shell/drawing.h"
#include "shell/key_bindings.h"
#include "shell/message_log.h"
#include "shell/terminal.h"

int32_t currentCommand = 0;
int32_t runStuckTurns = 0;
int32_t runLastX = 0;
int32_t runLastY = 0;

namespace {

constexpr int32_t kFirstDirection = kCommandNorth;
constexpr int32_t kLastDirection = kCommandSouthEast;

char GlyphAt(int32_t x, int32_t y) {
    if (player.currentFloor < 0 || player.currentFloor >= kFloorCount || !Floor::OnMap(x, y)) return 0;
    return floorArray[player.currentFloor].At(x, y).glyph;
}

// The rest key, or a '.' that no command has claimed.
bool IsRestKey(int key) { return (key == '.' && player.dotBound == 0) || IsBoundKey(key, kCommandRest); }

int32_t MoveOrStagger(int32_t command) { return player.dizziness > 0 ? player.Stagger() : command; }

int32_t Choose(int32_t command) {
    currentCommand = command;
    return 1;
}

int32_t NothingChosen() {
    currentCommand = kCommandNone;
    return 0;
}

// Arrow keys act as the keys bound to their directions; in the command read
// the Home, End and Page keys stand for the keypad corners.
int MapIdleKey(int key) {
    switch (key) {
        case kKeyDown: return keyTable[kCommandSouth];
        case kKeyUp: return keyTable[kCommandNorth];
        case kKeyLeft: return keyTable[kCommandWest];
        case kKeyRight: return keyTable[kCommandEast];
        case kKeyHome: return kKeypadUpperLeft;
        case kKeyPageUp: return kKeypadUpperRight;
        case kKeyEnd: return kKeypadLowerLeft;
        case kKeyPageDown: return kKeypadLowerRight;
        default: return key;
    }
}

// A keypad key starts a quick move in one stroke, but only when the directions
// sit on the number keys as on the keypad.
int32_t KeypadQuickMove(int key) {
    struct Pad {
        int code;
        int32_t command;
        char digit;
    };
    static constexpr Pad kPads[] = {
        {449, kCommandNorthWest, '7'}, {450, kCommandNorth, '8'}, {451, kCommandNorthEast, '9'},
        {452, kCommandWest, '4'},      {453, kCommandRest, '5'},  {454, kCommandEast, '6'},
        {455, kCommandSouthWest, '1'}, {456, kCommandSouth, '2'}, {457, kCommandSouthEast, '3'},
    };
    for (const Pad& pad : kPads) {
        if (pad.code == key && keyTable[pad.command] == pad.digit) {
            player.quickMoveDigit = pad.digit;
            return Choose(kCommandQuickMove);
        }
    }
    return NothingChosen();
}

int32_t IdleRead() {
    runStuckTurns = 0;
    int key = ReadKey();
    if (key == kKeyDelete && AccessibilityMarkerExists()) {
        // Parks the cursor on the bottom row, where a screen reader finds the status.
        MoveCursor(0, 24);
        ReadKey();
        MoveCursor(player.x, player.y);
        return NothingChosen();
    }
    key = MapIdleKey(key);
    if (IsRestKey(key)) return Choose(MoveOrStagger(kCommandRest));
    if (IsBoundKey(key, kCommandQuit)) return Choose(kCommandQuit);
    for (int32_t command = kFirstDirection; command <= kLastDirection; ++command) {
        if (IsBoundKey(key, command)) return Choose(MoveOrStagger(command));
    }
    if (IsBoundKey(key, kCommandDescend)) return Choose(kCommandDescend);
    if (IsBoundKey(key, kCommandAscend)) return Choose(kCommandAscend);
    for (int32_t command = kCommandPickUp; command < kCommandCount; ++command) {
        if (IsBoundKey(key, command)) return Choose(command);
    }
    return KeypadQuickMove(key);
}

// One replayed step of a quick move, or one rest of a quick rest.
int32_t RunStep() {
    if (player.IsHostileMonsterInSight()) player.runKey = kNoRunKey;
    const bool resting = IsBoundKey(player.runKey, kCommandRest);
    if (!resting) {
        player.CheckQuickMoveStop();
        WaitMilliseconds(static_cast<uint32_t>(runDelayMs));
    }
    if (PollKey() == kKeySpace) player.runKey = kNoRunKey;
    if (player.x == runLastX && player.y == runLastY && !IsBoundKey(player.runKey, kCommandRest)) {
        if (++runStuckTurns >= 5) player.runKey = kNoRunKey;
    } else {
        runLastX = player.x;
        runLastY = player.y;
        runStuckTurns = 0;
    }
    if (player.runKey == kNoRunKey) return IdleRead();
    if (IsBoundKey(player.runKey, kCommandRest)) return Choose(kCommandRest);
    for (int32_t command = kFirstDirection; command <= kLastDirection; ++command) {
        if (!IsBoundKey(player.runKey, command)) continue;
        const XY step = DirectionStep(command);
        const char ahead = GlyphAt(player.x + step.x, player.y + step.y);
        const char twoAhead = GlyphAt(player.x + 2 * step.x, player.y + 2 * step.y);
        // Stop before walking into a sage, a known trap or an ice block.
        if (IsSageAt(player.x, player.y, step.x, step.y, player.currentFloor) || twoAhead == kFoundTrapGlyph ||
            ahead == kFoundTrapGlyph || ahead == kIceBlockGlyph || twoAhead == kIceBlockGlyph) {
            player.runKey = kNoRunKey;
        }
        return Choose(command);
    }
    return NothingChosen();
}

}  // namespace

int32_t ReadCommandKey() {
    player.quickMoveDigit = 0;
    if (player.runKey != kNoRunKey) return RunStep();
    return IdleRead();
}

char AskDirection() {
    DrawText(messageLog.blank, 0, 21, kBlack);
    DrawText("Select a numpad or arrow key direction.", 0, 21, kLightCyan);
    struct Answer {
        int32_t command;
        char digit;
    };
    static constexpr Answer kAnswers[] = {
        {kCommandNorth, '8'},     {kCommandSouth, '2'},     {kCommandWest, '4'},      {kCommandEast, '6'},
        {kCommandNorthWest, '7'}, {kCommandNorthEast, '9'}, {kCommandSouthEast, '3'}, {kCommandSouthWest, '1'},
    };
    for (;;) {
        int key = ReadKey();
        switch (key) {
            case kKeyDown: key = '2'; break;
            case kKeyUp: key = '8'; break;
            case kKeyLeft: key = '4'; break;
            case kKeyRight: key = '6'; break;
            default: break;
        }
        if (IsRestKey(key)) return '5';
        for (const Answer& answer : kAnswers) {
            if (IsBoundKey(key, answer.command)) return answer.digit;
        }
        if (key >= '1' && key <= '9') return static_cast<char>(key);
    }
}
