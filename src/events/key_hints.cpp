// The hints that tell which key uses a feature or starts a chat.
#include "events/event_area.h"
#include "toolkit/message_log.h"
#include "toolkit/text_format.h"
#include "world/command_keys.h"

namespace {

void PrintKeyHint(int32_t command, const char* what) {
    messageLog.PrintMessage("(Press ");
    messageLog.PrintMessage(FormatText("'%c' ", keyTable[command]));
    PrintWords(what);
}

}  // namespace

void PrintUseHint() { PrintKeyHint(kCommandUseFeature, "to use.) "); }

void PrintChatHint() { PrintKeyHint(kCommandChat, "to chat.) "); }
