#include "world/command_keys.h"

#include "world/player.h"

KeyTable keyTable{};
int32_t runDelayMs = 0;
int32_t currentCommand = 0;

bool IsBoundKey(int key, int32_t command) {
    if (command < 0 || command >= kCommandCount) return false;
    const signed char symbol = keyTable[command];
    return symbol != 0 && key == static_cast<int>(symbol);
}

char KeyLabel(int32_t command) {
    if (command < 0 || command >= kCommandCount || keyTable[command] == 0) return ' ';
    return static_cast<char>(keyTable[command]);
}

bool IsRestKey(int key) { return (key == '.' && player.dotBound == 0) || IsBoundKey(key, kCommandRest); }
