#include "player/player_messages.h"

#include "shell/message_log.h"
#include "shell/terminal.h"

void PrintWords(const std::string& text) {
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(' ', start);
        if (end == std::string::npos) {
            messageLog.PrintMessage(text.substr(start));
            return;
        }
        // Blanks after the first one stay with their word, so spacing is kept.
        while (end < text.size() && text[end] == ' ') ++end;
        messageLog.PrintMessage(text.substr(start, end - start));
        start = end;
    }
}

void WaitForSpaceKey() {
    while (ReadKey() != kKeySpace) {
    }
}
