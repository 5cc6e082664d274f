#pragma once
#include <cstdint>

// The values of an item's fields that mean "none".
constexpr int32_t kNoItemKind = -1;
constexpr int32_t kNoDurability = -1;
constexpr int32_t kNoPrefix = -1;  // for cloth: dry

enum Blessing : int32_t { kCursed = -1, kUncursed = 0, kBlessed = 1 };

// One item or stack of items, lying on a tile or carried by the player.
class ItemData {
public:
    int32_t kind = kNoItemKind;         // index into itemKinds
    int32_t durability = kNoDurability;  // remaining durability (wand charges)
    int32_t blessing = kUncursed;
    int32_t quantity = 1;
    uint8_t identified = 0;
    uint8_t empty = 0;
    int32_t prefix = kNoPrefix;  // prefix index for armour and weapons, wetness for cloth
};

// What PutItemOnTile is asked to roll instead of taking the value given.
constexpr int32_t kRollDurability = -1;
constexpr int32_t kRollBlessing = -2;
constexpr int32_t kRollPrefix = -2;
// PutItemOnTile's byte flags.
constexpr uint8_t kNotIdentified = 0;
constexpr uint8_t kIdentified = 1;
constexpr uint8_t kNotEmpty = 0;
// An item the game makes (generation, drops, finds) rolls its identification and ammunition count.
constexpr uint8_t kMadeByGame = 1;
constexpr uint8_t kNotMadeByGame = 0;
