#include "shell/direction_prompt.h"

#include "toolkit/drawing.h"
#include "toolkit/message_log.h"
#include "toolkit/terminal.h"
#include "world/command_keys.h"

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
