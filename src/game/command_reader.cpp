#include "game/command_reader.h"

#include "toolkit/drawing.h"
#include "toolkit/terminal.h"
#include "world/command_keys.h"
#include "world/direction.h"
#include "world/player.h"

namespace {

constexpr int32_t kFirstDirection = kCommandNorth;
constexpr int32_t kLastDirection = kCommandSouthEast;

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
        char digit;
    };
    static constexpr Pad kPads[] = {
        {449, '7'}, {450, '8'}, {451, '9'}, {452, '4'}, {453, '5'}, {454, '6'}, {455, '1'}, {456, '2'}, {457, '3'},
    };
    for (const Pad& pad : kPads) {
        if (pad.code == key && keyTable[DirectionOfDigit(pad.digit).command] == pad.digit) {
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

}  // namespace

int32_t ReadCommandKey() {
    player.quickMoveDigit = 0;
    if (player.runKey == kNoRunKey) return IdleRead();
    const int32_t step = player.NextRunStep();
    // A run that ended before its step waits for a key in this same call.
    if (step == kRunEnded) return IdleRead();
    return step == kCommandNone ? NothingChosen() : Choose(step);
}
