#pragma once
// Key bindings and the reading of keys.
#include <cstdint>

constexpr int32_t kCommandCount = 36;

// The key symbol bound to each command index; 0 = unbound.
extern char keyTable[kCommandCount];

// Reads one key, waiting for it. Keys of 256 and above that the game does not
// translate never equal a character.
int32_t ReadKey();
