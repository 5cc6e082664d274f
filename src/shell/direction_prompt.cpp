#include "shell/direction_prompt.h"

#include "toolkit/drawing.h"
#include "toolkit/message_log.h"
#include "toolkit/terminal.h"
#include "world/command_keys.h"
#include "world/direction.h"

char AskDirection() {
    DrawText(messageLog.blank, 0, 21, kBlack);
    DrawText("Select a numpad or arrow key direction.", 0, 21, kLightCyan);
    // The order in which a key is compared with the bindings of the directions.
    static constexpr int32_t kAnswers[] = {kCommandNorth,     kCommandSouth,     kCommandWest,      kCommandEast,
                                           kCommandNorthWest, kCommandNorthEast, kCommandSouthEast, kCommandSouthWest};
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
        for (const int32_t command : kAnswers) {
            if (IsBoundKey(key, command)) return DirectionOfCommand(command).digit;
        }
        if (key >= '1' && key <= '9') return static_cast<char>(key);
    }
}
