// The key-binding file: whatever it holds, a file the game accepts binds
// printable keys, each to one command, and lets the player quit.
#include <sstream>

#include "fuzz_support.h"
#include "shell/key_bindings.h"
#include "toolkit/text_format.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    const KeybindingFile file = ParseKeybindings(in);
    if (file.outcome != KeybindingFile::kReadable) return 0;
    if (file.keys[kCommandQuit] == 0) FuzzFinding("the quit command has no key");
    for (int32_t command = 0; command < kCommandCount; ++command) {
        const int symbol = file.keys[static_cast<size_t>(command)];
        if (symbol == 0) continue;
        if (symbol < 33 || symbol > 126) FuzzFinding(FormatText("command %d is bound to the byte %d", command, symbol));
        for (int32_t other = command + 1; other < kCommandCount; ++other) {
            if (file.keys[static_cast<size_t>(other)] == symbol) FuzzFinding(FormatText("commands %d and %d share a key", command, other));
        }
    }
    return 0;
}
