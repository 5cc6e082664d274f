#pragma once
// Sages: peaceful folk who stand on a tile for the whole game.
#include <cstdint>
#include <vector>

#include "toolkit/colour.h"

class FieldReader;
class FieldWriter;

// A sage on the map; remembered out of view in the dimmed colour of remembered terrain.
constexpr char kSageGlyph = '@';
constexpr ColourCode kSageColour = kYellow;

class cSage {
public:
    int32_t x = -1;
    int32_t y = -1;
    int32_t floor = -1;
    int32_t priceLevel = 100;
    uint8_t seen = 0;

    void DrawSage();
    // The sage's record in a save file; a damaged one fails the reader.
    void WriteSageRecord(FieldWriter& writer) const;
    void ReadSageRecord(FieldReader& reader);
};

extern std::vector<cSage> sages;

// True when a sage stands at (x + dx, y + dy) on the given floor.
bool IsSageAt(int32_t x, int32_t y, int32_t dx, int32_t dy, int32_t floor);
// True when a sage stands at (player x + dx, player y + dy) on the player's floor.
bool IsSageNextToPlayer(int32_t dx, int32_t dy);
void DrawSages();
