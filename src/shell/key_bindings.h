#pragma once
// Reading the key-binding file into the key table.
#include <cstdint>
#include <istream>

#include "world/command_keys.h"

// What reading a key-binding file gave.
struct KeybindingFile {
    enum Outcome { kReadable, kSpoiled, kSymbolBoundTwice };
    Outcome outcome = kReadable;
    int32_t delayMs = 0;
    KeyTable keys{};
    bool dotBound = false;
    char collidingSymbol = 0;  // for kSymbolBoundTwice: the lowest symbol bound twice
};
// Reads the delay and up to 34 symbols (commands 0-11 and 14-35); '#' starts a
// comment to the end of its line. A file whose first item is no number, that
// holds a symbol outside printable ASCII (the byte 189 among them), or that
// leaves the quit command unbound, is spoiled.
KeybindingFile ParseKeybindings(std::istream& in);

// Reads "Keybindings.txt" (in "-name" mode "Data/<name>/<name>.txt" when that
// exists) into keyTable; a missing, spoiled or ambiguous file ends the program.
void ReadKeybindings();
