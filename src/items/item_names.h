#pragma once
// The words that screens and messages use for items.
#include <cstdint>

// The display name of an item kind: with its prefix for identified weapons and
// armour, "wet " before wet cloth. extra is the item's prefix or wetness (-1 none).
// The result lives in one shared buffer that the next call overwrites.
const char* ItemKindDisplayName(int32_t kind, int32_t extra, uint8_t identified);
// True when the name's last character before any trailing blanks is a lower-case "s".
bool EndsWithS(const char* name);
