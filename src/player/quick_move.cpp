// The quick-move command: a run in one direction that the key reader then
// replays step by step, or a quick rest of up to 50 further rests.
#include <array>

#include "events/world_events.h"
#include "player/commands.h"
#include "toolkit/drawing.h"
#include "toolkit/message_log.h"
#include "toolkit/terminal.h"
#include "toolkit/text_format.h"
#include "toolkit/xy.h"
#include "world/command_keys.h"
#include "world/direction.h"
#include "world/player.h"
#include "world/sage.h"
#include "world/terrain.h"

namespace {

constexpr int32_t kPromptRow = 19;
constexpr int32_t kHintRow = 20;

// The order in which a key is compared with the bindings.
constexpr std::array<int32_t, 9> kAnswers = {kCommandNorthEast, kCommandNorth, kCommandNorthWest,
                                             kCommandEast,      kCommandRest,  kCommandWest,
                                             kCommandSouthEast, kCommandSouth, kCommandSouthWest};

bool IsExitKey(int key) { return key == 'z' || key == 'Z'; }

// The answer to the prompt as a bound key: Enter rests, Escape and '`' leave,
// arrows are the keys of their directions, and '.' rests while nothing claims it.
int TranslateAnswer(const Player& p, int key) {
    switch (key) {
        case kKeyEnter:
        case '\r': return keyTable[kCommandRest];
        case kKeyEscape:
        case '`': return 'z';
        case kKeyDown: return keyTable[kCommandSouth];
        case kKeyUp: return keyTable[kCommandNorth];
        case kKeyLeft: return keyTable[kCommandWest];
        case kKeyRight: return keyTable[kCommandEast];
        case '.': return p.dotBound == 0 ? keyTable[kCommandRest] : key;
        default: return key;
    }
}

// The first step of a run; 0 when anything stops it (an attack made on the way
// counts as no step).
int32_t StartRun(Player& p, int32_t command) {
    BlankMessageRows(kPromptRow, kHintRow);
    const XY step = DirectionStep(command);
    if (p.IsHostileMonsterInSight()) return 0;
    if (p.AttackUnlessHorrified(command) != 0) return 0;
    if (IsSageNextToPlayer(step.x, step.y)) return 0;
    if (p.IsOverburdened()) return 0;
    int32_t moved = 0;
    switch (command) {
        case kCommandNorth: moved = p.StepNorth(); break;
        case kCommandSouth: moved = p.StepSouth(); break;
        case kCommandWest: moved = p.StepWest(); break;
        case kCommandEast: moved = p.StepEast(); break;
        case kCommandNorthWest: moved = p.StepNorthWest(); break;
        case kCommandNorthEast: moved = p.StepNorthEast(); break;
        case kCommandSouthWest: moved = p.StepSouthWest(); break;
        default: moved = p.StepSouthEast(); break;
    }
    if (moved == 0) return 0;
    // A found trap right ahead ends the run before it begins.
    p.runKey = GlyphBesidePlayer(step.x, step.y) == kFoundTrapGlyph ? kNoRunKey : RunKeyOf(command);
    StepOnTile();
    return 1;
}

int32_t StartQuickRest(Player& p) {
    BlankMessageRows(kPromptRow, kHintRow);
    if (p.IsHostileMonsterInSight()) return 0;
    CountRest();
    p.runKey = RunKeyOf(kCommandRest);
    p.quickRestCount = 0;
    return 1;
}

}  // namespace

uint8_t RunKeyOf(int32_t command) {
    const signed char symbol = keyTable[command];
    return symbol > 0 ? static_cast<uint8_t>(symbol) : kNoRunKey;
}

int32_t Player::QuickMove() {
    if (IsHostileMonsterInSight()) {
        PrintWords("You can't do that while there are monsters that close! ");
        messageLog.FlushMessages(false);
        return 0;
    }
    if (quickMoveDigit == 0) {
        BlankMessageRows(kPromptRow, 21);
        DrawText(FormatText("Quick move to which direction? (%c = quick rest, z = exit)", KeyLabel(kCommandRest)), 0,
                 kPromptRow, kLightCyan);
        DrawText("Press space during the quick move to stop moving.", 0, kHintRow, kLightCyan);
    }
    runKey = kNoRunKey;
    quickRestCount = 50;
    for (;;) {
        int key = quickMoveDigit;
        // A keypad digit answers once; should it match nothing, the prompt waits for keys.
        quickMoveDigit = 0;
        if (key == 0) key = ReadKey();
        key = TranslateAnswer(*this, key);
        if (immobility > 0 && !IsBoundKey(key, kCommandRest) && !IsExitKey(key)) {
            RefuseWhileImmobile();
            return 0;
        }
        for (int32_t command : kAnswers) {
            if (!IsBoundKey(key, command)) continue;
            return command == kCommandRest ? StartQuickRest(*this) : StartRun(*this, command);
        }
        if (IsExitKey(key)) {
            BlankMessageRows(kPromptRow, kHintRow);
            runKey = kNoRunKey;
            return 0;
        }
    }
}
